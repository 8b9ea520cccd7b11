#pragma once
// The frame of the utility dialogs that run over many records (copy out,
// delete, search and replace): their options on top, a progress label and
// a gauge hidden until a run, and the button row of the action, "Cancel"
// and "Help" (opening the dialog's topic).
#include <QString>

class QDialog;
class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace pc::maintenance {

struct UtilityFrame {
    QLabel* progressLabel;
    QProgressBar* gauge;
    QPushButton* action;
    QPushButton* cancel;
    QPushButton* help;
};

UtilityFrame buildUtilityFrame(QDialog& dialog, QWidget* options, const QString& actionText,
                               const char* actionName, int helpContext);

}  // namespace pc::maintenance
