#pragma once
// `postcraft-cli barcode postnet|fim|imb ...`: the postal barcodes as the
// program prints them, spelled out bar by bar.
#include <iosfwd>
#include <string>
#include <vector>

namespace pc::cli {

extern const char* const kBarcodeUsage;

// Arguments after "barcode"; returns the exit status, throws CliError.
int runBarcodeCommand(const std::vector<std::string>& args, std::ostream& out);

}  // namespace pc::cli
