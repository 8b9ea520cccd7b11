#pragma once
// "Getting Started": a page of first steps whose links open help topics, and
// the switch that keeps the screen from showing at start-up.
#include <QDialog>

class QCheckBox;
class QTextBrowser;

namespace pc::app {

// The help context a link of the page leads to, compared in upper case
// ("new" -> 1037); 0 for an unknown link.
int gettingStartedContext(const QString& link);

class TGettingStarted : public QDialog {
    Q_OBJECT
  public:
    TGettingStarted(const QString& settingsPath, QWidget* parent = nullptr);

    QCheckBox* dontShowBox() const { return dontShow_; }
    QTextBrowser* page() const { return page_; }
    // Writes "GettingStarted" in "Misc" and closes.
    void OkButtonClick();
    // What a click on a link does; the help context it opened or 0.
    int LinkClick(const QUrl& link);

  private:
    QString settingsPath_;
    QCheckBox* dontShow_ = nullptr;
    QTextBrowser* page_ = nullptr;
};

}  // namespace pc::app
