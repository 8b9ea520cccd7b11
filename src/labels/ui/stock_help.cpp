#include "labels/ui/stock_help.h"

#include "widgets/help_link.h"

namespace pc::labels {

void showStockHelp() {
    pc::widgets::showHelp(kLabelDesignHelpContext);
}

}  // namespace pc::labels
