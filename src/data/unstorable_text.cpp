#include "data/unstorable_text.h"

#include "data/selected_area.h"
#include "data/t_field.h"
#include "data/t_table.h"
#include "xbase/codepage.h"
#include "xbase/engine.h"

namespace pc::data {

namespace {

QString joined(const pc::xbase::UnstorableText& found) {
    QString characters;
    for (const std::string& c : found.characters) characters += QString::fromStdString(c);
    return characters;
}

}  // namespace

QString unstorableCharacters(const QString& text, int codePage) {
    const QByteArray utf8 = text.toUtf8();
    return joined(pc::xbase::unstorableCharacters(
        std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())), codePage));
}

std::vector<UnstorableField> unstorableFields(const TTable& table) {
    std::vector<UnstorableField> found;
    if (!table.active()) return found;
    // The engine knows the table's code page.
    SelectedArea selected(table.workArea());
    for (int i = 0; i < table.fieldCount(); ++i) {
        const TField& field = table.field(i);
        if (field.calculated()) continue;
        if (field.type() != TFieldType::String && field.type() != TFieldType::Memo) continue;
        const QString characters = joined(sx_Unstorable(field.text().toUtf8().constData()));
        if (!characters.isEmpty()) found.push_back({field.name(), characters});
    }
    return found;
}

}  // namespace pc::data
