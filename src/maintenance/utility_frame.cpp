#include "maintenance/utility_frame.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/help_link.h"

namespace pc::maintenance {

UtilityFrame buildUtilityFrame(QDialog& dialog, QWidget* options, const QString& actionText,
                               const char* actionName, int helpContext) {
    UtilityFrame f{new QLabel, new QProgressBar, new QPushButton(actionText),
                   new QPushButton(QStringLiteral("Cancel")),
                   new QPushButton(QStringLiteral("Help"))};
    f.progressLabel->setObjectName("ProgressLabel");
    f.progressLabel->hide();
    f.gauge->setObjectName("Gauge");
    f.gauge->hide();
    f.action->setObjectName(actionName);
    f.cancel->setObjectName("CancelButton");
    f.help->setObjectName("HelpButton");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {f.action, f.cancel, f.help}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(options);
    layout->addWidget(f.progressLabel);
    layout->addWidget(f.gauge);
    layout->addLayout(buttons);
    QObject::connect(f.help, &QPushButton::clicked, &dialog,
                     [helpContext] { widgets::showHelp(helpContext); });
    return f;
}

}  // namespace pc::maintenance
