#include "cli/pdf_print.h"

#include "cli/db_command.h"
#include "cli/progress_line.h"
#include "print/print_engine.h"

namespace pc::cli {

void printToPdf(print::PrintEngine& printer, const std::string& caption, int records,
                const QString& pdfPath, const print::PrintJob& job) {
    ProgressLine line(caption);
    const text::Progress progress = line.progress();
    int steps = 0;
    const print::KeepGoing keepGoing = [&] { return text::report(progress, ++steps, records); };
    printer.print = [&](print::PrintEngine& e) { job(e, keepGoing); };
    const bool written = printer.run(print::PrintOutput::PdfFile, pdfPath);
    printer.print = nullptr;
    if (!written) throw CliError(printer.lastError().toStdString(), kExitFailure);
}

}  // namespace pc::cli
