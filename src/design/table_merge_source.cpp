#include "design/table_merge_source.h"

#include "data/t_table.h"

namespace pc::design {
namespace {

QString withoutTrailingBlanks(const QString& s) {
    qsizetype end = s.size();
    while (end > 0 && s.at(end - 1).isSpace()) --end;
    return s.left(end);
}

}  // namespace

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

std::optional<QString> TableMergeSource::text(const QString& fieldName) const {
    if (!table_.active()) return std::nullopt;
    const data::TField* f = table_.findField(fieldName);
    if (!f) return std::nullopt;
    // Logical fields merge as their display words, as grids show them.
    if (f->type() == data::TFieldType::Logical) return withoutTrailingBlanks(f->displayText());
    return withoutTrailingBlanks(f->text());
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
