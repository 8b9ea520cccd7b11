#pragma once
// A temporary folder made into a Postcraft home for window tests.
#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include "app/startup.h"
#include "text/profile_file.h"
#include "text/program_paths.h"

namespace pc::app::test {

// DATA/ and sysdata/ made, the home set, the getting-started screen switched
// off. Returns the home with a trailing "/".
inline QString makeScratchHome(const QTemporaryDir& dir) {
    initResources();
    const QString home = dir.path() + "/";
    pc::text::setHome(dir.path());
    QDir().mkpath(home + "DATA");
    QDir().mkpath(home + "sysdata");
    pc::text::ProfileFile(home + "POSTCR.ini").writeBool("Misc", "GettingStarted", true);
    return home;
}

}  // namespace pc::app::test
