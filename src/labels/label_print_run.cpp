#include "labels/label_print_run.h"

#include <QFileInfo>
#include <cmath>

#include "data/engine_setting_guards.h"
#include "data/record_lookup.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "labels/label_layout_operations.h"
#include "print/paper.h"
#include "print/print_engine.h"
#include "text/message_service.h"

namespace pc::labels {
namespace {

// The chosen records in print order, for the print loop.
class TableLabelRecords : public LabelRecords {
  public:
    TableLabelRecords(data::TTable& table, data::TApollo& engine)
        : table_(table), engine_(engine) {}
    bool atEnd() const override { return table_.eof(); }
    void first() override { table_.first(); }
    void next() override { table_.next(); }
    void goPastEnd() override {
        table_.last();
        table_.next();
    }
    QString zip() const override {
        const data::TField* zip = table_.findField(QStringLiteral("ZIP"));
        return zip ? zip->text() : QString();
    }
    bool seekZip(const QString& code) override {
        engine_.seek(code);
        return !table_.eof();
    }

  private:
    data::TTable& table_;
    data::TApollo& engine_;
};

double twoDecimals(double v) {
    return std::round(v * 100.0) / 100.0;
}

}  // namespace

bool landscapePaper(const QString& code) {
    return code == QLatin1String("LTRL") || code == QLatin1String("A4L") ||
           code == QLatin1String("USERL");
}

LabelPrintRun::LabelPrintRun(data::TTable& addresses, data::TApollo& engine,
                             const LabelDefinition& layout, const QString& layoutFolder,
                             LabelPrintChoices choices, print::PrintEngine& printer)
    : addresses_(addresses),
      engine_(engine),
      layout_(layout),
      choices_(std::move(choices)),
      rememberedRecord_(engine.recNo()),
      source_(addresses) {
    panel_.setMergeSource(&source_);
    if (!loadLayout(layoutFolder)) return;
    using Records = LabelPrintChoices::Records;
    if (choices_.records == Records::All)
        query_ = std::make_unique<data::QuerySetting>(engine_, QStringLiteral("NOT ISDEL"));
    else if (choices_.records == Records::CurrentOnly)
        query_ = std::make_unique<data::QuerySetting>(
            engine_, QStringLiteral("Recno()=") + QString::number(rememberedRecord_));
    chooseStart();
    QStringList presortList;
    if (choices_.presort) {
        const auto lines = choices_.presorter ? choices_.presorter() : std::nullopt;
        if (!lines) return;
        presortList = *lines;
        // The presorted order walks the ZIP index, matching code prefixes.
        inexact_ = std::make_unique<data::ExactSetting>(false);
        zipOrder_ =
            std::make_unique<data::OrderSetting>(engine_, engine_.tagArea(QStringLiteral("ZIP")));
        addresses_.resync();
        text::messages().inform(
            QStringLiteral("Labels will print/preview in the following order:\r\n  1. 5-Digit "
                           "presort\r\n  2. 3-Digit presort\r\n  3. ADC presort"));
    }
    if (!setPaper(printer)) return;

    records_ = std::make_unique<TableLabelRecords>(addresses_, engine_);
    LabelPrintSetup setup;
    setup.sheet = SheetGeometry::of(layout_);
    setup.positions = choices_.positions;
    setup.copies = choices_.copies;
    setup.presort = choices_.presort;
    setup.presortList = presortList;
    loop_ = std::make_unique<LabelPrintLoop>(
        setup, *records_, [this](print::PageCanvas& canvas, print::Inches x, print::Inches y) {
            panel_.refreshAllData();
            panel_.printObjects(canvas, y, x);
            panel_.advanceCounters();
        });
    panel_.setPrinting(true);
    panel_.resetCounters();
    ready_ = true;
}

LabelPrintRun::~LabelPrintRun() {
    panel_.setPrinting(false);
    loop_.reset();
    records_.reset();
    zipOrder_.reset();
    inexact_.reset();
    query_.reset();
    try {
        if (rememberedRecord_ > 0 && rememberedRecord_ <= engine_.recCount())
            engine_.go(rememberedRecord_);
        addresses_.resync();
    } catch (const std::exception&) {
        // The record may have gone; the table stays where it is.
    }
}

bool LabelPrintRun::loadLayout(const QString& layoutFolder) {
    const QString file = layoutFilePath(layoutFolder, layout_.layoutFile);
    if (layout_.layoutFile.isEmpty() || !QFileInfo::exists(file)) {
        text::messages().inform(
            QStringLiteral("Label definition file has been removed from the sysdata directory"));
        return false;
    }
    QString error;
    if (panel_.loadLayout(file, &error)) return true;
    text::messages().inform(error);
    return false;
}

void LabelPrintRun::chooseStart() {
    if (choices_.startFromCurrent &&
        data::startAtChosenRecord(addresses_, engine_, rememberedRecord_))
        return;
    addresses_.first();
}

// Paper and orientation as the layout's sheet lies in the printer; a size
// the printer does not confirm is printed only when the user says so.
bool LabelPrintRun::setPaper(print::PrintEngine& printer) {
    const bool landscape = landscapePaper(layout_.paperSize);
    const double pw = landscape ? layout_.sheetDepth : layout_.sheetWidth;
    const double pl = landscape ? layout_.sheetWidth : layout_.sheetDepth;
    bool confirmed = true;
    const QString& paper = layout_.paperSize;
    if (paper == QLatin1String("LTR") || paper == QLatin1String("LTRL"))
        printer.setPaperCode(print::kPaperLetter);
    else if (paper == QLatin1String("A4") || paper == QLatin1String("A4L"))
        printer.setPaperCode(print::kPaperA4);
    else if (paper == QLatin1String("A5"))
        printer.setPaperCode(print::kPaperA5);
    else if (!printer.printerName().toUpper().contains(QLatin1String("HPFDJ")))
        printer.setCustomPaper({print::Inches(pw), print::Inches(pl)});
    else
        confirmed = false;
    printer.setOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    const print::InchSize page = printer.pageSize();
    double w = twoDecimals(page.width.value), h = twoDecimals(page.height.value);
    if (landscape) std::swap(w, h);
    if (confirmed && std::abs(w - pw) <= 0.05 && std::abs(h - pl) <= 0.05) return true;
    const QString question =
        QStringLiteral("Unable to confirm that the paper size was set to\r\n\r\n") +
        QString::number(pw, 'f', 2) + QStringLiteral("\" by ") + QString::number(pl, 'f', 2) +
        QStringLiteral(
            "\"\r\n\r\n(you may have the wrong printer selected)\r\n\r\nWould you like to try "
            "printing anyways?");
    return text::messages().ask(question, QStringLiteral("Confirm"));
}

void LabelPrintRun::print(print::PrintEngine& printer, const std::function<bool()>& keepGoing) {
    if (loop_) loop_->run(printer, keepGoing);
}

}  // namespace pc::labels
