#include "labels/ui/stock_help.h"

#include "design/ui/dialog_buttons.h"
#include "widgets/help_link.h"

namespace pc::labels {

void showStockHelp() {
    pc::widgets::showHelp(pc::design::ui::kLabelDesignHelpContext);
}

}  // namespace pc::labels
