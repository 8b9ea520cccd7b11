#pragma once
// How windows below the main window open a help topic: the program sets the
// opener at start-up (its help window); without one, Help does nothing.
#include <functional>

namespace pc::widgets {

using HelpOpener = std::function<void(int context)>;

void setHelpOpener(HelpOpener opener);
// Opens the topic with the given context number.
void showHelp(int context);

}  // namespace pc::widgets
