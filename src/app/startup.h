#pragma once
// Program start: the Postcraft home, the one-instance rule and the main window.
#include <QStringList>

class QApplication;

namespace pc::app {

// Registers the compiled-in help pages and icons (the resources live in a
// static library, so they need registering once).
void initResources();
// Application name, version and icon; message boxes and the help window
// for every window of the program.
void setUpApplication(QApplication& app);
// Lets the dialogs below the main window open topics in the help window.
void installHelpOpener();
// Runs the program and returns its exit code: 0 at once when another
// Postcraft already runs on the same home (it is brought forward instead).
int runPostcraft(QApplication& app, const QStringList& arguments);

}  // namespace pc::app
