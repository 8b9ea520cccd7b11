#include "text/record_text.h"

#include <gtest/gtest.h>

#include <QMap>

using namespace pc::text;

namespace {

FieldText fields(QMap<QString, QString> values) {
    return [values](const QString& name) { return values.value(name); };
}

TEST(CalculatedFields, NamesSkipMissingParts) {
    EXPECT_EQ(fullName("John", "Q", "Public"), "John Q Public");
    EXPECT_EQ(fullName("John", "", "Public"), "John Public");
    EXPECT_EQ(fullName("", "", "Public"), " Public");
    EXPECT_EQ(fullNameWithPrefix("Dr.", "John", "Q", "Public"), "Dr. John Q Public");
    EXPECT_EQ(fullNameWithPrefix("", "", "", "Public"), " Public");
    EXPECT_EQ(fullNameWithPrefix("", "John", "", "Public"), "John Public");
    EXPECT_EQ(fullName(QString(30, u'F'), "M", QString(30, u'L')).size(), 35);
}

TEST(CalculatedFields, CityStateZipHasNoComma) {
    EXPECT_EQ(cityStateZip("Boston", "MA", "02101"), "Boston MA 02101");
    EXPECT_EQ(cityStateZip("", "", "02101"), "02101");
    EXPECT_EQ(cityStateZip("Boston", "", ""), "Boston ");
    EXPECT_EQ(cityStateZip(QString(30, u'c'), "MA", "02101"), QString(30, u'c') + " MA 0");
}

TEST(ClipboardText, OnlyLastNameGivesOneLine) {
    EXPECT_EQ(recordClipboardText(fields({{"LNAME", "Smith"}}), {}), "Smith \r\n");
}

TEST(ClipboardText, FullRecordInGroupOrder) {
    const FieldText record = fields({{"PREFIX", "Dr."},
                                     {"FNAME", "Ann"},
                                     {"MIDDLE", "B"},
                                     {"LNAME", "Cole"},
                                     {"TITLE", "Director"},
                                     {"ORG", "Acme"},
                                     {"STREET", "1 Main St"},
                                     {"CITY", "Boston"},
                                     {"STATE", "MA"},
                                     {"ZIP", "02101"},
                                     {"COUNTRY", "USA"},
                                     {"PHONE", "555-1234"},
                                     {"PHONE2", "555-9876"},
                                     {"CODES", "XMAS"},
                                     {"USER1", "first"},
                                     {"USER2", "second"}});
    EXPECT_EQ(recordClipboardText(record, {}),
              "Dr. Ann B. Cole \r\nDirector\r\nAcme\r\n"
              "1 Main St\r\nBoston  MA 02101\r\nUSA \r\n"
              "Phone  :555-1234\r\nPhone 2:555-9876\r\n"
              "Codes :XMAS\r\n"
              "Comment 1 :first\r\nComment 2 :second\r\n");
    ClipboardGroups some;
    some.name = false;
    some.address = false;
    some.comments = false;
    EXPECT_EQ(recordClipboardText(record, some),
              "Phone  :555-1234\r\nPhone 2:555-9876\r\nCodes :XMAS\r\n");
}

TEST(ClipboardText, EmptyPartsLeaveNoLines) {
    // No city, state or zip: the city line would be one blank.
    EXPECT_EQ(recordClipboardText(fields({{"STREET", "1 Main St"}, {"PHONE2", "555"}}), {}),
              "1 Main St\r\nPhone 2:555\r\n");
    EXPECT_EQ(recordClipboardText(fields({{"MIDDLE", " "}, {"FNAME", "Ann"}}), {}), "Ann \r\n");
    EXPECT_EQ(recordClipboardText(fields({}), {}), "");
}

TEST(ClipboardText, CutTo1000Characters) {
    const QString huge(900, u'x');
    const QString text = recordClipboardText(fields({{"USER1", huge}, {"USER2", huge}}), {});
    EXPECT_EQ(text.size(), 1000);
    EXPECT_TRUE(text.startsWith("Comment 1 :xxx"));
}

}  // namespace
