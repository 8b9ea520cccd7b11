#pragma once
// .FLT files: a saved filter, one value a line. Lines 1-18 hold the criteria
// as typed, line 19 the tagged-only switch and line 20 reverse, "T" or "F".
#include <QString>

#include "data/filter_criteria.h"

namespace pc::data {

inline constexpr int kFilterFileLines = 20;

// Missing lines read as empty (and so as "F"); lines past the 20th are
// ignored. False with `error` set when the file cannot be read.
bool readFilterFile(const QString& path, FilterCriteria& criteria, QString* error = nullptr);
// False with `error` set when the file cannot be written; an existing file
// is replaced only once the new one is complete.
bool writeFilterFile(const QString& path, const FilterCriteria& criteria, QString* error = nullptr);
// Whether the name ends in ".FLT", any case.
bool hasFilterExtension(const QString& path);

}  // namespace pc::data
