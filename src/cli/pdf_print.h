#pragma once
// The print verbs' last step: the job drawn into the PDF file, with a
// progress line over the chosen records while it runs.
#include <QString>
#include <string>

#include "print/print_engine.h"

namespace pc::cli {

// Runs `job` on `printer` into `pdfPath`, showing "<caption> N%" over
// `records` steps (one each time the job asks whether to go on). Throws
// CliError with the engine's error when the file cannot be written.
void printToPdf(print::PrintEngine& printer, const std::string& caption, int records,
                const QString& pdfPath, const print::PrintJob& job);

}  // namespace pc::cli
