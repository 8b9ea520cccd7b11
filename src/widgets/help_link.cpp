#include "widgets/help_link.h"

#include <utility>

namespace pc::widgets {
namespace {

HelpOpener& opener() {
    static HelpOpener installed;
    return installed;
}

}  // namespace

void setHelpOpener(HelpOpener help) {
    opener() = std::move(help);
}

void showHelp(int context) {
    if (opener()) opener()(context);
}

}  // namespace pc::widgets
