#pragma once
// The recent-files list: up to four database paths in section "MRU",
// "Item1" (most recent) to "Item4".
#include <QStringList>

#include "text/profile_file.h"

namespace pc::text {

inline constexpr int kMruSize = 4;

// The non-empty values of Item1..Item4, in that order.
QStringList readMruList(const ProfileFile& ini);
// `path` first, then the stored entries that differ from it (case matters),
// at most four in all.
QStringList mruWithPath(const QStringList& stored, const QString& path);
// Puts `path` at the top, writes the list back and returns it.
QStringList updateMruList(ProfileFile& ini, const QString& path);

}  // namespace pc::text
