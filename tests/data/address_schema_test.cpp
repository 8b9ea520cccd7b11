// The field objects of an address table and its calculated fields.
#include "data_test_support.h"

namespace pc::test {
namespace {

using pc::data::TTable;

class AddressSchemaTest : public DataTest {
  protected:
    void SetUp() override {
        DataTest::SetUp();
        pc::data::defineAddressFields(table, [this] { return tagId; });
        ASSERT_TRUE(pc::data::openTableFile(newAddressTable(), table));
    }
    void addPerson(const QString& prefix, const QString& fname, const QString& middle,
                   const QString& lname) {
        table.insert();
        table.fieldByName("PREFIX").setText(prefix);
        table.fieldByName("FNAME").setText(fname);
        table.fieldByName("MIDDLE").setText(middle);
        table.fieldByName("LNAME").setText(lname);
        table.fieldByName("CITY").setText("Springfield");
        table.fieldByName("STATE").setText("IL");
        table.fieldByName("ZIP").setText("62701");
        table.post();
    }
    QString tagId = "K3X9";
    TTable table;
};

TEST_F(AddressSchemaTest, FieldObjectsComeInTheViewOrderWithTheirLabels) {
    QStringList names, labels, hidden;
    for (int i = 0; i < table.fieldCount(); ++i) {
        names << table.field(i).name();
        labels << table.field(i).displayLabel();
        if (!table.field(i).visible()) hidden << table.field(i).name();
    }
    EXPECT_EQ(names, QStringList({"Tagged",       "FullName", "FullNameWithPrefix",
                                  "CityStateZip", "LNAME",    "FNAME",
                                  "MIDDLE",       "PREFIX",   "TITLE",
                                  "ORG",          "STREET",   "STREET2",
                                  "CITY",         "STATE",    "ZIP",
                                  "COUNTRY",      "PHONE",    "PHONE2",
                                  "FAX",          "EMAIL",    "CODES",
                                  "USER1",        "USER2",    "MEMO",
                                  "ISDEL",        "DATE",     "DisplayDate",
                                  "TAG"}));
    EXPECT_EQ(labels[2], "Full Name & Prefix");
    EXPECT_EQ(labels[14], "Zip/Postal Code");
    EXPECT_EQ(labels[24], "Deleted");
    EXPECT_EQ(labels[25], "Actual Date");
    EXPECT_EQ(labels[26], "Date");
    EXPECT_EQ(hidden, QStringList({"FullName", "FullNameWithPrefix", "CityStateZip", "MEMO",
                                   "ISDEL", "DATE", "TAG"}));
    EXPECT_EQ(table.fieldByName("FullName").width(), 35);
    EXPECT_EQ(table.fieldByName("DisplayDate").width(), 12);
    EXPECT_EQ(table.fieldByName("PREFIX").width(), 12);  // from the file
}

TEST_F(AddressSchemaTest, NameAndAddressFieldsAreComputedOnlyWhileShown) {
    addPerson("Dr.", "Ann", "B", "Carter");
    EXPECT_EQ(text(table, "FullName"), "");
    pc::data::setNameFieldsVisible(table, true);
    EXPECT_EQ(text(table, "FullName"), "Ann B Carter");
    EXPECT_EQ(text(table, "FullNameWithPrefix"), "Dr. Ann B Carter");
    EXPECT_EQ(text(table, "CityStateZip"), "Springfield IL 62701");
    pc::data::setNameFieldsVisible(table, false);
    EXPECT_EQ(text(table, "CityStateZip"), "");
}

TEST_F(AddressSchemaTest, FullNameWithoutFirstNameAndInitialIsABlankAndTheLastName) {
    pc::data::setNameFieldsVisible(table, true);
    addPerson("", "", "", "Carter");
    EXPECT_EQ(text(table, "FullName"), " Carter");
    EXPECT_EQ(text(table, "FullNameWithPrefix"), " Carter");
}

TEST_F(AddressSchemaTest, TaggedFollowsTheGlobalTagIdentifier) {
    addPerson("", "Ann", "", "Carter");
    EXPECT_FALSE(table.fieldByName("Tagged").asBoolean());
    EXPECT_EQ(table.fieldByName("Tagged").displayText(), "No");
    table.edit();
    table.fieldByName("TAG").setText("K3X9");
    EXPECT_TRUE(table.fieldByName("Tagged").asBoolean());  // recalculated as it changes
    table.post();
    EXPECT_EQ(table.fieldByName("Tagged").displayText(), "Yes");

    // A different identifier, and an empty one, tag nothing.
    tagId = "OTHER";
    table.refreshCalculatedFields();
    EXPECT_FALSE(table.fieldByName("Tagged").asBoolean());
    table.edit();
    table.fieldByName("TAG").setText("");
    table.post();
    tagId = "";
    table.refreshCalculatedFields();
    EXPECT_FALSE(table.fieldByName("Tagged").asBoolean());
}

TEST_F(AddressSchemaTest, DisplayDateShowsValidStoredDatesOnly) {
    addPerson("", "Ann", "", "Carter");
    for (auto [stored, shown] : {std::pair{"20240315", "15.03.2024"}, std::pair{"", ""},
                                 std::pair{"20241315", ""}, std::pair{"garbage", ""}}) {
        table.edit();
        table.fieldByName("DATE").setText(stored);
        table.post();
        EXPECT_EQ(text(table, "DisplayDate"), shown) << stored;
    }
}

TEST(NewFileFieldLengthsTest, SettingsOutsideFiveToEightyFallBackToTheDefault) {
    TempDir dir;
    const QString ini = QString::fromStdString(dir.file("POSTCR.ini"));
    writeFile(ini.toStdString(),
              "[NewFileFieldLengths]\nFieldLNAME=50\nFieldFNAME=4\nFieldZIP=81\n"
              "FieldCITY=abc\nFieldSTATE=5\nFieldEMAIL=80\n");
    const auto lengths = pc::data::NewFileFieldLengths::load(pc::text::ProfileFile(ini));
    EXPECT_EQ(lengths.width("LNAME"), 50);
    EXPECT_EQ(lengths.width("FNAME"), 30);
    EXPECT_EQ(lengths.width("ZIP"), 10);
    EXPECT_EQ(lengths.width("CITY"), 30);
    EXPECT_EQ(lengths.width("STATE"), 5);
    EXPECT_EQ(lengths.width("EMAIL"), 80);
    EXPECT_EQ(lengths.width("FAX"), 40);
    EXPECT_EQ(lengths.width("MIDDLE"), 0);  // not keyed
    EXPECT_EQ(pc::data::NewFileFieldLengths::builtInDefaults().width("FAX"), 30);

    pc::data::NewFileFieldLengths odd;
    odd.setWidth("TITLE", 2);
    odd.setWidth("ORG", 66);
    EXPECT_EQ(odd.widthForCreation("TITLE"), 30);
    pc::text::ProfileFile out(QString::fromStdString(dir.file("OUT.ini")));
    ASSERT_TRUE(odd.save(out));
    EXPECT_EQ(out.readInt("NewFileFieldLengths", "FieldTITLE", 0), 30);
    EXPECT_EQ(out.readInt("NewFileFieldLengths", "FieldORG", 0), 66);
}

}  // namespace
}  // namespace pc::test
