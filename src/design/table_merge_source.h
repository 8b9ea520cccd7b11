#pragma once
// The current record of an open table as objects merge it: the table's
// field objects in their order with display labels and visibility, their
// text, and memo text. The table stays the caller's and must outlive this.
#include "design/merge_source.h"

namespace pc::data {
class TTable;
}

namespace pc::design {

class TableMergeSource : public MergeSource {
  public:
    explicit TableMergeSource(const data::TTable& table) : table_(table) {}

    // Character fields that are visible are offered in the field choice;
    // the address schema hides the ones it keeps out.
    std::vector<MergeField> fields() const override;
    // Nothing while the table is closed or the field is absent.
    std::optional<QString> text(const QString& fieldName) const override;
    std::optional<QString> memo(const QString& fieldName) const override;
    std::optional<QString> fieldByLabel(const QString& displayLabel) const override;

  private:
    const data::TTable& table_;
};

}  // namespace pc::design
