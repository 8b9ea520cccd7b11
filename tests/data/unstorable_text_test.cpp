// Characters Windows-1252 cannot hold are found before they are saved as "?".
#include "data/unstorable_text.h"

#include <gtest/gtest.h>

#include "data/t_table.h"
#include "data_test_support.h"

namespace pc::data {
namespace {

TEST(UnstorableCharacters, OnlyWhatTheCodePageLacksEachOnce) {
    EXPECT_EQ(unstorableCharacters("Zoë Müller, 5 € – “quoted” ?"), "");
    EXPECT_EQ(unstorableCharacters("Łódź"), "Łź");
    EXPECT_EQ(unstorableCharacters("漢字 漢字"), "漢字");
    EXPECT_EQ(unstorableCharacters("Ελλάδα"), "Ελάδα");
    EXPECT_EQ(unstorableCharacters("Москва"), "Москва");
    // One character outside the Basic Multilingual Plane, not two halves.
    EXPECT_EQ(unstorableCharacters(QString::fromUtf8("ok \xF0\x9F\x98\x80")).size(), 2);
    // A decomposed "é" is stored composed; a decomposed "ę" has no byte.
    EXPECT_EQ(unstorableCharacters(QString::fromUtf8("Cafe\xCC\x81")), "");
    EXPECT_FALSE(unstorableCharacters(QString::fromUtf8("Be\xCC\xA8")).isEmpty());
}

class UnstorableFieldsTest : public pc::test::DataTest {};

TEST_F(UnstorableFieldsTest, NamesTheStoredTextAndMemoFieldsOfTheRecord) {
    TTable table;
    openAddress(table, newAddressTable(), "TAGID");
    table.insert();
    table.fieldByName("LNAME").setText("Wałęsa");
    table.fieldByName("CITY").setText("Gdańsk");
    table.fieldByName("STREET").setText("Długa 1");
    table.fieldByName("MEMO").setText("Met in Gdańsk ✓");
    table.fieldByName("FNAME").setText("Lech");
    const std::vector<UnstorableField> found = unstorableFields(table);
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found[0].fieldName, "LNAME");
    EXPECT_EQ(found[0].characters, "łę");
    QStringList names;
    for (const auto& field : found) names << field.fieldName;
    EXPECT_TRUE(names.contains("CITY"));
    EXPECT_TRUE(names.contains("STREET"));
    EXPECT_TRUE(names.contains("MEMO"));
    EXPECT_EQ(found.back().characters.right(1), "✓");
    table.cancel();
}

}  // namespace
}  // namespace pc::data
