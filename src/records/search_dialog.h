#pragma once
// "Search": pick an order and type the beginning of a key.
#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;

namespace pc::records {

class TSearchDialog : public QDialog {
    Q_OBJECT
  public:
    // `orderIndex` presets the list (the checked Sort menu item).
    explicit TSearchDialog(int orderIndex, QWidget* parent = nullptr);

    int orderIndex() const;
    QString text() const;

    QListWidget* OrderList;
    QLabel* TextLabel;
    QLineEdit* TextEdit;

  private:
    void orderChanged();
};

}  // namespace pc::records
