#include "labels/ui/print_labels_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "data/session.h"
#include "design/address_label.h"
#include "design/label_panel.h"
#include "labels/label_print_run.h"
#include "labels/ui/label_positions_dialog.h"
#include "labels/ui/label_template_dialog.h"
#include "labels_test_support.h"
#include "named_child.h"
#include "print/preview_window.h"
#include "print/print_status_window.h"
#include "print_window_support.h"

namespace pc::labels {
namespace {

using pc::test::named;

using FakeHost = pc::test::StillSessionHost;
using ModalCloser = pc::test::PrintWindowCloser;

class PrintLabelsTest : public pc::test::LabelTableTest {
  protected:
    void SetUp() override {
        LabelTableTest::SetUp();
        openAddress(addresses, newAddressTable());
        for (int i = 0; i < 40; ++i)
            add(addresses, QString("Name%1").arg(i, 2, 10, QChar('0')), "Ann", "12345");
        addresses.first();
        // One layout: Avery 5160 with an address block.
        LabelDefinition d = newLabelDefinition();
        d.description = "Address labels";
        d.layoutFile = "BIN00001.L";
        table.insert();
        writeLabelDefinition(d, table);
        table.post();
        design::TGLabelPanel panel;
        auto block = std::make_unique<design::TGDMultiLineAddressLabel>();
        block->setBounds(5, 5, 240, 60);
        panel.addObject(std::move(block));
        ASSERT_TRUE(panel.saveLayout(sysdata + "BIN00001.L"));
        table.first();
    }
    void TearDown() override {
        addresses.close();
        LabelTableTest::TearDown();
    }

    data::TTable addresses;
    data::TApollo engine{&addresses};
    FakeHost host;
    data::Session session{addresses, engine, host};
};

TEST_F(PrintLabelsTest, ShowsTheLayoutAndPrintsEveryRecordToPdf) {
    TPrintLabels window(session, table, false);
    window.show();
    EXPECT_EQ(named<QLineEdit>(window, "SheetName")->text(), "Avery 5160  Address");
    EXPECT_EQ(named<QLineEdit>(window, "Across")->text(), "3");
    EXPECT_FALSE(named<QAbstractButton>(window, "MatchingRecords")->isEnabled());
    EXPECT_EQ(window.whatToPrint(), TPrintLabels::WhatToPrint::All);
    ASSERT_TRUE(window.engine().pdfPrinter());

    ModalCloser closer;
    const QString pdf = folder() + "labels.pdf";
    EXPECT_TRUE(window.PrintLabels(false, pdf));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(addresses.recNo(), 1);  // the record is restored

    // Forty records on thirty-label sheets preview as two pages.
    EXPECT_TRUE(window.PrintLabels(true));
    EXPECT_EQ(closer.previewPages, 2);
}

TEST_F(PrintLabelsTest, OnlyTheCurrentRecordAndAMissingLayoutFile) {
    TPrintLabels window(session, table, false);
    window.show();
    ModalCloser closer;
    addresses.next();
    addresses.next();
    window.setWhatToPrint(TPrintLabels::WhatToPrint::CurrentOnly);
    EXPECT_TRUE(window.PrintLabels(true));
    EXPECT_EQ(closer.previewPages, 1);
    EXPECT_EQ(addresses.recNo(), 3);

    QFile::remove(sysdata + "BIN00001.L");
    EXPECT_FALSE(window.PrintLabels(true));
    EXPECT_EQ(messages->texts().last(),
              "Label definition file has been removed from the sysdata directory");
}

TEST_F(PrintLabelsTest, PresortWritesTheOrderAndPrintsAHeadingFirst) {
    add(addresses, "Zed", "Zoe", "K1A 0B1");  // no key: left out of a presorted run
    addresses.first();
    TPrintLabels window(session, table, false);
    window.show();
    ModalCloser closer;
    named<QAbstractButton>(window, "PresortCheck")->setChecked(true);
    EXPECT_TRUE(window.PrintLabels(true));
    QFile file(pc::text::homeDir() + "PRESORT.PSL");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "** 5-digit 12345\r\n12345\r\n");
    EXPECT_EQ(messages->texts().last(),
              "Labels will print/preview in the following order:\r\n  1. 5-Digit presort\r\n  "
              "2. 3-Digit presort\r\n  3. ADC presort");
    // The heading and forty labels: two sheets.
    EXPECT_EQ(closer.previewPages, 2);

