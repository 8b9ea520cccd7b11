#pragma once
// An INI file read and written with profile-string semantics: every call
// opens the file, reads or rewrites it and closes it again, so nothing is
// cached. Section and key names match without regard to case. Writing keeps
// every other line as it was (unknown sections and keys, comments) and goes
// through a temporary file and a rename, so a crash never leaves a truncated
// file.
#include <QString>
#include <utility>
#include <vector>

namespace pc::text {

class ProfileFile {
  public:
    explicit ProfileFile(QString path) : path_(std::move(path)) {}
    const QString& path() const { return path_; }

    // The value as typed, surrounding blanks removed; `fallback` when the
    // key or the file is missing.
    QString readString(const QString& section, const QString& key,
                       const QString& fallback = {}) const;
    // Decimal, or hexadecimal after "0x"/"0X"; `fallback` when missing or
    // not a number.
    int readInt(const QString& section, const QString& key, int fallback) const;
    // Read as an integer, any non-zero value true.
    bool readBool(const QString& section, const QString& key, bool fallback) const;
    bool hasKey(const QString& section, const QString& key) const;

    // Each write returns false when the file cannot be read back or written,
    // or when a section or key name could not be stored (empty, a line
    // break, "=" in a key, "]" in a section); the file is then unchanged.
    // Line breaks in values become blanks so they cannot start new lines.
    bool writeString(const QString& section, const QString& key, const QString& value);
    bool writeInt(const QString& section, const QString& key, int value);
    bool writeBool(const QString& section, const QString& key, bool value);  // "0"/"1"
    bool removeKey(const QString& section, const QString& key);
    // Several keys of one section in one rewrite (window placement, the
    // recent-files list).
    bool writeStrings(const QString& section,
                      const std::vector<std::pair<QString, QString>>& values);

  private:
    QString path_;
};

}  // namespace pc::text
