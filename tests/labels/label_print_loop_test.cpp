#include "labels/label_print_loop.h"

#include <gtest/gtest.h>

#include "print/print_engine.h"

using namespace pc::labels;
using pc::print::Inches;

namespace {

// Records as a list of ZIP codes, in physical order; seeks look them up in
// ZIP order as the index would.
class ListRecords : public LabelRecords {
  public:
    explicit ListRecords(QStringList zips) : zips_(std::move(zips)) {}
    bool atEnd() const override { return at_ >= zips_.size(); }
    void first() override {
        at_ = 0;
        byZip_ = false;
    }
    void next() override {
        if (!byZip_) {
            ++at_;
            return;
        }
        // The next record in ZIP order.
        const QString current = zips_[at_];
        int best = -1;
        for (int i = 0; i < zips_.size(); ++i)
            if ((zips_[i] > current || (zips_[i] == current && i > at_)) &&
                (best < 0 || zips_[i] < zips_[best] || (zips_[i] == zips_[best] && i < best)))
                best = i;
        at_ = best < 0 ? zips_.size() : best;
    }
    void goPastEnd() override { at_ = zips_.size(); }
    QString zip() const override { return atEnd() ? QString() : zips_[at_]; }
    bool seekZip(const QString& code) override {
        byZip_ = true;
        int best = -1;
        for (int i = 0; i < zips_.size(); ++i)
            if (zips_[i] >= code && (best < 0 || zips_[i] < zips_[best])) best = i;
        at_ = best < 0 ? zips_.size() : best;
        return best >= 0;
    }
    int at() const { return at_; }

  private:
    QStringList zips_;
    int at_ = 0;
    bool byZip_ = false;
};

struct Printed {
    int page;
    double x, y;
    QString zip;
};

SheetGeometry threeByTen() {
    SheetGeometry s;
    s.labelWidth = 2.625;
    s.labelHeight = 1;
    s.across = 3;
    s.down = 10;
    s.topMargin = 0.5;
    s.leftMargin = 0.188;
    s.horizontalPitch = 2.75;
    s.verticalPitch = 1;
    return s;
}

LabelPrintSetup sheetSetup() {
    LabelPrintSetup setup;
    setup.sheet = threeByTen();
    setup.positions = PositionMap(30);
    return setup;
}

std::vector<Printed> printAll(LabelPrintSetup setup, ListRecords& records, int* pages = nullptr) {
    std::vector<Printed> printed;
    pc::print::PrintEngine engine;
    LabelPrintLoop loop(std::move(setup), records, [&](pc::print::PageCanvas&, Inches x, Inches y) {
        printed.push_back({engine.pageNumber(), x.value, y.value, records.zip()});
    });
    engine.print = [&](pc::print::PrintEngine& e) { loop.run(e); };
    records.first();
    EXPECT_TRUE(engine.run(pc::print::PrintOutput::Recording));
    if (pages) *pages = static_cast<int>(engine.recording().pages.size());
    return printed;
}

TEST(LabelPrintLoop, OnlyTheMarkedPositionsOfEachSheetAreUsed) {
    LabelPrintSetup setup = sheetSetup();
    setup.positions.setAll(false);
    for (int c = 0; c < 3; ++c) setup.positions.set(c + 9 * 3, true);
    ListRecords records({"1", "2", "3", "4", "5"});
    int pages = 0;
    const auto printed = printAll(setup, records, &pages);
    ASSERT_EQ(printed.size(), 5u);
    EXPECT_EQ(pages, 2);
    for (const Printed& p : printed) EXPECT_DOUBLE_EQ(p.y, 9.5);
    EXPECT_EQ(printed[3].page, 2);
    EXPECT_DOUBLE_EQ(printed[4].x, 0.188 + 2.75);
}

TEST(LabelPrintLoop, CopiesFillConsecutivePositions) {
    LabelPrintSetup setup = sheetSetup();
    setup.copies = 3;
    ListRecords records({"A", "B"});
    const auto printed = printAll(setup, records);
    ASSERT_EQ(printed.size(), 6u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(printed[i].zip, "A");
        EXPECT_DOUBLE_EQ(printed[i].y, 0.5);
        EXPECT_EQ(printed[i + 3].zip, "B");
        EXPECT_DOUBLE_EQ(printed[i + 3].y, 1.5);
    }
}

TEST(LabelPrintLoop, TheExtraGapShiftsTheRightHalf) {
    SheetGeometry sheet = threeByTen();
    sheet.extraX = 0.125;
    EXPECT_DOUBLE_EQ(sheet.originX(0).value, 0.188);
    EXPECT_DOUBLE_EQ(sheet.originX(1).value, 0.188 + 2.75 + 0.125);
    EXPECT_DOUBLE_EQ(sheet.originX(2).value, 0.188 + 5.5 + 0.125);
    EXPECT_DOUBLE_EQ(sheet.originY(5).value, 5.5);
}

TEST(LabelPrintLoop, NothingToPrintGivesNoLabel) {
    LabelPrintSetup setup = sheetSetup();
    ListRecords none({});
    EXPECT_TRUE(printAll(setup, none).empty());
    setup.positions.setAll(false);
    ListRecords some({"1"});
    EXPECT_TRUE(printAll(setup, some).empty());
}

TEST(LabelPrintLoop, PresortPrintsHeadingsThenEachCodesRecords) {
    LabelPrintSetup setup = sheetSetup();
    setup.presort = true;
    setup.presortList = {"** 5-digit 10001", "10001", "** 3-digit 200", "20001", "20005"};
    ListRecords records({"20005", "10001", "20001-1234", "10001-9999", "99999"});
    std::vector<Printed> printed = printAll(setup, records);
    QStringList zips;
    for (const Printed& p : printed) zips << p.zip;
    // Headings take a position each (not reported as labels): 0 and 3.
    EXPECT_EQ(zips, QStringList({"10001", "10001-9999", "20001-1234", "20005"}));
    EXPECT_DOUBLE_EQ(printed[0].x, 0.188 + 2.75);
    EXPECT_DOUBLE_EQ(printed[2].y, 1.5);
    EXPECT_DOUBLE_EQ(printed[2].x, 0.188 + 2.75);
}

TEST(LabelSheet, MiniatureAtOneFifthScale) {
    SheetGeometry sheet = threeByTen();
    sheet.sheetWidth = 8.5;
    sheet.sheetDepth = 11;
    EXPECT_EQ(miniatureSheet(sheet, 96), QRect(10, 10, 163, 211));
    EXPECT_EQ(miniaturePosition(sheet, 2, 1, 96), QRect(3 + 2 * 52 + 10, 9 + 19 + 10, 50, 19));
    PositionMap map(30);
    map.setAll(false);
    EXPECT_FALSE(map.any());
    map.toggle(29);
    EXPECT_TRUE(map.used(29));
    EXPECT_FALSE(map.used(30));
    map.set(500, true);  // outside the sheet: ignored
    EXPECT_EQ(map.size(), 30);
}

}  // namespace
