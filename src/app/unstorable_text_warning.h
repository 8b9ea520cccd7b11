#pragma once
// The main window's check before a record is saved: text the table cannot
// store would become "?", so the user is told which boxes hold it and may go
// back to change it.
class QWidget;

namespace pc::data {
class TTable;
}

namespace pc::widgets {
class FieldBinder;
}

namespace pc::app {

// True to go on saving: nothing is lost, or the user chose to save with "?".
// On No the first box concerned gets the focus. `memoEditor` stands for the
// memo field, which no binder box shows.
bool confirmStorableText(const pc::data::TTable& table, const widgets::FieldBinder& binder,
                         QWidget* memoEditor);

}  // namespace pc::app
