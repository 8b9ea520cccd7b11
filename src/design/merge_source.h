#pragma once
// Where objects read the current record from when they merge: the fields of
// the bound data set in its order, their text, and memo text. The designer
// and printing bind a table (table_merge_source.h); tests bind a map.
#include <QString>
#include <optional>
#include <vector>

namespace pc::design {

struct MergeField {
    QString name;          // "LNAME"
    QString displayLabel;  // "Last Name": what data objects are matched by
    bool character = false;
    bool memo = false;
    bool visible = true;
    bool offered = true;  // shown in the field choice (the schema keeps some out)
};

class MergeSource {
  public:
    virtual ~MergeSource() = default;
    // The data set's fields in its order.
    virtual std::vector<MergeField> fields() const = 0;
    // The current record's text of a field without trailing blanks; nothing
    // when the field does not exist.
    virtual std::optional<QString> text(const QString& fieldName) const = 0;
    // The whole memo text of the current record.
    virtual std::optional<QString> memo(const QString& fieldName) const = 0;
    // The name of the field whose display label is `displayLabel` (the last
    // match wins); nothing when the label is empty or no field carries it.
    // Data objects find their field by it on every merge, so sources that
    // can answer without listing every field do.
    virtual std::optional<QString> fieldByLabel(const QString& displayLabel) const;
};

}  // namespace pc::design
