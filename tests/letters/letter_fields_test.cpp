// Merge-field values: the composed name, the address block and the values
// in their merge order, for records with parts missing.
#include "letters/letter_fields.h"

#include <gtest/gtest.h>

#include <map>

#include "qstring_printer.h"

namespace pc::test {
namespace {

using pc::letters::AddressFields;

AddressFields record(std::map<QString, QString> values) {
    return [values](const QString& name) {
        const auto it = values.find(name);
        return it == values.end() ? QString() : it->second;
    };
}

QString valueOf(const AddressFields& f, const QString& name) {
    for (const auto& v : pc::letters::mergeValues(f, QDate(2026, 3, 7)))
        if (v.name == name) return v.value;
    ADD_FAILURE() << "no value named " << name.toStdString();
    return {};
}

TEST(LetterFieldsTest, FullNameKeepsOneBlankAfterEachPresentPart) {
    EXPECT_EQ(pc::letters::fullName(
                  record({{"PREFIX", "Dr."}, {"FNAME", "Ann"}, {"MIDDLE", "B"}, {"LNAME", "Lee"}})),
              "Dr. Ann B. Lee ");
    EXPECT_EQ(pc::letters::fullName(record({{"FNAME", "Ann"}})), "Ann ");
    EXPECT_EQ(pc::letters::fullName(record({})), "");
    EXPECT_EQ(pc::letters::fullName(record({{"FNAME", "  Ann"}, {"LNAME", "Lee"}})), "Ann Lee ")
        << "leading blanks of a part go";
}

TEST(LetterFieldsTest, AddressBlockLeavesOutEmptyLinesAndJoinsTitleAndOrganisation) {
    EXPECT_EQ(pc::letters::nameAndAddress(record({{"FNAME", "Ann"}})), "Ann \r\n")
        << "an empty last name leaves the first line as the full name";
    EXPECT_EQ(pc::letters::nameAndAddress(record({{"TITLE", "Director"}})), "Director\r\n");
    EXPECT_EQ(pc::letters::nameAndAddress(record({{"TITLE", "Director"}, {"ORG", "Acme"}})),
              "Director,  Acme\r\n");
    EXPECT_EQ(pc::letters::nameAndAddress(record({{"ORG", "Acme"}})), "Acme\r\n");
    EXPECT_EQ(pc::letters::nameAndAddress(record({{"FNAME", "Ann"},
                                                  {"LNAME", "Lee"},
                                                  {"STREET", "1 Main St"},
                                                  {"STREET2", "Suite 4"},
                                                  {"CITY", "Springfield"},
                                                  {"STATE", "IL"},
                                                  {"ZIP", "62701"},
                                                  {"COUNTRY", "USA"}})),
              "Ann Lee \r\n1 Main St\r\nSuite 4\r\nSpringfield IL  62701\r\nUSA\r\n");
}

TEST(LetterFieldsTest, PostalCodeFollowsTwoBlanksWithOrWithoutState) {
    EXPECT_EQ(pc::letters::nameAndAddress(record({{"CITY", "Oslo"}, {"ZIP", "0150"}})),
              "Oslo  0150\r\n");
    EXPECT_EQ(pc::letters::nameAndAddress(record({{"ZIP", "0150"}})), "0150\r\n");
    EXPECT_EQ(pc::letters::nameAndAddress(record({{"CITY", "Oslo"}})), "Oslo\r\n");
}

TEST(LetterFieldsTest, ValuesComeInMergeOrderWithSecondNamesAndDates) {
    const auto values = pc::letters::mergeValues(record({}), QDate(2026, 3, 7));
    ASSERT_EQ(values.size(), 25u);
    QStringList order;
    for (const auto& v : values) order << v.name;
    EXPECT_EQ(order.first(), "Full Name");
    EXPECT_EQ(order.indexOf("Name and Address"), 22) << "merged after the dates";
    QStringList offered = pc::letters::mergeFieldNames();
    QStringList sortedOrder = order;
    offered.sort();
    sortedOrder.sort();
    EXPECT_EQ(offered, sortedOrder) << "every offered name has a value";

    const AddressFields f = record(
        {{"CITY", "Oslo"}, {"STATE", ""}, {"ZIP", "0150"}, {"USER1", "note"}, {"EMAIL", "a@b.c"}});
    EXPECT_EQ(valueOf(f, "City+State+Zip"), "Oslo  0150");
    EXPECT_EQ(valueOf(f, "Postal Code"), "0150");
    EXPECT_EQ(valueOf(f, "Province"), "");
    EXPECT_EQ(valueOf(f, "Comment 1"), "note");
    EXPECT_EQ(valueOf(f, "E-Mail"), "a@b.c");
    EXPECT_EQ(valueOf(f, "Today's Date"), "03/07/2026");
    EXPECT_EQ(valueOf(f, "Long Date"), "Mar 7, 2026");
}

}  // namespace
}  // namespace pc::test
