#pragma once
// The label print loop: fills the marked positions of each sheet across
// then down with the chosen records, n copies each, starting a new page
// when a sheet is full; with a presort list it walks the ZIP codes of the
// list in order and prints a separator label at each group heading. The
// records and the drawing are reached through small interfaces, so the
// same loop prints, previews and runs headless.
#include <QStringList>
#include <functional>

#include "labels/label_sheet.h"

namespace pc::print {
class PrintEngine;
class PageCanvas;
}  // namespace pc::print

namespace pc::labels {

// The records in print order.
class LabelRecords {
  public:
    virtual ~LabelRecords() = default;
    virtual bool atEnd() const = 0;
    virtual void first() = 0;
    virtual void next() = 0;
    virtual void goPastEnd() = 0;
    // The current record's ZIP code.
    virtual QString zip() const = 0;
    // Seeks the code on the ZIP order (not exact); false when nothing
    // begins there.
    virtual bool seekZip(const QString& code) = 0;
};

struct LabelPrintSetup {
    SheetGeometry sheet;
    PositionMap positions;
    int copies = 1;
    bool presort = false;
    QStringList presortList;  // lines of PRESORT.PSL
};

class LabelPrintLoop {
  public:
    // Draws the current record's label with its origin at (x, y) and
    // advances the counters.
    using PrintLabel = std::function<void(print::PageCanvas&, print::Inches x, print::Inches y)>;

    LabelPrintLoop(LabelPrintSetup setup, LabelRecords& records, PrintLabel printLabel);

    // The job's print callback. `keepGoing` runs after every record step
    // (the window lets events through there); false stops the loop.
    void run(print::PrintEngine& engine, const std::function<bool()>& keepGoing = {});

    int labelsPrinted() const { return printed_; }

  private:
    bool nextCode();
    bool zipMatches() const;

    LabelPrintSetup setup_;
    LabelRecords& records_;
    PrintLabel printLabel_;
    QString code_;
    bool separatorPending_ = false;
    int printed_ = 0;
};

}  // namespace pc::labels
