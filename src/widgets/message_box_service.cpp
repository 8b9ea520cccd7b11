#include "widgets/message_box_service.h"

#include <QApplication>
#include <QMessageBox>

namespace pc::widgets {
namespace {

int show(QMessageBox::Icon icon, const QString& caption, const QString& text,
         QMessageBox::StandardButtons buttons, QMessageBox::StandardButton preset) {
    QMessageBox box(icon, caption, text, buttons, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(preset);
    return box.exec();
}

}  // namespace

void MessageBoxService::inform(const QString& text) {
    show(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok,
         QMessageBox::Ok);
}

bool MessageBoxService::ask(const QString& text, const QString& caption) {
    return show(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::Yes) == QMessageBox::Yes;
}

bool MessageBoxService::askDefaultNo(const QString& text, const QString& caption) {
    return show(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::No) == QMessageBox::Yes;
}

void MessageBoxService::error(const QString& text, const QString& caption) {
    show(QMessageBox::Warning, caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

}  // namespace pc::widgets
