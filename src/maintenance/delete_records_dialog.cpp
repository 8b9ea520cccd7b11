#include "maintenance/delete_records_dialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "data/data_error.h"
#include "data/session.h"
#include "maintenance/record_deletion.h"
#include "maintenance/utility_frame.h"
#include "text/message_service.h"
#include "widgets/busy_cursor.h"
#include "widgets/help_contexts.h"

namespace pc::maintenance {

TDeleteRecords::TDeleteRecords(data::Session& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName("TDeleteRecords");
    setWindowTitle("Delete Records");
    Options = new QWidget;
    auto* options = new QVBoxLayout(Options);
    AllRadio = new QRadioButton("Delete &All Records");
    AllRadio->setObjectName("AllRadio");
    MatchingRadio = new QRadioButton("Delete Records matching current &Filter");
    MatchingRadio->setObjectName("MatchingRadio");
    NotMatchingRadio = new QRadioButton("Delete Records which do &NOT match current Filter");
    NotMatchingRadio->setObjectName("NotMatchingRadio");
    for (QRadioButton* r : {AllRadio, MatchingRadio, NotMatchingRadio}) options->addWidget(r);
    AllRadio->setChecked(true);
    const bool filtered = !session.filter().isEmpty();
    MatchingRadio->setEnabled(filtered);
    NotMatchingRadio->setEnabled(filtered);
    const UtilityFrame frame = buildUtilityFrame(*this, Options, "Delete Now", "DoitButton",
                                                 widgets::help::kDeleteRecords);
    ProgressLabel = frame.progressLabel;
    ProgressLabel->setText("Deleting Records ");
    Gauge = frame.gauge;
    DoitButton = frame.action;
    CancelButton = frame.cancel;
    CancelButton->setDefault(true);
    HelpButton = frame.help;
    connect(DoitButton, &QPushButton::clicked, this, &TDeleteRecords::DoitClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TDeleteRecords::DoitClick() {
    if (!text::messages().ask(QStringLiteral("Are you sure?"), QStringLiteral("DELETE"))) return;
    const DeleteScope scope = MatchingRadio->isChecked()      ? DeleteScope::Matching
                              : NotMatchingRadio->isChecked() ? DeleteScope::NotMatching
                                                              : DeleteScope::All;
    Options->hide();
    HelpButton->hide();
    ProgressLabel->show();
    Gauge->setValue(0);
    Gauge->show();
    DoitButton->setEnabled(false);
    CancelButton->hide();
    running_ = true;
    widgets::BusyCursor busy;
    try {
        deleted_ = deleteRecords(session_.table(), scope, session_.filter(),
                                 text::throttled([this](int done, int total) {
                                     Gauge->setValue(text::percentDone(done, total));
                                     QCoreApplication::processEvents();
                                     return true;
                                 }));
        text::messages().inform(deletedMessage(deleted_));
        text::messages().inform(
            QStringLiteral("For optimum space usage, please select\r\n[Rebuild Indexes] from the "
                           "File menu"));
    } catch (const data::DataError& e) {
        text::messages().error(e.message(), QStringLiteral("Error"));
    }
    running_ = false;
    accept();
}

void TDeleteRecords::reject() {
    if (!running_) QDialog::reject();
}

}  // namespace pc::maintenance
