#pragma once
// The help window: a contents list, a keyword search and the page viewer. One
// window serves the whole program; asking for a context brings it forward.
#include <QDialog>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace pc::app {

class HelpWindow : public QDialog {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the shared window at a context number.
    static HelpWindow* showContext(int context);
    // Shows the shared window with the search box focused and the query run.
    static HelpWindow* showSearch(const QString& query = {});
    static HelpWindow* instance();

    void openContext(int context);
    void runSearch(const QString& query);
    int currentContext() const { return current_; }
    QTextBrowser* browser() const { return browser_; }
    QListWidget* resultList() const { return results_; }

  private:
    void followModalDialog();
    void fillList(const std::vector<int>& contexts);

    QListWidget* results_ = nullptr;
    QLineEdit* search_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    int current_ = 0;
    QMetaObject::Connection modalClosed_;
};

}  // namespace pc::app
