#include "data/t_field.h"

#include "data/data_error.h"
#include "data/t_table.h"

namespace pc::data {

namespace {

QString withoutTrailingBlanks(QString value) {
    qsizetype n = value.size();
    while (n > 0 && value.at(n - 1) == QLatin1Char(' ')) --n;
    value.truncate(n);
    return value;
}

// Logical values are kept in the engine's own letters.
QString logicalText(const QString& value) {
    const QString v = value.trimmed().toUpper();
    if (v.isEmpty()) return {};
    if (v == "T" || v == "Y" || v == ".T." || v == "TRUE" || v == "YES" || v == "1")
        return QStringLiteral("T");
    return QStringLiteral("F");
}

}  // namespace

TField::TField(TTable* table, QString name, TFieldType type, bool calculated)
    : table_(table),
      name_(std::move(name)),
      engineName_(name_.toUtf8()),
      type_(type),
      calculated_(calculated) {}

void TField::setText(const QString& value) {
    if (calculated_) {
        if (!table_->calculating())
            throw DataError("Field '" + name_ + "' is calculated and cannot be modified");
    } else if (table_->state() != TDataSetState::Edit && table_->state() != TDataSetState::Insert) {
        throw DataError("Cannot modify field '" + name_ +
                        "': the table is not in edit or insert state");
    }
    // Calculated values are kept exactly as computed.
    if (calculated_) {
        value_ = type_ == TFieldType::Logical ? logicalText(value) : value;
        return;
    }
    // Memos keep trailing blanks: they are free text, not padded fields.
    QString v = type_ == TFieldType::Logical ? logicalText(value)
                : type_ == TFieldType::Memo  ? value
                                             : withoutTrailingBlanks(value);
    if (v == value_) return;
    value_ = v;
    modified_ = true;
    table_->fieldChanged(this);
}

void TField::setDisplayValues(const QString& trueText, const QString& falseText) {
    trueText_ = trueText;
    falseText_ = falseText;
}

QString TField::displayText() const {
    if (type_ != TFieldType::Logical) return value_;
    if (value_.isEmpty()) return {};
    return asBoolean() ? trueText_ : falseText_;
}

void TField::load(const QString& value) {
    value_ = value;
    original_ = value;
    modified_ = false;
}

}  // namespace pc::data
