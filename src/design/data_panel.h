#pragma once
// The surface bound to the address table: objects merge the current
// record of the bound source and show record values or field names.
#include "design/base_panel.h"

namespace pc::design {

class TGDataPanel : public TGBasePanel {
  public:
    using TGBasePanel::TGBasePanel;

    // Stored; true at construction. Changing it refreshes the objects.
    bool displayDataValues() const override { return displayDataValues_; }
    void setDisplayDataValues(bool on);

    // The current record the objects merge; null unbinds. The source must
    // outlive the binding.
    const MergeSource* mergeSource() const override { return source_; }
    void setMergeSource(const MergeSource* source);

    // Re-reads the current record into every object, when a source is bound.
    void refreshAllData() override;

  private:
    bool displayDataValues_ = true;
    const MergeSource* source_ = nullptr;
};

}  // namespace pc::design
