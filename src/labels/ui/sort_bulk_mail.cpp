#include "labels/ui/sort_bulk_mail.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QTimer>
#include <QVBoxLayout>

#include "postal/presort_records.h"
#include "text/message_service.h"
#include "text/program_paths.h"

namespace pc::labels {

TSortBulkMail::TSortBulkMail(data::TTable& table, data::TApollo& engine, QWidget* parent)
    : QDialog(parent), table_(table), engine_(engine) {
    setWindowTitle(QStringLiteral("Bulk Mail Presorting"));
    setObjectName(QStringLiteral("TSortBulkMail"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setMinimumWidth(260);
    Label1->setAlignment(Qt::AlignCenter);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(cancel, &QPushButton::clicked, this, &TSortBulkMail::CancelButtonClick);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(cancel, 0, Qt::AlignHCenter);
}

QString TSortBulkMail::status() const {
    return Label1->text();
}

void TSortBulkMail::SetLabel1(const QString& text) {
    Label1->setText(text);
    Label1->repaint();
}

void TSortBulkMail::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (started_) return;
    started_ = true;
    QTimer::singleShot(0, this, &TSortBulkMail::DoTheSort);
}

void TSortBulkMail::CancelButtonClick() {
    if (!running_) return;
    if (text::messages().ask(QStringLiteral("Cancel PRESORT?"), QStringLiteral("Confirm")))
        cancelled_ = true;
}

void TSortBulkMail::reject() {
    if (running_)
        CancelButtonClick();
    else
        QDialog::reject();
}

void TSortBulkMail::DoTheSort() {
    running_ = true;
    postal::BulkMailPresort presort;
    SetLabel1(QStringLiteral("Reading database records..."));
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    postal::countPresortKeys(table_, engine_, presort, [&](int recno) {
        if (recno % 100 == 0) SetLabel1(QStringLiteral("Reading record %1").arg(recno));
        if (sinceEvents.elapsed() >= 50) {
            QCoreApplication::processEvents();
            sinceEvents.restart();
        }
        return !cancelled_;
    });
    running_ = false;
    if (!cancelled_) {
        SetLabel1(QStringLiteral("Sorting Zip Codes..."));
        const QStringList lines = presort.plan();
        // Written beside and renamed in: a failed write keeps the old file
        // and ends the presort as not done.
        QSaveFile file(text::homeDir() + QLatin1String(postal::kPresortFileName));
        const QByteArray bytes = postal::presortFileBytes(lines);
        if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
            done_ = true;
        else
            text::messages().error(
                QStringLiteral("The presort file could not be written: ") + file.errorString(),
                QStringLiteral("Error"));
    }
    QTimer::singleShot(0, this, [this] { QDialog::done(done_ ? Accepted : Rejected); });
}

}  // namespace pc::labels
