#include "design/address_block.h"

#include <gtest/gtest.h>

#include "design/address_label.h"
#include "design_test_host.h"

namespace pc::design {
namespace {

using testing::MapMergeSource;
using testing::TestHost;

QMap<QString, QString> fullRecord() {
    return {{"PREFIX", "Mr."},       {"FNAME", "John"},      {"MIDDLE", "Q"},
            {"LNAME", "Public"},     {"TITLE", "Director"},  {"ORG", "Acme Corp"},
            {"STREET", "1 Main St"}, {"STREET2", "Suite 5"}, {"CITY", "Springfield"},
            {"STATE", "IL"},         {"ZIP", "62701-1234"},  {"COUNTRY", "USA"},
            {"PHONE", "555-1212"}};
}

QStringList compose(const AddressBlockOptions& o, const QMap<QString, QString>& record) {
    return composeAddressBlock(o, [&record](const QString& name) -> std::optional<QString> {
        if (!record.contains(name)) return std::nullopt;
        return record.value(name);
    });
}

TEST(AddressBlock, FullRecordWithInitialOptions) {
    EXPECT_EQ(compose({}, fullRecord()),
              QStringList({"Mr. John Q. Public ", "Director", "Acme Corp", "1 Main St", "Suite 5",
                           "Springfield  IL 62701-1234", "USA"}));
}

TEST(AddressBlock, NameLineSkipsEmptyPartsAndDotsOnlyARealMiddleName) {
    auto record = fullRecord();
    record["PREFIX"] = "";
    record["MIDDLE"] = "";
    EXPECT_EQ(compose({}, record).first(), "John Public ");
    record["FNAME"] = "";
    record["LNAME"] = "";
    AddressBlockOptions o;
    o.useTitle = false;
    EXPECT_EQ(compose(o, record).first(), "Acme Corp");  // no name line at all
}

TEST(AddressBlock, EmptyCityStateAndZipGiveNoCityLine) {
    auto record = fullRecord();
    record["CITY"] = record["STATE"] = record["ZIP"] = "";
    EXPECT_EQ(compose({}, record), QStringList({"Mr. John Q. Public ", "Director", "Acme Corp",
                                                "1 Main St", "Suite 5", "USA"}));
}

TEST(AddressBlock, EmptyCityAfterStateKeepsTheSeparatorBlankInFront) {
    auto record = fullRecord();
    record["CITY"] = "";
    EXPECT_EQ(compose({}, record).at(5), " IL 62701-1234");
    record["ZIP"] = "   62701";  // leading blanks of the ZIP code go
    record["CITY"] = "Springfield";
    EXPECT_EQ(compose({}, record).at(5), "Springfield  IL 62701");
}

TEST(AddressBlock, EveryZipOptionPlacesTheZipCode) {
    const auto record = fullRecord();
    AddressBlockOptions o;
    o.useName = o.useTitle = o.useCompany = o.useStreet = o.useStreet2 = false;

    o.zipOptions = ZipOptions::zoBeforeCity;
    EXPECT_EQ(compose(o, record), QStringList({"62701-1234 Springfield IL ", "USA"}));
    o.zipOptions = ZipOptions::zoAfterCountry;
    EXPECT_EQ(compose(o, record), QStringList({"Springfield IL", "USA 62701-1234"}));
    o.zipOptions = ZipOptions::zoBeforeCountry;
    EXPECT_EQ(compose(o, record), QStringList({"Springfield IL", "62701-1234 USA"}));

    // Without the ZIP code every option gives city and state, and country.
    o.useZip = false;
    for (ZipOptions z : {ZipOptions::zoAfterState, ZipOptions::zoBeforeCity,
                         ZipOptions::zoAfterCountry, ZipOptions::zoBeforeCountry}) {
        o.zipOptions = z;
        EXPECT_EQ(compose(o, record), QStringList({"Springfield IL", "USA"}));
    }
}

TEST(AddressBlock, ZipCodeAloneWhenItsLineIsOff) {
    const auto record = fullRecord();
    AddressBlockOptions o;
    o.useName = o.useTitle = o.useCompany = o.useStreet = o.useStreet2 = false;

    // After country with the country off: city and state, then the ZIP code.
    o.useCountry = false;
    o.zipOptions = ZipOptions::zoAfterCountry;
    EXPECT_EQ(compose(o, record), QStringList({"Springfield IL", "62701-1234"}));
    o.zipOptions = ZipOptions::zoBeforeCountry;
    EXPECT_EQ(compose(o, record), QStringList({"Springfield IL", "62701-1234"}));

    // With the city line off the ZIP code of a city option stands alone.
    o.useCountry = true;
    o.useCityState = false;
    o.zipOptions = ZipOptions::zoAfterState;
    EXPECT_EQ(compose(o, record), QStringList({"62701-1234", "USA"}));
    o.zipOptions = ZipOptions::zoBeforeCity;
    EXPECT_EQ(compose(o, record), QStringList({"62701-1234", "USA"}));
}

TEST(AddressBlock, PhoneAndUpperCase) {
    AddressBlockOptions o;
    o.usePhone = true;
    o.upperCase = true;
    const QStringList lines = compose(o, fullRecord());
    EXPECT_EQ(lines.first(), "MR. JOHN Q. PUBLIC ");
    EXPECT_EQ(lines.at(5), "SPRINGFIELD  IL 62701-1234");
    EXPECT_EQ(lines.last(), "555-1212");
}

TEST(AddressBlock, MissingFieldEndsWithTheLinesGatheredSoFar) {
    auto record = fullRecord();
    record.remove("STREET2");
    EXPECT_EQ(compose({}, record),
              QStringList({"Mr. John Q. Public ", "Director", "Acme Corp", "1 Main St"}));
    // Upper case still applies to what was gathered.
    AddressBlockOptions o;
    o.upperCase = true;
    EXPECT_EQ(compose(o, record).first(), "MR. JOHN Q. PUBLIC ");
    // A field of an unused line is not read, so its absence does not matter.
    record = fullRecord();
    record.remove("PHONE");
    EXPECT_EQ(compose({}, record).size(), 7);
}

TEST(AddressLabel, MergesValuesNamesAndPrintsWithoutPlaceholders) {
    MapMergeSource source;
    source.values = fullRecord();
    TestHost host;
    host.source = &source;
    TGDMultiLineAddressLabel label;
    label.setHost(&host);

    label.refreshData();
    EXPECT_EQ(label.items().size(), 7);
    host.showValues = false;
    label.refreshData();
    EXPECT_EQ(label.items(), QStringList({"[Address Label]"}));
    host.isPrinting = true;
    label.refreshData();
    EXPECT_EQ(label.items().size(), 7);

    label.clearData();
    EXPECT_TRUE(label.items().isEmpty());
    EXPECT_EQ(label.displayLines(), QStringList({"<blank>"}));
}

TEST(AddressLabel, StoresEveryFlagAndTheZipOption) {
    TGDMultiLineAddressLabel label;
    const auto names = testing::writtenNames(label);
    const QList<QByteArray> tail = {"UseName",    "UseTitle",     "UseCompany", "UseStreet",
                                    "UseStreet2", "UseCityState", "UseZip",     "UsePhone",
                                    "UseCountry", "ZipOptions",   "UpperCase"};
    EXPECT_EQ(names.mid(names.size() - tail.size()), tail);

    AddressBlockOptions o;
    o.usePhone = true;
    o.useTitle = false;
    o.zipOptions = ZipOptions::zoBeforeCountry;
    o.upperCase = true;
    label.setOptions(o);
    TGDMultiLineAddressLabel copy;
    for (const StreamProperty& p : testing::written(label))
        EXPECT_TRUE(copy.readProperty(p.name, p.value)) << p.name.constData();
    EXPECT_EQ(copy.options(), o);
}

}  // namespace
}  // namespace pc::design
