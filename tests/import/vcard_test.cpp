// vCard files as phones and contact programs write them: 3.0 and 4.0 cards,
// folded lines, quoted-printable, several phone types, non-Latin names.
#include "import/vcard_import.h"
#include "import/vcard_reader.h"
#include "import_test_support.h"

namespace pc::test {
namespace {

using Record = std::map<QString, QString>;

Record fieldsOf(const import::VCardContact& card) {
    Record r;
    for (const auto& [name, value] : import::vcardFieldValues(card)) r[name] = value;
    return r;
}

TEST(VCardReaderTest, Version3WithFoldedLinesAndTypedPhones) {
    const auto cards = import::readVCards(
        "BEGIN:VCARD\r\n"
        "VERSION:3.0\r\n"
        "N:Adams;Ann;B.;Dr.;\r\n"
        "FN:Dr. Ann B. Adams\r\n"
        "ORG:Acme\\, Inc.;Research\r\n"
        "TITLE:Chief Engi\r\n"
        " neer\r\n"
        "item1.ADR;TYPE=HOME:;;9 Elm St;Salem;MA;01970;USA\r\n"
        "ADR;TYPE=WORK,PREF:;Suite 5;1 Main St\\nFloor 2;Boston;MA;02134;USA\r\n"
        "TEL;TYPE=WORK,FAX:555-0100\r\n"
        "TEL;TYPE=CELL:555-0101\r\n"
        "TEL;TYPE=HOME;TYPE=VOICE;TYPE=PREF:555-0102\r\n"
        "TEL;TYPE=PAGER:555-0103\r\n"
        "EMAIL;TYPE=INTERNET:ann@home.example\r\n"
        "EMAIL;TYPE=INTERNET,PREF:ann@work.example\r\n"
        "NOTE:Met at the fair\\nCall in May\r\n"
        "END:VCARD\r\n");
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(fieldsOf(cards[0]), (Record{{"LNAME", "Adams"},
                                          {"FNAME", "Ann"},
                                          {"MIDDLE", "B."},
                                          {"PREFIX", "Dr."},
                                          {"TITLE", "Chief Engineer"},
                                          {"ORG", "Acme, Inc."},
                                          {"STREET", "1 Main St"},
                                          {"STREET2", "Suite 5, Floor 2"},
                                          {"CITY", "Boston"},
                                          {"STATE", "MA"},
                                          {"ZIP", "02134"},
                                          {"COUNTRY", "USA"},
                                          {"PHONE", "555-0102"},
                                          {"PHONE2", "555-0101"},
                                          {"FAX", "555-0100"},
                                          {"EMAIL", "ann@work.example"},
                                          {"MEMO", "Met at the fair\nCall in May"}}));
}

TEST(VCardReaderTest, Version4AndQuotedPrintableAndNonLatinNames) {
    const auto cards = import::readVCards(
        "BEGIN:VCARD\nVERSION:4.0\nFN:\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD \xD0\x9F\xD0\xB5\xD1\x82"
        "\xD1\x80\xD0\xBE\xD0\xB2\nN:\xD0\x9F\xD0\xB5\xD1\x82\xD1\x80\xD0\xBE\xD0\xB2;"
        "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD;;;\n"
        "TEL;VALUE=uri;TYPE=\"voice,home\";PREF=1:tel:+1-555-0199\nEND:VCARD\n"
        "BEGIN:VCARD\nVERSION:2.1\n"
        "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;J=C3=\n"
        "=BCrgen\nTEL;HOME;VOICE:555 1\nTEL;WORK:555 2\nEND:VCARD\n"
        "BEGIN:VCARD\nVERSION:4.0\nFN:Acme Shop\nORG:Acme Shop\nEND:VCARD\n");
    ASSERT_EQ(cards.size(), 3u);
    EXPECT_EQ(fieldsOf(cards[0]), (Record{{"LNAME", QString::fromUtf8("Петров")},
                                          {"FNAME", QString::fromUtf8("Иван")},
                                          {"PHONE", "+1-555-0199"}}));
    EXPECT_EQ(fieldsOf(cards[1]), (Record{{"LNAME", QString::fromUtf8("Müller")},
                                          {"FNAME", QString::fromUtf8("Jürgen")},
                                          {"PHONE", "555 1"},
                                          {"PHONE2", "555 2"}}));
    // An organisation's own card names no person.
    EXPECT_EQ(fieldsOf(cards[2]), (Record{{"ORG", "Acme Shop"}}));
}

TEST(VCardReaderTest, DamagedInputGivesWhatItCanAndNeverFails) {
    EXPECT_TRUE(import::readVCards("").empty());
    EXPECT_TRUE(import::readVCards("no cards here\n:::\n;;;").empty());
    // A card without END is not taken; a property without a colon is passed over.
    EXPECT_TRUE(import::readVCards("BEGIN:VCARD\nN:A;B\n").empty());
    const auto cards = import::readVCards("BEGIN:VCARD\nBROKEN\nN:A\\\nTEL;=;:\nEND:VCARD\n");
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0].family, "A\\");
}

class VCardImportTest : public ImportTest {};

TEST_F(VCardImportTest, EachCardBecomesARecord) {
    std::vector<import::VCardContact> cards;
    ASSERT_TRUE(import::readVCardFile(
        writeText("c.vcf",
                  "BEGIN:VCARD\nVERSION:3.0\nN:Lee;Kim\nNOTE:memo text\nEND:VCARD\n"
                  "BEGIN:VCARD\nVERSION:3.0\nN:\xE6\x9D\x8E;\xE6\x98\x8E\nEND:VCARD\n"),
        cards));
    EXPECT_FALSE(import::readVCardFile(writeText("none.vcf", "hello"), cards));
    const auto result = import::runVCardImport(cards, destination);
    EXPECT_EQ(result.outcome.imported, 2);
    EXPECT_EQ(result.unstorable.count(), 2);
    const auto all = records();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0], (Record{{"LNAME", "Lee"}, {"FNAME", "Kim"}, {"MEMO", "memo text"}}));
    EXPECT_EQ(all[1], (Record{{"LNAME", "?"}, {"FNAME", "?"}}));
    EXPECT_TRUE(data::CheckValidIndex(destination));
}

}  // namespace
}  // namespace pc::test
