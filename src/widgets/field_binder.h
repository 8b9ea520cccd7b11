#pragma once
// Binds the main window's boxes to the field objects of a table: shows the
// current record's values, hands typed text to the field while the record is
// being edited, and can be detached (boxes disabled, no updates) while a
// subsystem works on the table.
#include <QObject>
#include <QString>
#include <vector>

class QCheckBox;
class QLineEdit;
class QWidget;

namespace pc::data {
class TField;
class TTable;
}  // namespace pc::data

namespace pc::widgets {

class FieldBinder : public QObject {
    Q_OBJECT
  public:
    explicit FieldBinder(pc::data::TTable* table, QObject* parent = nullptr);

    // Typed text goes to the field; the box's length limit is the field's width.
    void bindEdit(QLineEdit* edit, const QString& fieldName);
    // Shown only, never typed into (the display date).
    void bindDisplay(QLineEdit* edit, const QString& fieldName);
    void bindCheck(QCheckBox* box, const QString& fieldName);

    // Disables the boxes and stops following the table.
    void detach();
    // Follows the table again and shows the current record.
    void attach();
    bool attached() const { return attached_; }

    // Shows the current record (empty boxes while the table is closed) and
    // makes the boxes typeable only while the record is edited.
    void refresh();
    bool isBound(const QWidget* widget) const;
    QWidget* widgetFor(const QString& fieldName) const;

  signals:
    // A bound box was double-clicked (the window starts an edit).
    void doubleClicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Kind { Edit, Display, Check };
    struct Binding {
        QWidget* widget;
        QString fieldName;
        Kind kind;
    };
    void add(QWidget* widget, const QString& fieldName, Kind kind);
    void show(const Binding& binding);
    void fieldChanged(pc::data::TField* field);
    void textEdited(const Binding& binding, const QString& text);
    bool editing() const;

    pc::data::TTable* table_;
    std::vector<Binding> bindings_;
    bool attached_ = true;
    bool loading_ = false;  // filling the boxes must not feed back into fields
};

}  // namespace pc::widgets
