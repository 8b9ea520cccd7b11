#pragma once
// A report's print or preview run: the shared print-job windows with the
// status texts of reports and the caption "Preview Report".
#include <QString>
#include <functional>

class QWidget;

namespace pc::print {
class PrintEngine;
}

namespace pc::reports {

// Draws the report; `keepGoing` runs after each record and is false once
// the user stopped.
using ReportBody = std::function<void(pc::print::PrintEngine&, const std::function<bool()>&)>;

// With `pdfPath` the "PDF file" printer writes there. True when the run
// completed.
bool runReportJob(pc::print::PrintEngine& engine, bool preview, const ReportBody& body,
                  QWidget* parent, const QString& pdfPath = {});

}  // namespace pc::reports
