#pragma once
// Reading the files a command is given: only regular files, and only up to
// the size a valid file of their kind can have, checked before reading.
#include <cstdint>
#include <string>

namespace pc::cli {

// Larger CSV files could not fit a table (the format stops at 2 GiB).
inline constexpr uint64_t kMaxCsvBytes = uint64_t(2) << 30;

// Throws CliError (exit status 1) naming the file when it is missing, not a
// regular file (a pipe, a device, a folder), or larger than maxBytes.
void requireInputFile(const std::string& path, uint64_t maxBytes);
// The whole file, after the same checks.
std::string readInputFile(const std::string& path, uint64_t maxBytes);

}  // namespace pc::cli
