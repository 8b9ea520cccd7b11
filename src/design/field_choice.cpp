#include "design/field_choice.h"

namespace pc::design {

std::vector<MergeField> fieldChoice(const MergeSource* source, FieldChoiceKind kind) {
    std::vector<MergeField> out;
    if (!source) return out;
    for (MergeField& f : source->fields()) {
        const bool wanted = kind == FieldChoiceKind::Memo ? f.memo : f.character && f.offered;
        if (wanted) out.push_back(std::move(f));
    }
    return out;
}

int preselectedField(const std::vector<MergeField>& choice, const QString& current) {
    if (choice.empty()) return -1;
    for (size_t i = 0; i < choice.size(); ++i)
        if (choice[i].displayLabel == current) return static_cast<int>(i);
    return 0;
}

}  // namespace pc::design
