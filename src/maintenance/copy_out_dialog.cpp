#include "maintenance/copy_out_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "data/session.h"
#include "data/t_table.h"
#include "maintenance/copy_out.h"
#include "maintenance/utility_frame.h"
#include "text/message_service.h"
#include "text/program_paths.h"
#include "widgets/help_contexts.h"

namespace pc::maintenance {

TCopyOut::TCopyOut(data::Session& session, QWidget* parent) : QDialog(parent), session_(session) {
    setObjectName("TCopyOut");
    setWindowTitle("Copy Records Out");
    Options = new QWidget;
    auto* options = new QVBoxLayout(Options);
    auto* note = new QLabel(
        "Note: this is NOT a backup. The program does its best to verify that data is accurately "
        "and reliably copied, but it is up to you to verify it by opening and viewing the "
        "exported file. We do not recommend copying directly to a floppy disk.");
    note->setWordWrap(true);
    note->setMinimumWidth(380);
    DbfRadio = new QRadioButton("Copy to a &DBF file");
    DbfRadio->setObjectName("DbfRadio");
    TextRadio = new QRadioButton("Copy to an &ASCII file (comma delimited)");
    TextRadio->setObjectName("TextRadio");
    DbfRadio->setChecked(true);
    // Beyond the classic format: a CSV other programs read without surprises.
    RfcCheck = new QCheckBox("Standard CSV (RFC 4180: quotes doubled, heading line)");
    RfcCheck->setObjectName("RfcCheck");
    EncodingCombo = new QComboBox;
    EncodingCombo->setObjectName("EncodingCombo");
    EncodingCombo->addItems({"Windows-1252", "UTF-8"});
    auto* textOptions = new QHBoxLayout;
    textOptions->addSpacing(20);
    textOptions->addWidget(RfcCheck);
    textOptions->addWidget(EncodingCombo);
    FileLabel = new QLabel(chosen_);
    FileLabel->setObjectName("FileLabel");
    options->addWidget(note);
    options->addWidget(DbfRadio);
    options->addWidget(TextRadio);
    options->addLayout(textOptions);
    options->addWidget(FileLabel);
    const UtilityFrame frame =
        buildUtilityFrame(*this, Options, "Save As", "SaveAsButton", widgets::help::kCopyOut);
    ProgressLabel = frame.progressLabel;
    Gauge = frame.gauge;
    SaveAsButton = frame.action;
    SaveAsButton->setDefault(true);
    CancelButton = frame.cancel;
    HelpButton = frame.help;

    const auto kindChanged = [this] {
        chosen_ = QStringLiteral("(none)");
        FileLabel->setText(chosen_);
        RfcCheck->setEnabled(TextRadio->isChecked());
        EncodingCombo->setEnabled(TextRadio->isChecked());
    };
    connect(DbfRadio, &QRadioButton::toggled, this, kindChanged);
    kindChanged();
    connect(SaveAsButton, &QPushButton::clicked, this, &TCopyOut::SaveAsButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TCopyOut::CancelButtonClick);
    chooseFile_ = [this](const QString& extension, const QString& filter) {
        QFileDialog dialog(this, windowTitle(), folder_, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(extension);
        // Overwriting is asked below, in the program's own words.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
}

void TCopyOut::SaveAsButtonClick() {
    const bool toTable = DbfRadio->isChecked();
    if (folder_.isEmpty()) folder_ = text::homeDir();
    const QString path = toTable ? chooseFile_("DBF", "DBF files (*.DBF *.dbf)")
                                 : chooseFile_("TXT", "Text files (*.TXT *.txt)");
    if (path.isEmpty()) return;
    folder_ = QFileInfo(path).absolutePath();
    const QString problem = copyTargetProblem(path, session_.table().path(), toTable);
    if (!problem.isEmpty()) {
        text::messages().inform(problem);
        return;
    }
    if (QFileInfo::exists(path) &&
        !text::messages().askDefaultNo(path + " already exists.\r\nDo you want to overwrite it?",
                                       QStringLiteral("Warning!")))
        return;
    chosen_ = path;
    FileLabel->setText(path);
    copy(path, toTable);
}

void TCopyOut::copy(const QString& path, bool toTable) {
    Options->hide();
    HelpButton->hide();
    ProgressLabel->setText("Copying to " + path);
    ProgressLabel->show();
    Gauge->setValue(0);
    Gauge->show();
    SaveAsButton->setEnabled(false);
    running_ = true;
    stopRequested_ = false;
    const text::Progress gauge = text::throttled([this](int done, int total) {
        Gauge->setValue(text::percentDone(done, total));
        QCoreApplication::processEvents();
        return !stopRequested_;
    });
    TextExportFormat format;
    format.rfc4180 = RfcCheck->isChecked();
    format.utf8 = EncodingCombo->currentIndex() == 1;
    const CopyResult result = toTable ? copyOutToTable(session_.table(), path, gauge)
                                      : copyOutToText(session_.table(), path, format, gauge);
    running_ = false;
    if (!result.error.isEmpty()) text::messages().error(result.error, QStringLiteral("Error"));
    accept();
}

void TCopyOut::CancelButtonClick() {
    if (!running_) {
        QDialog::reject();
        return;
    }
    if (text::messages().askDefaultNo(QStringLiteral("Cancel copy?"), QStringLiteral("Cancel")))
        stopRequested_ = true;
}

void TCopyOut::reject() {
    CancelButtonClick();
}

}  // namespace pc::maintenance
