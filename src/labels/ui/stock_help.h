#pragma once
// The help topic of the stock dialogs: the label designer's.
namespace pc::labels {

inline constexpr int kLabelDesignHelpContext = 1073;
void showStockHelp();

}  // namespace pc::labels
