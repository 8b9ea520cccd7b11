// The envelope windows driven as a user would: Print Envelope with an
// empty and a filled list, the size, feed and pre-print dialogs, the
// designer's zoom, save and size rules, and screenshots on request.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "data/session.h"
#include "design/address_label.h"
#include "design/fim_barcode.h"
#include "design/postnet_barcode.h"
#include "design/table_merge_source.h"
#include "design/text_label.h"
#include "envelopes/envelope_print_run.h"
#include "envelopes/envelope_printer.h"
#include "envelopes/feed_picture.h"
#include "envelopes/ui/choose_envelope_layout.h"
#include "envelopes/ui/envelope_design_screen.h"
#include "envelopes/ui/envelope_feed_dialog.h"
#include "envelopes/ui/envelope_pre_print.h"
#include "envelopes/ui/print_envelopes_window.h"
#include "envelopes_test_support.h"
#include "named_child.h"
#include "print/paper.h"
#include "print/preview_window.h"
#include "print/print_status_window.h"
#include "print_window_support.h"

namespace pc::envelopes {
namespace {

using pc::test::named;

using FakeHost = pc::test::StillSessionHost;
using ModalCloser = pc::test::PrintWindowCloser;

class EnvelopeWindowsTest : public pc::test::EnvelopeTableTest {
  protected:
    void SetUp() override {
        EnvelopeTableTest::SetUp();
        openAddress(addresses, newAddressTable());
        add(addresses, "Adams", "Ann", "12345");
        add(addresses, "Baker", "Bob", "23456");
        add(addresses, "Clark", "Cy", "34567");
        addresses.first();
    }
    void TearDown() override {
        addresses.close();
        EnvelopeTableTest::TearDown();
    }
    // A layout row with a return address, an address block and barcodes.
    void addLayout(const QString& description, int code, const QString& file) {
        addRow(description, code, file);
        TEnvelopePanel panel;
        auto text = std::make_unique<design::TGPLabel>();
        text->setCaption("Postcraft Inc.");
        text->setBounds(10, 10, 150, 20);
        panel.addObject(std::move(text));
        auto block = std::make_unique<design::TGDMultiLineAddressLabel>();
        block->setBounds(380, 170, 300, 90);
        panel.addObject(std::move(block));
        auto fim = std::make_unique<design::TGFIMBarCode>();
        fim->setBounds(650, 0, 60, 60);
        panel.addObject(std::move(fim));
        ASSERT_TRUE(panel.saveLayout(sysdata + file));
        table.first();
    }
    std::unique_ptr<TPKEnvelopes> window() {
        auto w = std::make_unique<TPKEnvelopes>(session, table, false);
        w->confirmPrint = [](EnvelopeFeed&) { return true; };
        return w;
    }

