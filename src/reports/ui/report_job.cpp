#include "reports/ui/report_job.h"

#include "print/print_job_runner.h"

namespace pc::reports {

bool runReportJob(pc::print::PrintEngine& engine, bool preview, const ReportBody& body,
                  QWidget* parent, const QString& pdfPath) {
    const pc::print::PrintStatusTexts texts{QStringLiteral("Printing Page %p\r%0\r%1"),
                                            QStringLiteral("Cancel Report Printing?"),
                                            preview ? QStringLiteral("\rReport Preview Canceled!")
                                                    : QStringLiteral("\rReport Print Canceled!"),
                                            QStringLiteral("\rReport Print Completed!"),
                                            QStringLiteral("\rPreview Stopped at page %p!")};
    engine.setTitle(QStringLiteral("Postcraft"));
    engine.setStatusLine(0, {});
    engine.setStatusLine(1, {});
    const auto result = pc::print::runPrintJob(
        engine, preview, {texts, QStringLiteral("Preview Report"), pdfPath, parent, {}}, body);
    return result == pc::print::PrintStatusWindow::Result::Completed;
}

}  // namespace pc::reports
