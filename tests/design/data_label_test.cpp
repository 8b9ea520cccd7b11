// Merging a field of the current record into a data object, and the
// counter's numbering across printed labels.
#include "design/data_label.h"

#include <gtest/gtest.h>

#include "design/counter_label.h"
#include "design/object_registry.h"
#include "design/property_writer.h"
#include "design_test_host.h"

using namespace pc::design;
using pc::design::testing::MapMergeSource;
using pc::design::testing::TestHost;

namespace {

class DataLabelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        record.add("LNAME", "Last Name", "Miller   ");
        record.add("CITY", "City", "    ");
        record.add("USER1", "Comment 1", "first");
        record.add("USER2", "Comment 1", "second");  // a duplicated label: the last wins
        host.source = &record;
        label.setHost(&host);
    }
    QString merged(const QString& descript) {
        label.setDataFieldDescript(descript);
        label.refreshData();
        return label.caption();
    }

    MapMergeSource record;
    TestHost host;
    TGPDLabel label;
};

}  // namespace

TEST_F(DataLabelTest, ShowsValuesWithoutTrailingBlanksMatchedByDisplayLabel) {
    EXPECT_EQ(merged("Last Name"), "Miller");
    EXPECT_EQ(merged("Comment 1"), "second");
    // The field name is not what binds the object.
    label.setDataFieldName("LNAME");
    EXPECT_EQ(merged("LNAME"), "<undefined field>");
}

TEST_F(DataLabelTest, PlaceholdersOnScreenOnly) {
    EXPECT_EQ(merged("City"), "<blank field>");
    EXPECT_EQ(merged(""), "<undefined field>");
    EXPECT_EQ(merged("Renamed"), "<undefined field>");

    host.isPrinting = true;
    EXPECT_EQ(merged("City"), "");  // all blanks print nothing
    label.setCaption("kept");
    EXPECT_EQ(merged("Renamed"), "kept");  // printing leaves an unknown field's caption
    EXPECT_EQ(merged("Last Name"), "Miller");
}

TEST_F(DataLabelTest, FieldNamesInBracketsUnlessPrinting) {
    host.showValues = false;
    EXPECT_EQ(merged("Last Name"), "[Last Name]");
    host.isPrinting = true;
    EXPECT_EQ(merged("Last Name"), "Miller");
}

TEST_F(DataLabelTest, NoBoundRecordIsAnUndefinedField) {
    host.source = nullptr;
    EXPECT_EQ(merged("Last Name"), "<undefined field>");
}

TEST_F(DataLabelTest, ClearDataDropsTheMergedTextBeforeSaving) {
    merged("Last Name");
    label.setDataFieldName("LNAME");
    label.clearData();
    PropertyWriter out;
    label.writeProperties(out);
    const auto props = out.take();
    std::vector<QByteArray> tail;
    for (const auto& p : props) tail.push_back(p.name);
    EXPECT_EQ(std::count(tail.begin(), tail.end(), "Caption"), 0);
    ASSERT_GE(tail.size(), 3u);
    // LengthOfText has no default: always written, last.
    EXPECT_EQ(tail.back(), "LengthOfText");
    EXPECT_EQ(tail[tail.size() - 3], "DataFieldName");
}

TEST(CounterLabel, RepeatsEachNumberThenAdvances) {
    TGCounterLabel counter;
    counter.setTextBefore("No. ");
    counter.setLeadingZeros(3);
    counter.setRepeatEach(3);
    counter.setStartingNumber(7);
    QStringList printed;
    for (int i = 0; i < 4; ++i) {
        printed << counter.layout().text;
        counter.nextCounter();
    }
    EXPECT_EQ(printed, QStringList({"No. 007", "No. 007", "No. 007", "No. 008"}));
    counter.resetCounter();
    EXPECT_EQ(counter.counterText(), "No. 007");
}

TEST(CounterLabel, ARepeatOfZeroNeverAdvancesAndTheLastNumberDoesNotWrap) {
    TGCounterLabel counter;
    counter.setRepeatEach(0);
    for (int i = 0; i < 5; ++i) counter.nextCounter();
    EXPECT_EQ(counter.currentNumber(), 1);
    counter.setRepeatEach(1);
    counter.setStartingNumber(std::numeric_limits<qint32>::max());
    counter.nextCounter();
    EXPECT_EQ(counter.currentNumber(), std::numeric_limits<qint32>::max());
    counter.setStartingNumber(-4);
    counter.setLeadingZeros(3);
    EXPECT_EQ(counter.counterText(), "-004");
}

TEST(CounterLabel, AReadCounterWritesItsStoredCaptionBack) {
    TGCounterLabel counter;
    counter.setLoading(true);
    counter.readProperty("Caption", StreamValue::makeString("No. 008"));
    counter.readProperty("TextBefore", StreamValue::makeString("No. "));
    counter.readProperty("Startingnumber", StreamValue::makeInteger(7));
    counter.readProperty("LeadingZeros", StreamValue::makeInteger(3));
    counter.setLoading(false);
    EXPECT_EQ(counter.caption(), "No. 008");
    EXPECT_EQ(counter.layout().text, "No. 007");  // painting shows the counter's own number
}

TEST(CounterLabel, CountsAreAlwaysWrittenAndHostileOnesBounded) {
    TGCounterLabel counter;
    PropertyWriter out;
    counter.writeProperties(out);
    std::vector<QByteArray> names;
    for (const auto& p : out.take()) names.push_back(p.name);
    const std::vector<QByteArray> tail(names.end() - 3, names.end());
    EXPECT_EQ(tail, (std::vector<QByteArray>{"Startingnumber", "RepeatEach", "LeadingZeros"}));

    EXPECT_TRUE(counter.readProperty("LeadingZeros", StreamValue::makeInteger(1'000'000)));
    EXPECT_LE(counter.counterText().size(), 40);
    EXPECT_TRUE(counter.readProperty("Startingnumber", StreamValue::makeString("x")));
    EXPECT_EQ(counter.startingNumber(), 1);
}

TEST(TextObjects, RegisteredWhereTheirLayoutsAllowThem) {
    EXPECT_TRUE(createObject(LayoutKind::Label, "TGCounterLabel"));
    EXPECT_TRUE(createObject(LayoutKind::Label, "TGSymbolLabel"));
    EXPECT_TRUE(createObject(LayoutKind::Envelope, "TGPDLabel"));
    EXPECT_FALSE(createObject(LayoutKind::Envelope, "TGCounterLabel"));
    EXPECT_FALSE(createObject(LayoutKind::Envelope, "TGSymbolLabel"));
    EXPECT_TRUE(createObject(LayoutKind::Report, "TGSymbolLabel"));
    EXPECT_FALSE(createObject(LayoutKind::Report, "TGCounterLabel"));
}
