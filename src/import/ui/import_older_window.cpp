#include "import/ui/import_older_window.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>

#include "text/message_service.h"
#include "widgets/help_contexts.h"

namespace pc::import {

TImportOlder::TImportOlder(OlderVersion version, pc::data::TTable& destination, QWidget* parent)
    : ImportWindow(version == OlderVersion::V1 ? QStringLiteral("Import Postcraft 1.x DBF")
                                               : QStringLiteral("Import Postcraft 2.x DBF"),
                   QStringLiteral("Select DBF File"), false, parent),
      version_(version),
      destination_(destination) {
    setHelpContext(widgets::help::kImportOlder);
    connect(SelectButton, &QPushButton::clicked, this, &TImportOlder::SelectButtonClick);
    connect(ImportButton, &QPushButton::clicked, this, &TImportOlder::ImportButtonClick);
}

void TImportOlder::SelectButtonClick() {
    const QString cwd = QDir::currentPath();
    selectFile(
        QFileDialog::getOpenFileName(this, {}, {}, QStringLiteral("DBF Files (*.dbf *.DBF)")));
    QDir::setCurrent(cwd);
}

void TImportOlder::selectFile(const QString& path) {
    ImportButton->setEnabled(false);
    FileLabel->setText(QStringLiteral("(none)"));
    if (source_.active()) source_.close();
    if (path.isEmpty()) return;
    const QString problem = openOlderSource(path, destination_.path(), version_, source_);
    if (!problem.isEmpty()) {
        pc::text::messages().inform(problem);
        return;
    }
    FileLabel->setText(path);
    ImportButton->setEnabled(true);
}

void TImportOlder::ImportButtonClick() {
    runWithGauge([this](const ImportCalls& calls) {
        runOlderImport(source_, version_, destination_, calls);
    });
}

}  // namespace pc::import
