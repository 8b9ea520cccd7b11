#include "data/unstorable_text.h"

#include "data/t_field.h"
#include "data/t_table.h"
#include "xbase/codepage.h"

namespace pc::data {

QString unstorableCharacters(const QString& text, int codePage) {
    QString found;
    for (const char32_t c : text.toUcs4()) {
        if (c == U'?') continue;
        const QString one = QString::fromUcs4(&c, 1);
        if (found.contains(one)) continue;
        const QByteArray utf8 = one.toUtf8();
        if (pc::xbase::fromUtf8(std::string_view(utf8.constData(), utf8.size()), codePage) == "?")
            found += one;
    }
    return found;
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
