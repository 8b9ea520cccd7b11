// The rules of record entry that need no window: the memo as stored, what a
// new record starts with, the Tab-order skip list, the reopen counter and
// the duplicate-name key.
#include <gtest/gtest.h>

#include <QMap>

#include "records/aggressive_save.h"
#include "records/carry_forward.h"
#include "records/duplicate_name_check.h"
#include "records/memo_text.h"
#include "records/preferences.h"
#include "records/skip_fields.h"

namespace pc::app {
namespace {

TEST(MemoTextTest, ALengthThatIsAMultipleOfFourGetsOneTrailingBlank) {
    EXPECT_EQ(records::memoForStorage("12345678"), "12345678 ");
    EXPECT_EQ(records::memoForStorage("1234567"), "1234567");
    EXPECT_EQ(records::memoForStorage(""), "");  // an empty memo stays empty
    // Counted as stored, with CR LF breaks: "ab" CR LF "cd" is 6, "a" CR LF "b" is 4.
    EXPECT_EQ(records::memoForStorage("ab\ncd"), "ab\r\ncd");
    EXPECT_EQ(records::memoForStorage("a\nb"), "a\r\nb ");
    // Saving again what was loaded does not grow the memo.
    const QString once = records::memoForStorage("12345678");
    EXPECT_EQ(records::memoForStorage(records::memoForEditor(once)), once);
    EXPECT_EQ(records::memoForEditor("one\r\ntwo"), "one\ntwo");
}

records::Preferences prefsWith(std::initializer_list<const char*> on, const QString& country = {}) {
    records::Preferences prefs;
    for (const char* key : on) prefs.adding[key] = true;
    prefs.defaultCountry = country;
    return prefs;
}

QMap<QString, QString> assigned(const records::FieldAssignments& list) {
    QMap<QString, QString> map;
    for (const auto& [field, text] : list) map[field] = text;  // the last one wins
    return map;
}

records::CarriedFields previousRecord(const records::Preferences& prefs) {
    const QMap<QString, QString> current = {
        {"ORG", "Acme  "},   {"CITY", "Springfield"}, {"STATE", "IL"},      {"ZIP", "62701"},
        {"STREET", "1 Elm"}, {"STREET2", "Suite 4"},  {"COUNTRY", "Canada"}};
    return records::rememberCarriedFields([&](const QString& name) { return current.value(name); },
                                          prefs);
}

TEST(CarryForwardTest, CarriedFieldsDefaultCountryAndDate) {
    const QDate today(2026, 3, 9);
    // Nothing switched on: a blank record.
    EXPECT_TRUE(records::newRecordAssignments({}, previousRecord({}), {}, today).empty());

    const records::Preferences all =
        prefsWith({"CarryOrg", "CarrySA1", "CarrySA2", "CarryCity", "CarryState", "CarryZip",
                   "CarryCountry", "PlugDate"},
                  "USA");
    auto fields = assigned(records::newRecordAssignments({}, previousRecord(all), all, today));
    EXPECT_EQ(fields["ORG"], "Acme");
    EXPECT_EQ(fields["STREET"], "1 Elm");
    EXPECT_EQ(fields["STREET2"], "Suite 4");
    EXPECT_EQ(fields["CITY"], "Springfield");
    EXPECT_EQ(fields["ZIP"], "62701");
    EXPECT_EQ(fields["COUNTRY"], "Canada");  // carried beats the default
    EXPECT_EQ(fields["DATE"], "20260309");

    // The default country serves when no country is carried.
    const records::Preferences defaultOnly = prefsWith({}, "USA");
    fields = assigned(
        records::newRecordAssignments({}, previousRecord(defaultOnly), defaultOnly, today));
    EXPECT_EQ(fields.keys(), QStringList{"COUNTRY"});
    EXPECT_EQ(fields["COUNTRY"], "USA");
    // Carrying an empty country also falls back to the default.
    const records::Preferences carryEmpty = prefsWith({"CarryCountry"}, "USA");
    const records::CarriedFields none =
        records::rememberCarriedFields([](const QString&) { return QString(); }, carryEmpty);
    EXPECT_EQ(assigned(records::newRecordAssignments({}, none, carryEmpty, today))["COUNTRY"],
              "USA");
}

TEST(CarryForwardTest, TypedAndLookedUpValuesBeatCarriedOnes) {
    const records::Preferences prefs = prefsWith({"CarryCity", "CarryState", "CarryZip"});
    records::NewRecordStart start{"Smith", "Ann", "10001", QString("New York"), QString("NY")};
    auto fields = assigned(records::newRecordAssignments(start, previousRecord(prefs), prefs, {}));
    EXPECT_EQ(fields["LNAME"], "Smith");
    EXPECT_EQ(fields["FNAME"], "Ann");
    EXPECT_EQ(fields["ZIP"], "10001");
    EXPECT_EQ(fields["CITY"], "New York");
    EXPECT_EQ(fields["STATE"], "NY");

    // A zip found in no record: the remembered city and state are used.
    start.foundCity.reset();
    start.foundState.reset();
    fields = assigned(records::newRecordAssignments(start, previousRecord(prefs), prefs, {}));
    EXPECT_EQ(fields["ZIP"], "10001");
    EXPECT_EQ(fields["CITY"], "Springfield");
    EXPECT_EQ(fields["STATE"], "IL");
    // Without the carry switches they stay empty.
    fields = assigned(records::newRecordAssignments(start, previousRecord({}), {}, {}));
    EXPECT_FALSE(fields.contains("CITY"));
    EXPECT_FALSE(fields.contains("STATE"));
}

TEST(SkipFieldsTest, SkipListAndTheFocusAfterAdd) {
    EXPECT_TRUE(records::skippedFields({}).isEmpty());
    EXPECT_EQ(records::skippedFields(prefsWith({"Skipcomments2", "SkipLastName", "SkipDate"})),
              (QStringList{"LNAME", "USER2", "DATE"}));
    EXPECT_EQ(records::skipFieldTable().size(), records::skipSwitches().size());

    EXPECT_EQ(records::addFocusField({}, true, true), "LNAME");
    EXPECT_EQ(records::addFocusField({}, false, true), "FNAME");  // last name came from the prompt
    EXPECT_EQ(records::addFocusField({}, false, false), "MIDDLE");
    EXPECT_EQ(records::addFocusField(prefsWith({"SkipLastName"}), true, true), "FNAME");
    EXPECT_EQ(records::addFocusField(
                  prefsWith({"SkipLastName", "SkipfirstName", "SkipMiddleInitial"}), true, true),
              "PREFIX");
    EXPECT_EQ(records::addFocusField(
                  prefsWith({"SkipMiddleInitial", "SkipPrefix", "Skiptitle", "SkipOrganization"}),
                  false, false),
              "STREET");
}

TEST(AggressiveSaveTest, ReopensOnEveryFifthOrEverySave) {
    int counter = 0;
    std::vector<int> reopenedAt;
    for (int save = 1; save <= 12; ++save)
        if (records::countSaveForReopen(counter, records::AggressiveSave::Normal))
            reopenedAt.push_back(save);
    EXPECT_EQ(reopenedAt, (std::vector<int>{5, 10}));
    EXPECT_EQ(counter, 2);

    counter = 0;
    EXPECT_TRUE(records::countSaveForReopen(counter, records::AggressiveSave::High));
    EXPECT_TRUE(records::countSaveForReopen(counter, records::AggressiveSave::High));
    for (int i = 0; i < 6; ++i)
        EXPECT_FALSE(records::countSaveForReopen(counter, records::AggressiveSave::None));
}

TEST(DuplicateNameKeyTest, PartsAreCutToTheFieldWidthsAndTheQuestionLaidOut) {
    EXPECT_EQ(records::duplicateNameKey("Abcdefgh", "Xyz", 4, 2), "ABCDXY");
    EXPECT_EQ(records::duplicateQuestion("John", "Smith", "1 Elm", "Springfield", "IL", "62701"),
              "Possible duplicate: \r\n\r\nJohn Smith\r\n1 Elm\r\nSpringfield,IL 62701\r\n\r\n"
              "Continue adding?");
}

}  // namespace
}  // namespace pc::app
