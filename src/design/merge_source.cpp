#include "design/merge_source.h"

namespace pc::design {

std::optional<QString> MergeSource::fieldByLabel(const QString& displayLabel) const {
    if (displayLabel.isEmpty()) return std::nullopt;
    std::optional<QString> found;
    for (const MergeField& field : fields())
        if (field.displayLabel == displayLabel) found = field.name;
    return found;
}

}  // namespace pc::design
