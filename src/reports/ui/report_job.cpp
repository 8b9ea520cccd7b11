#include "reports/ui/report_job.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include "print/preview_window.h"
#include "print/print_engine.h"
#include "print/print_status_window.h"
#include "widgets/window_placement.h"

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
    pc::print::PrintStatusWindow status(
        engine, preview ? pc::print::PrintOutput::Recording : pc::print::PrintOutput::Printer,
        texts, pdfPath, parent);
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    engine.print = [&](pc::print::PrintEngine& e) {
        body(e, [&] {
            if (sinceEvents.elapsed() >= 50) {
                QCoreApplication::processEvents();
                sinceEvents.restart();
            }
            return !status.stopRequested();
        });
    };
    widgets::centreWindow(&status, parent);
    status.exec();
    engine.print = nullptr;
    const bool completed = status.result() == pc::print::PrintStatusWindow::Result::Completed;
    if (preview && completed) {
        pc::print::PreviewWindow window(engine.recording(), QStringLiteral("Preview Report"),
                                        parent);
        widgets::centreWindow(&window, parent);
        window.exec();
    }
    return completed;
}

}  // namespace pc::reports
