#pragma once
// Merging a record into a letter: every "[Name]" of a merge field in the
// document becomes its value, in the character format the field was
// written in.
#include <QString>
#include <vector>

#include "letters/letter_fields.h"

class QTextDocument;

namespace pc::letters {

// Replaces every "[" + name + "]" by the value; line breaks in the value
// become paragraph breaks. The search ignores letter case, as the editor's
// find does, and goes on after each inserted value, so a value holding its
// own token is not merged again. Returns the number of replacements.
int DoMerge(QTextDocument& document, const QString& name, const QString& value);

// Merges the values one name at a time in their order (mergeValues()); a
// value carrying the token of a later name is merged again by it.
void ReplaceTokens(QTextDocument& document, const std::vector<MergeValue>& values);

}  // namespace pc::letters
