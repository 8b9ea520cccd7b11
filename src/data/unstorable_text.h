#pragma once
// Finding text a table cannot hold: characters outside the table's code page
// are stored as "?", so the program warns before saving them.
#include <QString>
#include <vector>

namespace pc::data {

class TTable;

// Windows-1252, the code page of the tables the program creates.
inline constexpr int kTableCodePage = 1252;

// The characters of `text` the code page lacks, each once, in order of first
// appearance (at most the first 20 different ones; the engine's own check).
QString unstorableCharacters(const QString& text, int codePage = kTableCodePage);

struct UnstorableField {
    QString fieldName;
    QString characters;  // as unstorableCharacters() gives them
};

// The stored text and memo fields of the current record whose value holds
// characters the table's code page lacks, in field order.
std::vector<UnstorableField> unstorableFields(const TTable& table);

}  // namespace pc::data
