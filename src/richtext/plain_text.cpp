#include "richtext/plain_text.h"

#include <QTextBlock>
#include <QTextDocument>

namespace pc::richtext {

QString plainTextLines(const QTextDocument& document) {
    QString out;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        QString line = b.text();
        line.replace(QChar(0x2028), QLatin1Char('\n'));
        line.remove(QChar::ObjectReplacementCharacter);
        out += line;
        out += QLatin1Char('\n');
    }
    return out;
}

}  // namespace pc::richtext
