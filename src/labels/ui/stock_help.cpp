#include "labels/ui/stock_help.h"

#include "widgets/help_contexts.h"
#include "widgets/help_link.h"

namespace pc::labels {

void showStockHelp() {
    pc::widgets::showHelp(pc::widgets::help::kLabelDesigner);
}

}  // namespace pc::labels
