#include "labels/label_print_loop.h"

#include <QFont>

#include "print/page_canvas.h"
#include "print/print_engine.h"

namespace pc::labels {

using print::Inches;

LabelPrintLoop::LabelPrintLoop(LabelPrintSetup setup, LabelRecords& records, PrintLabel printLabel)
    : setup_(std::move(setup)), records_(records), printLabel_(std::move(printLabel)) {}

bool LabelPrintLoop::zipMatches() const {
    return records_.zip().left(5) == code_;
}

// Takes the next line of the list: a heading brings the first record back
// (so the loop goes on) and a separator; a code is sought on the ZIP order.
bool LabelPrintLoop::nextCode() {
    while (!setup_.presortList.isEmpty()) {
        code_ = setup_.presortList.takeFirst();
        if (code_.contains(QLatin1String("**"))) {
            records_.first();
            separatorPending_ = true;
            return true;
        }
        if (records_.seekZip(code_) && !records_.atEnd() && records_.zip().startsWith(code_))
            return true;
    }
    records_.goPastEnd();
    return false;
}

void LabelPrintLoop::run(print::PrintEngine& engine, const std::function<bool()>& keepGoing) {
    print::PageCanvas& page = engine.canvas();
    const SheetGeometry& sheet = setup_.sheet;
    const int across = std::max(1, sheet.across), down = std::max(1, sheet.down);
    if (!setup_.positions.any()) return;
    QFont separatorFont(QStringLiteral("Arial"));
    separatorFont.setPointSize(8);
    if (setup_.presort) nextCode();

    int column = -1, row = 0, copies = 0;
    bool stopped = false;
    while (!records_.atEnd() && !stopped && !engine.aborted()) {
        if (column + 1 < across) {
            ++column;
        } else {
            column = 0;
            ++row;
        }
        if (row >= down) {
            engine.newPage();
            column = 0;
            row = 0;
        }
        if (!setup_.positions.used(column + row * across)) continue;
        const Inches x = sheet.originX(column), y = sheet.originY(row);
        const bool separator = separatorPending_;
        if (separator) {
            page.setFont(separatorFont);
            page.text({x + Inches(0.15), y + Inches(sheet.verticalPitch / 3),
                       x + Inches(sheet.horizontalPitch), y + Inches(sheet.verticalPitch)},
                      code_);
        } else {
            page.setPen(Qt::black, Qt::SolidLine, 1);
            page.clearBrush();
            printLabel_(page, x, y);
            ++printed_;
            ++copies;
            if (copies < std::max(1, setup_.copies)) continue;
        }
        copies = 0;
        records_.next();
        if (setup_.presort) {
            if (separator) {
                separatorPending_ = false;
                nextCode();
            } else if (records_.atEnd() || !zipMatches()) {
                nextCode();
            }
        }
        if (keepGoing && !keepGoing()) stopped = true;
    }
}

}  // namespace pc::labels
