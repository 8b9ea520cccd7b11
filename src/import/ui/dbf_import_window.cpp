#include "import/ui/dbf_import_window.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "data/t_apollo.h"
#include "import/dbf_import.h"
#include "import/ui/match_window.h"
#include "text/message_service.h"
#include "widgets/help_contexts.h"

namespace pc::import {

TDBFImport::TDBFImport(pc::data::TTable& destination, QWidget* parent)
    : ImportWindow(QStringLiteral("DBF File Import"), QStringLiteral("Select DBF File"), true,
                   parent),
      destination_(destination) {
    setHelpContext(widgets::help::kImportDbf);
    connect(SelectButton, &QPushButton::clicked, this, &TDBFImport::SelectButtonClick);
    connect(MatchButton, &QPushButton::clicked, this, &TDBFImport::MatchButtonClick);
    connect(ImportButton, &QPushButton::clicked, this, &TDBFImport::ImportButtonClick);
}

void TDBFImport::SelectButtonClick() {
    const QString cwd = QDir::currentPath();
    selectFile(
        QFileDialog::getOpenFileName(this, {}, {}, QStringLiteral("DBF Files (*.DBF *.dbf)")));
    QDir::setCurrent(cwd);
}

void TDBFImport::selectFile(const QString& path) {
    ImportButton->setEnabled(false);
    confirmed_ = false;
    pairing.clear();
    if (source_.active()) source_.close();
    path_ = path;
    FileLabel->setText(path.isEmpty() ? QStringLiteral("(none)") : path);
    MatchButton->setEnabled(false);
    if (path.isEmpty()) return;
    const QString name = QFileInfo(path).fileName();
    QString problem;
    if (!openImportSource(path, source_))
        problem = "Unable to open the file " + name;
    else if (pc::data::TApollo(&source_).recCount() == 0)
        problem = "There are no records in " + name;
    if (!problem.isEmpty()) {
        if (source_.active()) source_.close();
        pc::text::messages().inform(problem);
        path_.clear();
        FileLabel->setText(QStringLiteral("(none)"));
        return;
    }
    MatchButton->setEnabled(true);
}

void TDBFImport::MatchButtonClick() {
    if (!source_.active()) return;
    if (!confirmed_) pairing = autoPairDbf(source_, destination_);
    TDBFMatch match(source_, destination_, pairing, QFileInfo(path_).fileName(), this);
    const bool ok = execMatch ? execMatch(match) : match.exec() == QDialog::Accepted;
    if (!ok) return;
    pairing = match.pairing();
    confirmed_ = true;
    bool any = false;
    for (const int d : pairing) any = any || d != kNotPaired;
    ImportButton->setEnabled(any);
}

void TDBFImport::ImportButtonClick() {
    runWithGauge(
        [this](const ImportCalls& calls) { runDbfImport(source_, pairing, destination_, calls); });
}

}  // namespace pc::import
