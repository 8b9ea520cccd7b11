#include "letters/letter_operations.h"

#include <QCoreApplication>
#include <QTextDocument>

#include "data/data_error.h"
#include "data/t_field.h"
#include "data/t_table.h"
#include "letters/letter_storage.h"
#include "richtext/page_setup.h"
#include "text/message_service.h"

namespace pc::letters {
namespace {

using data::DataError;
using data::TTable;

QString quoted(const QString& verb, const QString& description) {
    return verb + QStringLiteral(" \"") + description + QStringLiteral("\"?");
}

bool hasRow(const TTable& letters) {
    return letters.active() && letters.hasCurrentRecord() && !letters.eof();
}

bool store(TTable& letters, bool append, const QString& description,
           const QTextDocument& document) {
    try {
        if (append)
            letters.insert();
        else
            letters.edit();
        letters.fieldByName(QStringLiteral("DESCRIPT"))
            .setText(description.left(kDescriptionLength));
        SaveRichText(letters, document);
        letters.post();
        return true;
    } catch (const DataError& error) {
        try {
            if (letters.state() != data::TDataSetState::Browse) letters.cancel();
        } catch (const DataError&) {
            // The first failure is the one worth telling.
        }
        text::messages().error(error.message(), QStringLiteral("Postcraft"));
        return false;
    }
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
    if (!text::messages().ask(quoted(QStringLiteral("Clone"), description),
                              QStringLiteral("CLONE")))
        return false;
    QTextDocument document;
    LoadRichText(letters, document);
    return store(letters, true, QStringLiteral("Clone of ") + description, document);
}

bool deleteLetter(TTable& letters) {
    if (!hasRow(letters)) return false;
    if (!text::messages().ask(quoted(QStringLiteral("Delete"), letterDescription(letters)),
                              QStringLiteral("DELETE")))
        return false;
    try {
        letters.deleteRecord();
    } catch (const DataError& error) {
        text::messages().error(error.message(), QStringLiteral("Postcraft"));
        return false;
    }
    QCoreApplication::processEvents();
    return true;
}

}  // namespace pc::letters
