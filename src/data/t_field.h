#pragma once
// One field object of a table: a stored field of the file or a calculated
// one, with its display settings and the value of the current record.
#include <QByteArray>
#include <QString>

namespace pc::data {

class TTable;

enum class TFieldType { String, Memo, Logical, Number, Date, Other };

class TField {
  public:
    TField(TTable* table, QString name, TFieldType type, bool calculated);
    TField(const TField&) = delete;
    TField& operator=(const TField&) = delete;

    TTable* table() const { return table_; }
    const QString& name() const { return name_; }
    // The name as the engine's calls take it, made once.
    const QByteArray& engineName() const { return engineName_; }
    TFieldType type() const { return type_; }
    bool calculated() const { return calculated_; }

    // The label shown in grids and field lists; the name when none is set.
    QString displayLabel() const { return label_.isEmpty() ? name_ : label_; }
    void setDisplayLabel(const QString& label) { label_ = label; }
    bool visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }
    // Characters; for stored fields taken from the file when the table opens.
    int width() const { return width_; }
    void setWidth(int width) { width_ = width; }

    // The current record's value without trailing blanks. Logical fields
    // read "T", "F" or "" (not set).
    const QString& text() const { return value_; }
    // Assigns a value: stored fields only while the table is in edit or
    // insert state, calculated ones only while the table calculates them.
    // Throws DataError otherwise.
    void setText(const QString& value);

    bool asBoolean() const { return value_ == QLatin1String("T"); }
    void setAsBoolean(bool value) { setText(value ? QStringLiteral("T") : QStringLiteral("F")); }

    // Logical fields: the words displayText() uses ("True"/"False" unless set).
    void setDisplayValues(const QString& trueText, const QString& falseText);
    // The value as a grid shows it: display values for logical fields.
    QString displayText() const;

    // Changed since the record was read (held until post).
    bool modified() const { return modified_; }

  private:
    friend class TTable;
    void load(const QString& value);  // the table reads a record
    const QString& original() const { return original_; }

    TTable* table_;
    QString name_;
    QByteArray engineName_;
    TFieldType type_;
    bool calculated_;
    QString label_;
    bool visible_ = true;
    int width_ = 0;
    QString value_;
    QString original_;  // as read, to put back when a post fails half-way
    bool modified_ = false;
    QString trueText_ = QStringLiteral("True");
    QString falseText_ = QStringLiteral("False");
};

}  // namespace pc::data
