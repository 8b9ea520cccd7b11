#pragma once
// "About Postcraft".
#include <QDialog>

namespace pc::app {

class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

}  // namespace pc::app
