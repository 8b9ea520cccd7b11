#pragma once
// The "Zip Code Count Report" pages: the count lines in four framed columns
// of key and count, every other row shaded, a heading above the frame and
// the page number below it.
#include <QStringList>
#include <functional>

namespace pc::print {
class PrintEngine;
}

namespace pc::postal {

// Draws the report as the engine's print callback; `keepGoing` is asked
// after every line and ends the report early when it returns false.
void printZipReport(print::PrintEngine& engine, const QStringList& lines,
                    const std::function<bool()>& keepGoing = {});

}  // namespace pc::postal
