#include "data/unstorable_text.h"

#include "data/t_field.h"
#include "data/t_table.h"
#include "xbase/codepage.h"

namespace pc::data {

QString unstorableCharacters(const QString& text, int codePage) {
    const QByteArray utf8 = text.toUtf8();
    const pc::xbase::UnstorableText found = pc::xbase::unstorableCharacters(
        std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())), codePage);
    QString characters;
    for (const std::string& c : found.characters) characters += QString::fromStdString(c);
    return characters;
}

std::vector<UnstorableField> unstorableFields(const TTable& table, int codePage) {
    std::vector<UnstorableField> found;
    for (int i = 0; i < table.fieldCount(); ++i) {
        const TField& field = table.field(i);
        if (field.calculated()) continue;
        if (field.type() != TFieldType::String && field.type() != TFieldType::Memo) continue;
        const QString characters = unstorableCharacters(field.text(), codePage);
        if (!characters.isEmpty()) found.push_back({field.name(), characters});
    }
    return found;
}

}  // namespace pc::data
