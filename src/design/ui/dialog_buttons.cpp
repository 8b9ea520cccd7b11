#include "design/ui/dialog_buttons.h"

#include <QDialog>
#include <QPushButton>

#include "widgets/help_contexts.h"
#include "widgets/help_link.h"

namespace pc::design::ui {

DialogButtons makeDialogButtons(QDialog* dialog) {
    DialogButtons b;
    b.row = new QHBoxLayout;
    b.ok = new QPushButton(QStringLiteral("OK"), dialog);
    b.ok->setDefault(true);
    b.cancel = new QPushButton(QStringLiteral("Cancel"), dialog);
    b.help = new QPushButton(QStringLiteral("Help"), dialog);
    b.row->addStretch();
    b.row->addWidget(b.ok);
    b.row->addWidget(b.cancel);
    b.row->addWidget(b.help);
    QObject::connect(b.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(b.help, &QPushButton::clicked, dialog,
                     [] { pc::widgets::showHelp(pc::widgets::help::kLabelDesigner); });
    return b;
}

}  // namespace pc::design::ui