    data::TTable addresses;
    data::TApollo engine{&addresses};
    FakeHost host;
    data::Session session{addresses, engine, host};
};

TEST_F(EnvelopeWindowsTest, EmptyTableDisablesRowButtonsAndNewAddsTheFirstRow) {
    auto w = window();
    w->show();
    for (const char* name : {"ModifyButton", "CloneButton", "DeleteButton", "PrintButton",
                             "PreviewButton", "LayoutGrid"})
        EXPECT_FALSE(named<QWidget>(*w, name)->isEnabled()) << name;
    EXPECT_TRUE(named<QWidget>(*w, "NewButton")->isEnabled());
    EXPECT_EQ(w->current().code, 20);
    EXPECT_EQ(w->whatToPrint(), TPKEnvelopes::WhatToPrint::CurrentOnly);
    EXPECT_FALSE(named<QWidget>(*w, "MatchingRecords")->isEnabled());
    EXPECT_EQ(named<QLineEdit>(*w, "LNAME")->text(), "Adams");

    // New: the size dialog (C4), then the designer saves.
    QTimer::singleShot(0, [] {
        auto* size = qobject_cast<TChooseEnvelopeLayout*>(QApplication::activeModalWidget());
        ASSERT_NE(size, nullptr);
        size->list()->setCurrentRow(7);
        size->accept();
    });
    EnvelopeDefinition designed;
    w->runDesigner = [&](TEnvelopePanel& panel, EnvelopeDefinition& d) {
        designed = d;
        EXPECT_EQ(panel.objects().size(), 0u);
        d.description = QString(60, 'x');
        return true;
    };
    w->NewButtonClick();
    EXPECT_EQ(designed.code, 30);
    EXPECT_EQ(designed.description, "<New envelope>");
    EXPECT_EQ(rows(), 1);
    EXPECT_TRUE(named<QWidget>(*w, "ModifyButton")->isEnabled());
    EXPECT_EQ(w->current().description, QString(50, 'x'));
    EXPECT_EQ(w->current().code, 30);
    EXPECT_TRUE(QFile::exists(sysdata + "BIN00001.E"));
    // The reduced picture: 0.3 of 12.96 x 9.16 inches.
    EXPECT_EQ(w->displayPanel().size(), QSize(373, 264));
}

TEST_F(EnvelopeWindowsTest, OnlyCurrentPreviewsOnePageAllRecordsEvery) {
    addLayout("Home", 20, "BIN00001.E");
    auto w = window();
    w->show();
    EXPECT_EQ(w->displayPanel().objects().size(), 3u);
    ModalCloser closer;
    w->RecordButtonClick(2);
    EXPECT_EQ(named<QLineEdit>(*w, "LNAME")->text(), "Baker");
    EXPECT_TRUE(w->PrintEnvelopes(true));
    EXPECT_EQ(closer.previewPages, 1);
    EXPECT_EQ(closer.caption, "Preview Envelope");
    EXPECT_EQ(addresses.recNo(), 2);

    w->setWhatToPrint(TPKEnvelopes::WhatToPrint::All);
    EXPECT_TRUE(w->PrintEnvelopes(true));
    EXPECT_EQ(closer.previewPages, 3);

    // Cancel in the pre-print window prints nothing and writes no settings.
    w->confirmPrint = [](EnvelopeFeed&) { return false; };
    closer.previewPages = -1;
    EXPECT_FALSE(w->PrintEnvelopes(true));
    EXPECT_EQ(closer.previewPages, -1);

    QFile::remove(sysdata + "BIN00001.E");
    w->confirmPrint = [](EnvelopeFeed&) { return true; };
    EXPECT_FALSE(w->PrintEnvelopes(true));
    EXPECT_EQ(messages->texts().last(),
              "Envelope definition file has been removed from the sysdata directory");
}

TEST_F(EnvelopeWindowsTest, SizeDialogSelectsTheCodeOrTheFirstRow) {
    TChooseEnvelopeLayout known(35);
    known.show();
    EXPECT_EQ(known.list()->currentRow(), 12);
    EXPECT_EQ(known.list()->count(), 16);
    EXPECT_EQ(known.list()->item(6)->text(), "Envelope C5 162 x 229 mm ");
    EXPECT_EQ(known.code(), 35);
    TChooseEnvelopeLayout unknown(99);
    unknown.show();
    EXPECT_EQ(unknown.list()->currentRow(), 0);
    EXPECT_EQ(unknown.code(), 19);
    unknown.list()->setCurrentRow(-1);
    EXPECT_EQ(unknown.code(), 99);
}

TEST_F(EnvelopeWindowsTest, FeedDialogButtonsChangeTheFeedAndPicture) {
    EnvelopeFeed start;  // landscape, down, centre
    TEnvelopeFeed dialog(start);
    dialog.show();
    auto* clockwise = named<QCheckBox>(dialog, "ClockwiseCheck");
    EXPECT_TRUE(clockwise->isVisible());
    const QImage before = dialog.picture()->pixmap().toImage();
    named<QPushButton>(dialog, "PortraitButton")->click();
    EXPECT_FALSE(clockwise->isVisible());
    named<QPushButton>(dialog, "LeftButton")->click();
    named<QPushButton>(dialog, "UpButton")->click();
    EXPECT_EQ(dialog.feed().orientation, EnvelopeFeed::Portrait);
    EXPECT_EQ(dialog.feed().position, EnvelopeFeed::Left);
    EXPECT_EQ(dialog.feed().facing, EnvelopeFeed::FaceUp);
    EXPECT_NE(dialog.picture()->pixmap().toImage(), before);
    named<QPushButton>(dialog, "LandscapeButton")->click();
    EXPECT_TRUE(clockwise->isVisible());
    clockwise->click();
    EXPECT_TRUE(dialog.feed().clockwise);
}

TEST(EnvelopeFeedPicture, EveryFeedDrawsItsOwnPicture) {
    std::vector<QImage> pictures;
    for (int o : {0, 1})
        for (int f : {0, 1})
            for (int p : {0, 1, 2})
                for (bool cw : {false, true}) {
                    if (o == EnvelopeFeed::Portrait && cw) continue;
                    EnvelopeFeed feed{o, f, p, cw};
                    const QRect r = feedEnvelopeRect(feed);
                    EXPECT_EQ(r.top(), 2);
                    const QImage image = feedPicture(feed);
                    for (const QImage& other : pictures) EXPECT_NE(image, other);
                    pictures.push_back(image);
                }
    EXPECT_EQ(pictures.size(), 18u);
    EXPECT_EQ(feedEnvelopeRect({1, 1, EnvelopeFeed::Left, false}).left(), 22);
    EXPECT_EQ(feedEnvelopeRect({1, 1, EnvelopeFeed::Right, false}).right() + 1,
              kFeedPictureWidth - 22);
}

TEST_F(EnvelopeWindowsTest, PrePrintWarnsWhenThePaperIsNotTheEnvelope) {
    print::PrintEngine printer;
    EnvelopeFeed feed;
    setEnvelopePaper(printer, 20, feed);
    TEnvelopePrePrint fits(printer, 20, feed);
    fits.show();
    EXPECT_FALSE(fits.warningShown());
    EXPECT_EQ(named<QLabel>(fits, "OrientationValue")->text(), "Landscape");
    EXPECT_EQ(named<QLabel>(fits, "PaperValue")->text(), "Envelope #10 4 1/8 x 9 1/2 inches");
    EXPECT_EQ(named<QLabel>(fits, "FeedText")->text(),
              "Position: Center\nOrientation : Landscape\nFacing Down");
    printer.setPaperCode(print::kPaperLetter);
    TEnvelopePrePrint letter(printer, 20, feed);
    letter.show();
    EXPECT_TRUE(letter.warningShown());
}

TEST_F(EnvelopeWindowsTest, PreferencesRoundTripThroughTheSettingsFile) {
    print::PrintEngine printer;
    printer.setPaperCode(28);
    printer.setOrientation(QPageLayout::Portrait);
    EnvelopeFeed feed{0, 0, 1, false};
    ASSERT_TRUE(saveEnvelopePreferences(printer, feed, text::settingsPath()));
    print::PrintEngine again;
    EXPECT_EQ(loadEnvelopePreferences(again, text::settingsPath()), feed);
    EXPECT_EQ(again.paperCode(), 28);
    EXPECT_EQ(again.orientation(), QPageLayout::Portrait);
    EXPECT_EQ(again.printerName(), printer.printerName());
}

class EnvelopeDesignerTest : public EnvelopeWindowsTest {
  protected:
    EnvelopeDefinition definition() {
        EnvelopeDefinition d;
        d.description = "Home";
        d.setCode(20);
        return d;
    }
    TEnvelopePanel panel;
};

TEST_F(EnvelopeDesignerTest, ZoomStepsStopAtSixtyAndHundredForty) {
    TEnvelopeDesignScreen designer(panel, definition(), &addresses);
    designer.show();
    EXPECT_EQ(designer.zoomCaption(), "100%");
    EXPECT_EQ(panel.size(), QSize(912, 396));
    for (int i = 0; i < 5; ++i) designer.ZoomInClick();
    EXPECT_EQ(designer.zoomCaption(), "140%");
    for (int i = 0; i < 9; ++i) designer.ZoomOutClick();
    EXPECT_EQ(designer.zoomCaption(), "60%");
    EXPECT_FALSE(designer.saveVisible());  // zooming is no edit
}

TEST_F(EnvelopeDesignerTest, SaveCutsTheDescriptionAndChangeSizePullsObjectsBack) {
    auto text = std::make_unique<design::TGPLabel>();
    text->setBounds(800, 350, 80, 20);
    panel.addObject(std::move(text));
    TEnvelopeDesignScreen designer(panel, definition(), &addresses);
    designer.show();
    EXPECT_FALSE(designer.saveVisible());
    designer.applySize(38);  // 6 3/4: 624 x 348
    EXPECT_TRUE(designer.saveVisible());
    EXPECT_EQ(panel.size(), QSize(624, 348));
    EXPECT_EQ(panel.objects()[0]->bounds().topLeft(), QPoint(604, 338));
    auto* description = named<QLineEdit>(designer, "DescriptionEdit");
    description->setText(QString(60, 'd'));
    designer.SaveButtonClick();
    EXPECT_EQ(designer.result(), QDialog::Accepted);
    EXPECT_EQ(designer.definition().description, QString(50, 'd'));
    EXPECT_EQ(designer.definition().code, 38);
}

TEST_F(EnvelopeDesignerTest, ToolsCreateEnvelopeObjects) {
    TEnvelopeDesignScreen designer(panel, definition(), &addresses);
    designer.show();
    designer.ToolButtonClick(TLPanelState::psFIMBarCode);
    panel.mousePress(QPoint(600, 2), Qt::LeftButton, false, 0);
    panel.mouseMove(QPoint(603, 5), 100);
    panel.mouseRelease(QPoint(603, 5), false, 200);
    ASSERT_EQ(panel.objects().size(), 1u);
    EXPECT_STREQ(panel.objects()[0]->className(), "TGFIMBarCode");
    EXPECT_TRUE(panel.pointing());  // back to the selection tool after the drop
    designer.ToolButtonClick(TLPanelState::psPostNetBarCode);
    panel.createObject(QRect(100, 300, 300, 20));
    EXPECT_STREQ(panel.objects()[1]->className(), "TGPostNetBarCode");
    designer.ToolButtonClick(TLPanelState::psIMBarCode);
    panel.createObject(QRect(100, 330, 300, 20));
    EXPECT_STREQ(panel.objects()[2]->className(), "TGIMBarCode");
    EXPECT_TRUE(designer.saveVisible());
}

TEST_F(EnvelopeWindowsTest, Screenshots) {
    const QByteArray dir = qgetenv("PC_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "PC_SCREENSHOT_DIR is not set";
    const QString out = QString::fromLocal8Bit(dir) + '/';
    QDir().mkpath(out);
    addLayout("Home", 20, "BIN00001.E");
    auto w = window();
    w->show();
    QApplication::processEvents();
    w->grab().save(out + "print-envelope.png");

    TEnvelopePanel panel;
    design::TableMergeSource source(addresses);
    panel.setMergeSource(&source);
    panel.loadLayout(sysdata + "BIN00001.E");
    panel.setPrinterGeometry(PrinterGeometry::fromInches(0.25, 0.25, 0.25, 0.25, 9.5, 4.125));
    EnvelopeDefinition d;
    d.description = "Home";
    TEnvelopeDesignScreen designer(panel, d, &addresses);
    designer.show();
    named<QAbstractButton>(designer, "TemplateButton")->click();
    named<QAbstractButton>(designer, "MarginsButton")->click();
    QApplication::processEvents();
    designer.grab().save(out + "envelope-designer.png");

    TEnvelopeFeed feed(EnvelopeFeed{});
    feed.show();
    feed.grab().save(out + "envelope-feed.png");
    print::PrintEngine printer;
    printer.setPaperCode(print::kPaperLetter);
    TEnvelopePrePrint pre(printer, 20, EnvelopeFeed{0, 0, 1, false});
    pre.show();
    pre.grab().save(out + "envelope-pre-print.png");
    QImage all(4 * kFeedPictureWidth, 5 * kFeedPictureHeight, QImage::Format_RGB32);
    all.fill(Qt::white);
    {
        QPainter p(&all);
        int n = 0;
        for (int o : {0, 1})
            for (int f : {0, 1})
                for (int pos : {0, 1, 2})
                    for (bool cw : {false, true}) {
                        if (o == 0 && cw) continue;
                        p.drawImage((n % 4) * kFeedPictureWidth, (n / 4) * kFeedPictureHeight,
                                    feedPicture({o, f, pos, cw}));
                        ++n;
                    }
    }
    all.save(out + "feed-pictures.png");

    // The preview of every record on letter paper fed across.
    EnvelopePrintChoices choices;
    choices.records = EnvelopePrintChoices::Records::All;
    choices.preview = true;
    choices.feed.facing = EnvelopeFeed::FaceUp;
    EnvelopeDefinition home;
    home.layoutFile = "BIN00001.E";
    print::PrintEngine recorder;
    recorder.setPaperCode(print::kPaperLetter);
    recorder.setOrientation(QPageLayout::Landscape);
    {
        EnvelopePrintRun run(addresses, engine, home, sysdata, choices);
        ASSERT_TRUE(run.ready());
        recorder.print = [&run](print::PrintEngine& e) { run.print(e); };
        ASSERT_TRUE(recorder.run(print::PrintOutput::Recording));
    }
    print::PreviewWindow preview(recorder.recording(), "Preview Envelope");
    preview.resize(900, 760);
    preview.show();
    preview.fitPage();
    preview.grab().save(out + "envelope-preview.png");
}

}  // namespace
}  // namespace pc::envelopes
