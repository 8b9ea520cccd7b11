#pragma once
// A new address table filled with generated records at engine speed, for
// the benchmarks that time work on a table rather than its filling.
#include <QString>

namespace pc::bench {

struct FillOptions {
    // Drop the compound index first: appending with 26 tags kept up to date
    // is slow, and the caller builds them in one pass afterwards.
    bool withoutIndex = false;
    // Every record not deletion-marked (ISDEL false).
    bool noneDeleted = false;
};

// Creates the table at `path` through the table layer and appends
// `records` generated records; exits the program when it cannot.
void fillAddressTable(const QString& path, int records, FillOptions options = {});

}  // namespace pc::bench
