#pragma once
// Where Postcraft keeps its files: the Postcraft home (the design's program
// folder) holds POSTCR.ini, DATA/, sysdata/, PRESORT.PSL, Clipbrd.tmp, ...
#include <QString>
#include <QStringList>

namespace pc::text {

// Chooses the home once per run: `--home DIR` from the arguments, else
// POSTCRAFT_HOME, else the executable's folder when it holds sysdata/ and is
// writable (a portable install), else $XDG_DATA_HOME/postcraft (by default
// ~/.local/share/postcraft). Creates the folder and its DATA/ and sysdata/
// when missing, and seeds sysdata/ from the installed copy on first use.
QString resolveHome(const QStringList& arguments);
// Sets the home directly (tests, command-line tools).
void setHome(const QString& dir);
// The home with a trailing "/".
QString homeDir();

QString settingsPath();        // home + "POSTCR.ini"
QString dataDir();             // home + "DATA/"
QString sysdataDir();          // home + "sysdata/"
QString mainDictionaryPath();  // home + "postcr.dct"
QString userDictionaryPath();  // home + "postcru.dct"

// The copy of sysdata/ that came with the program: sysdata/ beside the
// executable, else ../share/postcraft/sysdata; empty when neither exists.
QString installedSysdataDir();
// Copies the files of `from` (with its subfolders) that `to` lacks: a
// table with its memo and index files only when `to` has none of them;
// false when nothing was copied or a file failed to copy.
bool seedSysdata(const QString& from, const QString& to);
// Copies a delivered file beside `target` and renames it in (a failed copy
// leaves nothing half-written), writable by its owner.
bool copyDeliveredFile(const QString& source, const QString& target);

// A file inside a folder found without regard to letter case ("label.dbf"
// for "LABEL.DBF"); the path as it would be created when none exists.
QString findNoCase(const QString& dir, const QString& name);

}  // namespace pc::text
