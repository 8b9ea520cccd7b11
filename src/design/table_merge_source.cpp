#include "design/table_merge_source.h"

#include "data/t_table.h"
#include "text/text_utils.h"

namespace pc::design {
std::vector<MergeField> TableMergeSource::fields() const {
    std::vector<MergeField> out;
    out.reserve(static_cast<size_t>(table_.fieldCount()));
    for (int i = 0; i < table_.fieldCount(); ++i) {
        const data::TField& f = table_.field(i);
        MergeField m;
        m.name = f.name();
        m.displayLabel = f.displayLabel();
        m.character = f.type() == data::TFieldType::String;
        m.memo = f.type() == data::TFieldType::Memo;
        m.visible = f.visible();
        m.offered = m.character && m.visible;
        out.push_back(std::move(m));
    }
    return out;
}

std::optional<QString> TableMergeSource::fieldByLabel(const QString& displayLabel) const {
    if (displayLabel.isEmpty()) return std::nullopt;
    for (int i = table_.fieldCount() - 1; i >= 0; --i)
        if (table_.field(i).displayLabel() == displayLabel) return table_.field(i).name();
    return std::nullopt;
}

std::optional<QString> TableMergeSource::text(const QString& fieldName) const {
    if (!table_.active()) return std::nullopt;
    const data::TField* f = table_.findField(fieldName);
    if (!f) return std::nullopt;
    // Logical fields merge as their display words, as grids show them.
    if (f->type() == data::TFieldType::Logical) return text::rightTrim(f->displayText());
    return text::rightTrim(f->text());
}

std::optional<QString> TableMergeSource::memo(const QString& fieldName) const {
    if (!table_.active()) return std::nullopt;
    const data::TField* f = table_.findField(fieldName);
    if (!f) return std::nullopt;
    // The field object holds the whole memo of the record it read (or the
    // edit in progress), so this reads no file.
    return f->text();
}

}  // namespace pc::design
