#include "letters/letter_operations.h"

#include <QCoreApplication>
#include <QTextDocument>

#include "data/definition_rows.h"
#include "data/t_field.h"
#include "data/t_table.h"
#include "letters/letter_storage.h"
#include "richtext/page_setup.h"

namespace pc::letters {
namespace {

using data::TTable;

bool hasRow(const TTable& letters) {
    return letters.active() && letters.hasCurrentRecord() && !letters.eof();
}

bool store(TTable& letters, bool append, const QString& description,
           const QTextDocument& document) {
    return data::storeRow(letters, append, [&] {
        letters.fieldByName(QStringLiteral("DESCRIPT"))
            .setText(description.left(kDescriptionLength));
        SaveRichText(letters, document);
    });
}

}  // namespace

richtext::PageSetup newLetterPage() {
    return {.paperWidth = 12240,
            .paperHeight = 15840,
            .marginLeft = 1440,
            .marginRight = 1440,
            .marginTop = 1440,
            .marginBottom = 1440};
}

bool newLetter(TTable& letters, const LetterDesigner& design) {
    QString description = QString::fromUtf16(kUntitledLetter);
    QTextDocument document;
    richtext::setPageSetup(document, newLetterPage());
    if (!design(description, document, true)) return false;
    return store(letters, true, description, document);
}

bool modifyLetter(TTable& letters, const LetterDesigner& design) {
    if (!hasRow(letters)) return false;
    QString description = letterDescription(letters);
    QTextDocument document;
    LoadRichText(letters, document);
    if (!design(description, document, false)) return false;
    return store(letters, false, description, document);
}

bool cloneLetter(TTable& letters) {
    if (!hasRow(letters)) return false;
    const QString description = letterDescription(letters);
    if (!data::confirmRowAction(QStringLiteral("Clone"), description, QStringLiteral("CLONE")))
        return false;
    QTextDocument document;
    LoadRichText(letters, document);
    return store(letters, true, QStringLiteral("Clone of ") + description, document);
}

bool deleteLetter(TTable& letters) {
    if (!hasRow(letters)) return false;
    if (!data::confirmRowAction(QStringLiteral("Delete"), letterDescription(letters),
                                QStringLiteral("DELETE")))
        return false;
    if (!data::deleteRowAndFile(letters)) return false;
    QCoreApplication::processEvents();
    return true;
}

}  // namespace pc::letters
