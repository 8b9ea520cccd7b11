#include "app/unstorable_text_warning.h"

#include <QLabel>
#include <QStringList>
#include <QWidget>

#include "data/unstorable_text.h"
#include "text/message_service.h"
#include "widgets/field_binder.h"

namespace pc::app {

namespace {

// The caption the window shows beside a box: the label whose buddy it is.
QString captionOf(QWidget* box, const QString& fallback) {
    if (box) {
        for (const QLabel* label : box->window()->findChildren<QLabel*>()) {
            if (label->buddy() == box) return label->text().remove('&');
        }
    }
    return fallback;
}

QString spaced(const QString& characters) {
    QStringList each;
    for (const char32_t c : characters.toUcs4()) each << QString::fromUcs4(&c, 1);
    return each.join(' ');
}

}  // namespace

bool confirmStorableText(const pc::data::TTable& table, const widgets::FieldBinder& binder,
                         QWidget* memoEditor) {
    const std::vector<pc::data::UnstorableField> found = pc::data::unstorableFields(table);
    if (found.empty()) return true;
    QStringList lines;
    QWidget* first = nullptr;
    for (const auto& field : found) {
        const bool memo = field.fieldName.compare("MEMO", Qt::CaseInsensitive) == 0;
        QWidget* box = memo ? memoEditor : binder.widgetFor(field.fieldName);
        if (!first) first = box;
        lines << captionOf(box, memo ? QStringLiteral("Memo") : field.fieldName) + ": " +
                     spaced(field.characters);
    }
    const QString text =
        "This database cannot store these characters; each would be saved as "
        "\"?\":\r\n\r\n" +
        lines.join("\r\n") + "\r\n\r\nSave anyway? Choose No to go back and change them.";
    if (pc::text::messages().askDefaultNo(text, "Warning!")) return true;
    if (first) first->setFocus();
    return false;
}

}  // namespace pc::app
