#pragma once
// Which fields a data object may be bound to, in the data set's order, and
// which one the choice starts on.
#include <vector>

#include "design/merge_source.h"

namespace pc::design {

enum class FieldChoiceKind { Character, Memo };

// Character fields the schema offers (visible, not kept out), or the memo
// fields. Empty without a source.
std::vector<MergeField> fieldChoice(const MergeSource* source, FieldChoiceKind kind);
// The entry whose display label is `current`, else the first; -1 when empty.
int preselectedField(const std::vector<MergeField>& choice, const QString& current);

}  // namespace pc::design
