#include "envelopes/envelope_print_run.h"

#include <QFileInfo>

#include "data/engine_setting_guards.h"
#include "data/record_lookup.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "envelopes/envelope_layout_operations.h"
#include "print/paper.h"
#include "print/print_engine.h"
#include "text/message_service.h"

namespace pc::envelopes {

void setEnvelopePaper(print::PrintEngine& printer, int sizeCode, const EnvelopeFeed& feed) {
    if (!printer.setPaperCode(sizeCode)) printer.setPaperCode(kEnvelope10);
    printer.setOrientation(feed.orientation == EnvelopeFeed::Landscape ? QPageLayout::Landscape
                                                                       : QPageLayout::Portrait);
}

EnvelopePrintRun::EnvelopePrintRun(data::TTable& addresses, data::TApollo& engine,
                                   const EnvelopeDefinition& envelope, const QString& layoutFolder,
                                   EnvelopePrintChoices choices)
    : addresses_(addresses),
      engine_(engine),
      envelope_(envelope),
      choices_(choices),
      rememberedRecord_(engine.recNo()),
      source_(addresses) {
    panel_.setMergeSource(&source_);
    if (!loadLayout(layoutFolder)) return;
    // The order is remembered with the filter, so both come back together.
    order_ = std::make_unique<data::OrderSetting>(engine_, engine_.order());
    using Records = EnvelopePrintChoices::Records;
    if (choices_.records == Records::All)
        query_ = std::make_unique<data::QuerySetting>(engine_, QStringLiteral("NOT ISDEL"));
    if (choices_.records != Records::CurrentOnly) chooseStart();
    panel_.setPrinting(true);
    ready_ = true;
}

EnvelopePrintRun::~EnvelopePrintRun() {
    panel_.setPrinting(false);
    query_.reset();
    order_.reset();
    try {
        if (rememberedRecord_ > 0 && rememberedRecord_ <= engine_.recCount())
            engine_.go(rememberedRecord_);
        addresses_.resync();
    } catch (const std::exception&) {
        // The record may have gone; the table stays where it is.
    }
}

bool EnvelopePrintRun::loadLayout(const QString& layoutFolder) {
    const QString file = envelopeLayoutPath(layoutFolder, envelope_.layoutFile);
    if (envelope_.layoutFile.trimmed().isEmpty() || !QFileInfo(file).isFile()) {
        text::messages().inform(
            QStringLiteral("Envelope definition file has been removed from the sysdata directory"));
        return false;
    }
    panel_.clearObjects();
    QString error;
    if (panel_.loadLayout(file, &error)) return true;
    text::messages().inform(error);
    return false;
}

void EnvelopePrintRun::chooseStart() {
    if (choices_.startFromCurrent &&
        data::startAtChosenRecord(addresses_, engine_, rememberedRecord_))
        return;
    addresses_.first();
}

bool EnvelopePrintRun::nothingToPrint() const {
    return !ready_ || addresses_.eof();
}

void EnvelopePrintRun::beforePrint(print::PrintEngine& printer) {
    offsets_ = {};
    printer.setStatusFormat(QStringLiteral("Printing Page %p\r%0\r%1"));
}

void EnvelopePrintRun::print(print::PrintEngine& printer, const std::function<bool()>& keepGoing) {
    if (!ready_) return;
    const print::InchSize page = printer.pageSize();
    offsets_ = envelopeOffsets(page.width.value, page.height.value, envelope_.usableLength(),
                               envelope_.usableDepth(), choices_.feed);
    const QMarginsF waste = printer.unprintableMargins();
    const bool currentOnly = choices_.records == EnvelopePrintChoices::Records::CurrentOnly;
    print::PageCanvas& canvas = printer.canvas();
    bool stopped = false;
    while (!addresses_.eof() && !stopped && !printer.aborted()) {
        if (printed_ > 0) printer.newPage();
        if (choices_.preview) {
            canvas.clearBrush();
            canvas.setPen(Qt::red, Qt::DotLine, 0);
            canvas.rectangle({print::Inches(waste.left()), print::Inches(waste.top()),
                              page.width - print::Inches(waste.right()),
                              page.height - print::Inches(waste.bottom())});
            canvas.setPen(Qt::black, Qt::SolidLine, 0);
        }
        panel_.refreshAllData();
        panel_.printObjects(canvas, print::Inches(offsets_.y), print::Inches(offsets_.x));
        ++printed_;
        if (currentOnly) break;
        addresses_.next();
        if (keepGoing && !keepGoing()) stopped = true;
    }
}

}  // namespace pc::envelopes
