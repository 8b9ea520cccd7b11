#include "widgets/field_binder.h"

#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>

#include "data/data_error.h"
#include "data/t_table.h"

namespace pc::widgets {

using pc::data::TDataSetState;
using pc::data::TField;

FieldBinder::FieldBinder(pc::data::TTable* table, QObject* parent)
    : QObject(parent), table_(table) {
    connect(table_, &pc::data::TTable::dataChanged, this, &FieldBinder::fieldChanged);
    // With controls disabled a loop edits and posts record after record;
    // enabling them again shows the final record and state in one go.
    connect(table_, &pc::data::TTable::stateChanged, this, [this] {
        if (attached_ && !table_->controlsDisabled()) refresh();
    });
}

void FieldBinder::add(QWidget* widget, const QString& fieldName, Kind kind) {
    bindings_.push_back({widget, fieldName, kind});
    widget->installEventFilter(this);
    const Binding binding = bindings_.back();
    if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && kind == Kind::Edit) {
        connect(edit, &QLineEdit::textEdited, this,
                [this, binding](const QString& text) { textEdited(binding, text); });
    }
    show(binding);
}

void FieldBinder::bindEdit(QLineEdit* edit, const QString& fieldName) {
    add(edit, fieldName, Kind::Edit);
}

void FieldBinder::bindDisplay(QLineEdit* edit, const QString& fieldName) {
    edit->setReadOnly(true);
    add(edit, fieldName, Kind::Display);
}

void FieldBinder::bindCheck(QCheckBox* box, const QString& fieldName) {
    add(box, fieldName, Kind::Check);
}

bool FieldBinder::editing() const {
    return table_->state() == TDataSetState::Edit || table_->state() == TDataSetState::Insert;
}

void FieldBinder::detach() {
    attached_ = false;
    for (const auto& binding : bindings_) binding.widget->setEnabled(false);
}

void FieldBinder::attach() {
    attached_ = true;
    for (const auto& binding : bindings_) binding.widget->setEnabled(true);
    refresh();
}

void FieldBinder::refresh() {
    for (const auto& binding : bindings_) show(binding);
}

void FieldBinder::show(const Binding& binding) {
    loading_ = true;
    const TField* field = table_->active() ? table_->findField(binding.fieldName) : nullptr;
    const QString text = field ? field->text() : QString();
    if (auto* edit = qobject_cast<QLineEdit*>(binding.widget)) {
        if (binding.kind == Kind::Edit) {
            edit->setReadOnly(!editing());
            // Setting the length again puts the caret at the end, even unchanged.
            if (field && field->width() > 0 && edit->maxLength() != field->width())
                edit->setMaxLength(field->width());
        }
        // Keep the caret where the user is typing when nothing changed; a new
        // value shows from its beginning, not its end.
        if (edit->text() != text) {
            edit->setText(text);
            edit->setCursorPosition(0);
        } else if (!editing()) {
            edit->setCursorPosition(0);
        }
    } else if (auto* box = qobject_cast<QCheckBox*>(binding.widget)) {
        box->setChecked(field && field->asBoolean());
    }
    loading_ = false;
}

void FieldBinder::fieldChanged(TField* field) {
    if (!attached_ || table_->controlsDisabled()) return;
    for (const auto& binding : bindings_) {
        if (!field || binding.fieldName.compare(field->name(), Qt::CaseInsensitive) == 0 ||
            binding.kind != Kind::Edit)
            show(binding);
    }
}

void FieldBinder::textEdited(const Binding& binding, const QString& text) {
    if (loading_ || !attached_ || !editing()) return;
    if (TField* field = table_->findField(binding.fieldName)) {
        try {
            field->setText(text);
        } catch (const pc::data::DataError&) {
            show(binding);  // the table refused: show what it holds
        }
    }
}

bool FieldBinder::isBound(const QWidget* widget) const {
    for (const auto& binding : bindings_)
        if (binding.widget == widget) return true;
    return false;
}

QWidget* FieldBinder::widgetFor(const QString& fieldName) const {
    for (const auto& binding : bindings_)
        if (binding.fieldName.compare(fieldName, Qt::CaseInsensitive) == 0) return binding.widget;
    return nullptr;
}

bool FieldBinder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick && attached_ && !editing())
        emit doubleClicked();
    return QObject::eventFilter(watched, event);
}

}  // namespace pc::widgets
