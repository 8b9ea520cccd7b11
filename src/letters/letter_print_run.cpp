#include "letters/letter_print_run.h"

#include "data/engine_setting_guards.h"
#include "data/record_lookup.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "letters/letter_fields.h"
#include "letters/letter_merge.h"
#include "letters/letter_pages.h"
#include "print/print_engine.h"
#include "richtext/page_setup.h"

namespace pc::letters {

using richtext::kTwipsPerInch;

std::unique_ptr<QTextDocument> mergedLetter(const QTextDocument& templateDocument,
                                            const data::TTable& addresses, const QDate& today) {
    std::unique_ptr<QTextDocument> letter(templateDocument.clone());
    richtext::setPageSetup(*letter, richtext::pageSetup(templateDocument));
    ReplaceTokens(*letter, mergeValues(tableFields(addresses), today));
    return letter;
}

LetterPrintRun::LetterPrintRun(data::TTable& addresses, data::TApollo& engine,
                               const QTextDocument& templateDocument, LetterPrintChoices choices,
                               print::PrintEngine& printer)
    : addresses_(addresses),
      engine_(engine),
      template_(templateDocument.clone()),
      choices_(choices),
      rememberedRecord_(engine.recNo()) {
    const richtext::PageSetup page = usablePage(richtext::pageSetup(templateDocument));
    richtext::setPageSetup(*template_, page);
    choices_.copies = std::clamp(choices_.copies, 1, 999);
    if (choices_.records == LetterPrintChoices::Records::All)
        query_ = std::make_unique<data::QuerySetting>(engine_, QStringLiteral("NOT ISDEL"));
    chooseStart();
    printer.setCustomPaper({print::Inches(double(page.paperWidth) / kTwipsPerInch),
                            print::Inches(double(page.paperHeight) / kTwipsPerInch)});
    printer.setOrientation(QPageLayout::Portrait);
}

LetterPrintRun::~LetterPrintRun() {
    query_.reset();
    try {
        if (rememberedRecord_ > 0 && rememberedRecord_ <= engine_.recCount())
            engine_.go(rememberedRecord_);
        addresses_.resync();
    } catch (const std::exception&) {
        // The record may have gone; the table stays where it is.
    }
}

void LetterPrintRun::chooseStart() {
    if (choices_.records == LetterPrintChoices::Records::CurrentOnly) {
        if (engine_.go(rememberedRecord_)) return;
    } else if (choices_.startFromCurrent &&
               data::startAtChosenRecord(addresses_, engine_, rememberedRecord_)) {
        return;
    }
    addresses_.first();
}

// The letter of the current record in all its copies; false when the
// printer failed.
bool LetterPrintRun::printRecord(print::PrintEngine& printer) {
    const std::unique_ptr<QTextDocument> letter =
        mergedLetter(*template_, addresses_, choices_.today);
    const LetterPages pages(*letter);
    print::PageCanvas& canvas = printer.canvas();
    // The canvas starts at the paper's corner, so nothing is unprintable.
    const PrinterBounds b = printerBounds(pages.page(), int(canvas.dpiX()), int(canvas.dpiY()));
    const QRectF area(b.left, b.top, b.textWidth, b.textHeight);
    const double scale = canvas.dpiX() / print::kLayoutPixelsPerInch;
    for (int copy = 0; copy < choices_.copies; ++copy) {
        if (copy > 0) printer.newPage();
        int position = 0;
        do {
            if (printer.aborted()) return false;
            if (position > 0) printer.newPage();
            position = pages.drawPage(canvas.painter(), position, area, scale);
            ++pages_;
        } while (position > 0);
    }
    ++letters_;
    return !printer.aborted();
}

void LetterPrintRun::print(print::PrintEngine& printer, const std::function<bool()>& keepGoing) {
    while (!addresses_.eof() && !printer.aborted()) {
        if (!printRecord(printer)) break;
        printer.setStatusLine(0, QStringLiteral("Printing page ") + QString::number(pages_));
        if (choices_.records == LetterPrintChoices::Records::CurrentOnly) break;
        addresses_.next();
        if (keepGoing && !keepGoing()) break;
        if (!addresses_.eof()) printer.newPage();
    }
}

}  // namespace pc::letters
