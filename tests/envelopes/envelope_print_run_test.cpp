// The envelope print run over an address table: one envelope per page,
// the chosen records, the feed's offsets, and the table put back.
#include "envelopes/envelope_print_run.h"

#include "data/engine_setting_guards.h"
#include "design/data_label.h"
#include "design/layout_stream.h"
#include "envelopes_test_support.h"
#include "print/paper.h"
#include "print/print_engine.h"

namespace pc::envelopes {
namespace {

class EnvelopePrintRunTest : public pc::test::EnvelopeTableTest {
  protected:
    void SetUp() override {
        EnvelopeTableTest::SetUp();
        openAddress(addresses, newAddressTable());
        add(addresses, "Adams", "Ann", "12345");
        add(addresses, "Baker", "Bob", "23456");
        add(addresses, "Clark", "Cy", "34567");
        add(addresses, "Drake", "Di", "45678");
        engine = std::make_unique<data::TApollo>(&addresses);
        engine->go(2);
        addresses.edit();
        addresses.fieldByName("ISDEL").setAsBoolean(true);
        addresses.post();
        addresses.first();

        design::TGPDLabel name;
        name.setDataFieldName("LNAME");
        name.setBounds(96, 48, 200, 20);
        ASSERT_TRUE(design::writeLayoutFile(sysdata + "BIN00001.E", {&name}));
        envelope.description = "Home";
        envelope.layoutFile = "BIN00001.E";
        envelope.setCode(20);
    }
    void TearDown() override {
        engine.reset();
        addresses.close();
        EnvelopeTableTest::TearDown();
    }

    // Runs a recording job; the pages and the names merged on them.
    int record(EnvelopePrintChoices choices, QStringList* names = nullptr,
               EnvelopeOffsets* offsets = nullptr) {
        EnvelopePrintRun run(addresses, *engine, envelope, sysdata, choices);
        if (!run.ready()) return -1;
        if (run.nothingToPrint()) return 0;
        print::PrintEngine printer;
        setEnvelopePaper(printer, envelope.code, choices.feed);
        printer.beforePrint = [&](print::PrintEngine& e) { run.beforePrint(e); };
        printer.print = [&](print::PrintEngine& e) {
            run.print(e, [&] {
                if (names) names->append(text(addresses, "LNAME").trimmed());
                return true;
            });
        };
        EXPECT_TRUE(printer.run(print::PrintOutput::Recording));
        if (offsets) *offsets = run.offsets();
        return static_cast<int>(printer.recording().pages.size());
    }

    data::TTable addresses;
    std::unique_ptr<data::TApollo> engine;
    EnvelopeDefinition envelope;
};

TEST_F(EnvelopePrintRunTest, OnlyCurrentPrintsOneAndLeavesTheFilter) {
    engine->go(3);
    addresses.resync();
    data::QuerySetting filter(*engine, "LNAME <> 'Drake'");
    EnvelopePrintChoices choices;
    choices.records = EnvelopePrintChoices::Records::CurrentOnly;
    EXPECT_EQ(record(choices), 1);
    EXPECT_EQ(addresses.recNo(), 3);
    EXPECT_EQ(engine->queryRecCount(), 3);
}

TEST_F(EnvelopePrintRunTest, AllRecordsSkipsThoseMarkedDeleted) {
    data::QuerySetting filter(*engine, "LNAME = 'Baker' .or. LNAME = 'Clark'");
    EnvelopePrintChoices choices;
    choices.records = EnvelopePrintChoices::Records::All;
    QStringList names;
    EXPECT_EQ(record(choices), 3);
    choices.records = EnvelopePrintChoices::Records::MatchingFilter;
    EXPECT_EQ(record(choices, &names), 2);
    ASSERT_EQ(names.size(), 2);
    EXPECT_EQ(names.first(), "Clark");  // after Baker
    // The filter came back.
    EXPECT_EQ(engine->queryRecCount(), 2);
}

TEST_F(EnvelopePrintRunTest, StartFromCurrentOutsideTheSetStartsAtTheFirst) {
    engine->go(2);  // Baker, marked deleted
    addresses.resync();
    EnvelopePrintChoices choices;
    choices.records = EnvelopePrintChoices::Records::All;
    choices.startFromCurrent = true;
    EXPECT_EQ(record(choices), 3);
    ASSERT_FALSE(messages->texts().isEmpty());
    EXPECT_EQ(messages->texts().last(),
              "Current record is out of range. Starting with first record");
    EXPECT_EQ(addresses.recNo(), 2);

    engine->go(3);
    addresses.resync();
    EXPECT_EQ(record(choices), 2);  // Clark, Drake
}

TEST_F(EnvelopePrintRunTest, EmptySetPrintsNoPage) {
    data::QuerySetting filter(*engine, "LNAME = 'Nobody'");
    EnvelopePrintChoices choices;
    choices.records = EnvelopePrintChoices::Records::MatchingFilter;
    EXPECT_EQ(record(choices), 0);
}

TEST_F(EnvelopePrintRunTest, MissingLayoutFileIsReportedAndNothingMoves) {
    QFile::remove(sysdata + "BIN00001.E");
    engine->go(3);
    addresses.resync();
    EnvelopePrintChoices choices;
    choices.records = EnvelopePrintChoices::Records::All;
    EXPECT_EQ(record(choices), -1);
    EXPECT_EQ(messages->texts().last(),
              "Envelope definition file has been removed from the sysdata directory");
    EXPECT_EQ(addresses.recNo(), 3);
}

TEST_F(EnvelopePrintRunTest, EnvelopePaperGetsNoOffsetLetterDoes) {
    EnvelopePrintChoices choices;
    EnvelopeOffsets offsets;
    record(choices, nullptr, &offsets);
    EXPECT_EQ(offsets.x, 0);
    EXPECT_EQ(offsets.y, 0);

    // On letter paper lying across: the #10 example of the feed table.
    print::PrintEngine printer;
    printer.setPaperCode(print::kPaperLetter);
    printer.setOrientation(QPageLayout::Landscape);
    choices.feed.facing = EnvelopeFeed::FaceUp;
    EnvelopePrintRun upRun(addresses, *engine, envelope, sysdata, choices);
    printer.print = [&](print::PrintEngine& e) { upRun.print(e); };
    ASSERT_TRUE(printer.run(print::PrintOutput::Recording));
    EXPECT_FLOAT_EQ(upRun.offsets().x, 1.5f);
    EXPECT_FLOAT_EQ(upRun.offsets().y, 2.1875f);
}

}  // namespace
}  // namespace pc::envelopes
