#include "import/ui/ascii_import_window.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "import/ascii_import.h"
#include "import/header_pairing.h"
#include "import/ui/match_window.h"
#include "import/vcard_import.h"
#include "text/message_service.h"
#include "widgets/help_contexts.h"

namespace pc::import {

TAsciiImport::TAsciiImport(pc::data::TTable& destination, QWidget* parent)
    : ImportWindow(QStringLiteral("ASCII File Import"), QStringLiteral("Select ASCII File"), true,
                   parent),
      destination_(destination) {
    setHelpContext(widgets::help::kImportAscii);
    connect(SelectButton, &QPushButton::clicked, this, &TAsciiImport::SelectButtonClick);
    connect(MatchButton, &QPushButton::clicked, this, &TAsciiImport::MatchButtonClick);
    connect(ImportButton, &QPushButton::clicked, this, &TAsciiImport::ImportButtonClick);
}

void TAsciiImport::SelectButtonClick() {
    const QString cwd = QDir::currentPath();
    QFileDialog dialog(this);
    dialog.setNameFilters({QStringLiteral("Text files, CSV Files (*.TXT *.txt *.CSV *.csv)"),
                           QStringLiteral("vCard files (*.vcf *.VCF)"),
                           QStringLiteral("All files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("prn"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QString chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                               ? dialog.selectedFiles().front()
                               : QString();
    selectFile(chosen);
    QDir::setCurrent(cwd);
}

void TAsciiImport::selectFile(const QString& path) {
    ImportButton->setEnabled(false);
    StatusLabel->clear();
    columns = AsciiColumnTable{};
    cards_.clear();
    path_ = path;
    if (path.isEmpty()) {
        FileLabel->setText(QStringLiteral("(none)"));
        MatchButton->setEnabled(false);
        return;
    }
    FileLabel->setText(path);
    if (isVCardFile(path)) {
        MatchButton->setEnabled(false);
        if (!readVCardFile(path, cards_)) {
            pc::text::messages().inform(QStringLiteral("Unable to import from this file"));
            return;
        }
        StatusLabel->setText(QStringLiteral("vCard file, %1 contacts; the fields are filled by "
                                            "meaning")
                                 .arg(cards_.size()));
        ImportButton->setEnabled(true);
        return;
    }
    const bool ok = file_.open(path) && columns.sample(file_);
    if (!ok) {
        pc::text::messages().inform(QStringLiteral("Unable to import from this file"));
        MatchButton->setEnabled(false);
        return;
    }
    MatchButton->setEnabled(true);
    StatusLabel->setText(encodingName(file_.encoding()));
    // A header row of known column names pairs itself.
    if (looksLikeHeaderRow(columns, destination_) && pairByHeaderRow(columns, destination_) > 0) {
        StatusLabel->setText(encodingName(file_.encoding()) +
                             QStringLiteral("; the first line names the columns"));
        ImportButton->setEnabled(true);
        matchedBefore_ = true;
    }
}

void TAsciiImport::MatchButtonClick() {
    TAsciiMatch match(columns, destination_, QFileInfo(path_).fileName(), matchedBefore_, this);
    const bool ok = execMatch ? execMatch(match) : match.exec() == QDialog::Accepted;
    if (!ok) return;
    match.takePairing(columns);
    matchedBefore_ = true;
    ImportButton->setEnabled(columns.matchedCount() > 0);
}

void TAsciiImport::ImportButtonClick() {
    runWithGauge([this](const ImportCalls& calls) {
        if (!cards_.empty())
            runVCardImport(cards_, destination_, calls);
        else
            runAsciiImport(file_, columns, destination_, calls);
    });
}

}  // namespace pc::import
