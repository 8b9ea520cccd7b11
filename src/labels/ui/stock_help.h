#pragma once
// The help topic of the stock dialogs: the label designer's.
namespace pc::labels {

void showStockHelp();

}  // namespace pc::labels
