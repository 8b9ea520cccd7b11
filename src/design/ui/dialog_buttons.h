#pragma once
// The OK, Cancel and Help row the objects' dialogs share. Help opens the
// label designer's topic.
#include <QHBoxLayout>

class QDialog;
class QPushButton;

namespace pc::design::ui {

struct DialogButtons {
    QHBoxLayout* row;
    QPushButton* ok;
    QPushButton* cancel;
    QPushButton* help;
};

// Cancel rejects and Help opens the topic; the caller connects OK.
DialogButtons makeDialogButtons(QDialog* dialog);

}  // namespace pc::design::ui
