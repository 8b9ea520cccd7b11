#include "design/data_panel.h"

namespace pc::design {

void TGDataPanel::setDisplayDataValues(bool on) {
    displayDataValues_ = on;
    refreshAllData();
}

void TGDataPanel::setMergeSource(const MergeSource* source) {
    source_ = source;
    refreshAllData();
}

void TGDataPanel::refreshAllData() {
    if (source_) TGBasePanel::refreshAllData();
}

}  // namespace pc::design