    // Only the current record cannot be presorted.
    window.setWhatToPrint(TPrintLabels::WhatToPrint::CurrentOnly);
    EXPECT_FALSE(named<QAbstractButton>(window, "PresortCheck")->isChecked());
    EXPECT_FALSE(named<QAbstractButton>(window, "PresortCheck")->isEnabled());
}

TEST_F(PrintLabelsTest, PositionsNeedAtLeastOneCard) {
    SheetGeometry sheet = SheetGeometry::of(newLabelDefinition());
    print::PrintEngine engine;
    TLabelPositionsDialog dialog(sheet, PositionMap(30), engine, 1, false);
    dialog.NoneButtonClick();
    dialog.OkButtonClick();
    EXPECT_EQ(messages->texts().last(), "You must select at least one card to print");
    dialog.clickAt(miniaturePosition(sheet, 1, 0, 96).center());
    EXPECT_TRUE(dialog.positions().used(1));
    dialog.OkButtonClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(PrintLabelsTest, LetterLandscapeLiesAcrossThePrinter) {
    LabelDefinition layout = readLabelDefinition(table);
    layout.paperSize = "LTRL";
    layout.sheetWidth = 11;
    layout.sheetDepth = 8.5f;
    LabelPrintChoices choices;
    choices.records = LabelPrintChoices::Records::All;
    choices.positions = PositionMap(30);
    print::PrintEngine recorder;
    {
        LabelPrintRun run(addresses, engine, layout, sysdata, choices, recorder);
        ASSERT_TRUE(run.ready());  // letter paper confirms 8.5 by 11 in turned
        recorder.print = [&run](print::PrintEngine& e) { run.print(e); };
        ASSERT_TRUE(recorder.run(print::PrintOutput::Recording));
        EXPECT_EQ(run.labelsPrinted(), 40);
    }
    EXPECT_EQ(recorder.orientation(), QPageLayout::Landscape);
    EXPECT_NEAR(recorder.recording().pageSize.width.value, 11, 0.01);
    EXPECT_NEAR(recorder.recording().pageSize.height.value, 8.5, 0.01);
    EXPECT_TRUE(messages->texts().isEmpty());
}

// The windows for a look, with PC_SCREENSHOT_DIR set.
TEST_F(PrintLabelsTest, Screenshots) {
    const QByteArray dir = qgetenv("PC_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "PC_SCREENSHOT_DIR is not set";
    const QString out = QString::fromLocal8Bit(dir) + '/';
    QDir().mkpath(out);
    TPrintLabels window(session, table, true);
    window.show();
    window.grab().save(out + "print-labels.png");
    print::PrintEngine printers;
    TLabelPositionsDialog positions(SheetGeometry::of(newLabelDefinition()), PositionMap(30),
                                    printers, 1, false);
    positions.show();
    positions.grab().save(out + "label-positions.png");

    // The status window of a print run.
    QTimer grabber;
    grabber.setInterval(1);
    QObject::connect(&grabber, &QTimer::timeout, [&] {
        if (auto* status =
                qobject_cast<print::PrintStatusWindow*>(QApplication::activeModalWidget())) {
            status->grab().save(out + "print-status.png");
            grabber.stop();
        }
    });
    grabber.start();
    {
        ModalCloser closer;
        window.PrintLabels(false, folder() + "screenshot.pdf");
    }

    // A preview of every record.
    print::PrintEngine recorder;
    LabelPrintChoices choices;
    choices.records = LabelPrintChoices::Records::All;
    choices.positions = PositionMap(30);
    {
        LabelPrintRun run(addresses, engine, readLabelDefinition(table), sysdata, choices,
                          recorder);
        ASSERT_TRUE(run.ready());
        recorder.print = [&run](print::PrintEngine& e) { run.print(e); };
        ASSERT_TRUE(recorder.run(print::PrintOutput::Recording));
    }
    print::PreviewWindow preview(recorder.recording(), "Preview Labels");
    preview.resize(700, 820);
    preview.show();
    preview.fitPage();
    preview.grab().save(out + "label-preview.png");
}

}  // namespace
}  // namespace pc::labels
