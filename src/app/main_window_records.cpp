// Moving through the records, and adding, changing, cloning and deleting them.
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "app/t_address_main.h"
#include "app/unstorable_text_warning.h"
#include "data/controls_disabled.h"
#include "data/data_error.h"
#include "data/engine_setting_guards.h"
#include "data/record_lookup.h"
#include "data/t_apollo.h"
#include "data/t_data_source.h"
#include "data/t_table.h"
#include "records/aggressive_save.h"
#include "records/carry_forward.h"
#include "records/duplicate_name_check.h"
#include "records/memo_text.h"
#include "records/new_record_dialog.h"
#include "records/select_date_dialog.h"
#include "records/skip_fields.h"
#include "text/message_service.h"
#include "text/stored_date.h"
#include "widgets/busy_cursor.h"
#include "widgets/copy_record_dialog.h"
#include "widgets/field_binder.h"

namespace pc::app {

using pc::data::DataError;
using pc::data::TDataSetState;
using pc::data::TTable;

namespace {

void reportError(const DataError& error) {
    pc::text::messages().error(error.message(), "Postcraft");
}

// Everything a clone copies; TAG and ISDEL stay those of a new record.
const char* const kClonedFields[] = {"LNAME",  "FNAME",   "MIDDLE", "PREFIX", "TITLE", "ORG",
                                     "STREET", "STREET2", "CITY",   "STATE",  "ZIP",   "COUNTRY",
                                     "PHONE",  "PHONE2",  "EMAIL",  "FAX",    "CODES", "USER1",
                                     "USER2",  "DATE",    "MEMO"};

// The focus policy a box had before adding took it out of the Tab order.
constexpr char kFocusPolicyProperty[] = "pcFocusPolicyBeforeSkip";

}  // namespace

void TAddressMain::connectTable() {
    auto refreshAfterEvent = [this] {
        if (refreshOnPost) RefreshControls();
    };
    connect(TablePKW, &TTable::afterInsert, this, refreshAfterEvent);
    connect(TablePKW, &TTable::afterEdit, this, refreshAfterEvent);
    connect(TablePKW, &TTable::afterPost, this, &TAddressMain::TablePKWAfterPost);
    connect(TablePKW, &TTable::afterCancel, this, [this, refreshAfterEvent] {
        refreshAfterEvent();
        SetSkipFields(false);
    });
    connect(DataSourcePKW, &pc::data::TDataSource::dataChange, this,
            [this](pc::data::TField* field) {
                // The record changed under the window: show its memo.
                if (!field && DataSourcePKW->state() == TDataSetState::Browse) {
                    loadMemo();
                    if (refreshOnPost) RefreshControls();
                }
            });
    connect(MemoEdit, &QPlainTextEdit::textChanged, this, [this] {
        if (!memoLoading_ && !editing()) startEditFromUser();
    });
}

void TAddressMain::TablePKWAfterPost() {
    if (refreshOnPost) RefreshControls();
    SetSkipFields(false);
    if (prefs.aggressiveSave != records::AggressiveSave::None && !bulkOperation)
        CheckCloseAndOpen();
}

void TAddressMain::loadMemo() {
    memoLoading_ = true;
    QString memo;
    if (active() && TablePKW->hasCurrentRecord()) {
        if (auto* field = TablePKW->findField("MEMO")) memo = records::memoForEditor(field->text());
    }
    if (MemoEdit->toPlainText() != memo) MemoEdit->setPlainText(memo);
    memoLoading_ = false;
}

void TAddressMain::startEditFromUser() {
    if (!editing() && EditButton->isEnabled()) EditButtonClick();
}

void TAddressMain::moveWith(void (TTable::*move)(), bool beepAtEnd) {
    if (!active()) return;
    try {
        (TablePKW->*move)();
        if (beepAtEnd && (TablePKW->eof() || TablePKW->bof())) QApplication::beep();
    } catch (const DataError& error) {
        reportError(error);
    }
    loadMemo();
    RefreshControls();
}

void TAddressMain::FirstButtonClick() {
    moveWith(&TTable::first, false);
}

void TAddressMain::LastButtonClick() {
    moveWith(&TTable::last, false);
}

void TAddressMain::NextButtonClick() {
    moveWith(&TTable::next, true);
}

void TAddressMain::PriorButtonClick() {
    moveWith(&TTable::prior, true);
}

void TAddressMain::AddButtonClick() {
    if (!active() || editing()) return;
    Notebook->setCurrentIndex(0);
    auto currentValue = [this](const QString& name) {
        const auto* field = TablePKW->hasCurrentRecord() ? TablePKW->findField(name) : nullptr;
        return field ? field->text() : QString();
    };
    const records::CarriedFields carried = records::rememberCarriedFields(currentValue, prefs);

    records::NewRecordStart start;
    records::NewRecordFields asked;
    asked.askName = prefs.switchOn("AutoDupCheck");
    asked.askZip = prefs.switchOn("PlugCityState");
    if (asked.askName || asked.askZip) {
        auto width = [this](const char* name) {
            const auto* field = TablePKW->findField(name);
            return field ? field->width() : 0;
        };
        asked.lastWidth = width("LNAME");
        asked.firstWidth = width("FNAME");
        asked.zipWidth = width("ZIP");
        const auto entry = records::promptNewRecord(asked, this);
        if (!entry) return;
        start.last = entry->last;
        start.first = entry->first;
        start.zip = entry->zip;
    }
    if (!start.zip.isEmpty()) {
        QString city, state;
        if (FillCityState(start.zip, city, state)) {
            start.foundCity = city;
            start.foundState = state;
        }
    }
    if (!CheckDupName(start.first, start.last)) {
        loadMemo();
        RefreshControls();
        return;
    }

    try {
        memoLoading_ = true;
        MemoEdit->clear();
        memoLoading_ = false;
        TablePKW->insert();
        for (const auto& [name, text] :
             records::newRecordAssignments(start, carried, prefs, QDate::currentDate())) {
            auto* field = TablePKW->findField(name);
            // A default country longer than the file's field is cut to fit.
            if (field) field->setText(field->width() > 0 ? text.left(field->width()) : text);
        }
    } catch (const DataError& error) {
        memoLoading_ = false;
        reportError(error);
    }
    RefreshControls();
    if (!editing()) return;
    const QString focusField =
        records::addFocusField(prefs, TablePKW->fieldByName("LNAME").text().isEmpty(),
                               TablePKW->fieldByName("FNAME").text().isEmpty());
    if (QWidget* box = binder_->widgetFor(focusField)) box->setFocus();
    SetSkipFields(true);
}

bool TAddressMain::CheckDupName(const QString& first, const QString& last) {
    if (!active()) return true;
    return pc::records::CheckDupName(*TablePKW, *Apollo1, first, last);
}

bool TAddressMain::FillCityState(const QString& zip, QString& city, QString& state) {
    if (!active()) return false;
    const auto found = pc::data::cityStateForZip(*TablePKW, *Apollo1, zip);
    city = found ? found->city : QString();
    state = found ? found->state : QString();
    return found.has_value();
}

void TAddressMain::SetSkipFields(bool adding) {
    for (const records::SkipField& entry : records::skipFieldTable()) {
        QWidget* box =
            QString(entry.field) == "DATE" ? DateButton : binder_->widgetFor(entry.field);
        if (!box) continue;
        const QVariant before = box->property(kFocusPolicyProperty);
        if (adding && prefs.switchOn(entry.key)) {
            if (!before.isValid()) box->setProperty(kFocusPolicyProperty, int(box->focusPolicy()));
            box->setFocusPolicy(Qt::ClickFocus);  // still reachable with the mouse
        } else if (before.isValid()) {
            box->setFocusPolicy(static_cast<Qt::FocusPolicy>(before.toInt()));
            box->setProperty(kFocusPolicyProperty, QVariant());
        }
    }
}

void TAddressMain::EditButtonClick() {
    if (!active() || editing()) return;
    try {
        TablePKW->edit();
    } catch (const DataError& error) {
        reportError(error);
    }
    RefreshControls();
}

bool TAddressMain::SaveButtonClick() {
    if (!editing()) return false;
    try {
        TablePKW->fieldByName("MEMO").setText(records::memoForStorage(MemoEdit->toPlainText()));
        if (!confirmStorableText(*TablePKW, *binder_, MemoEdit)) return false;
        TablePKW->post();
    } catch (const DataError& error) {
        reportError(error);
        RefreshControls();
        return false;
    }
    if (active() && queryCount() == 0) ApplyQuery();
    loadMemo();
    RefreshControls();
    return true;
}

void TAddressMain::CheckCloseAndOpen() {
    if (!records::countSaveForReopen(saveCounter, prefs.aggressiveSave)) return;
    const int recno = Apollo1->recNo();
    bool reopened = false;
    {
        pc::widgets::BusyCursor busy;
        TablePKW->disableControls();
        binder_->detach();
        TablePKW->close();
        reopened = records::reopenQuietly(openDatabasePath, *TablePKW);
        if (reopened) {
            SetCurrentOrder(currentOrderTag);
            ApplyQuery();
            Apollo1->go(recno);  // a record gone meanwhile leaves the first one
        }
        TablePKW->enableControls();
        binder_->attach();
    }
    if (!reopened) {
        openDatabasePath.clear();
        showNoDataPanel(true);
        pc::text::messages().inform(records::reopenFailedMessage());
    }
    loadMemo();
    RefreshControls();
    if (reopened) emit tableReopened();
}

void TAddressMain::abandonEdit(const DataError& error) {
    reportError(error);
    try {
        if (editing()) TablePKW->cancel();
    } catch (const DataError&) {
        // The error that brought us here has been told; a second one adds nothing.
    }
}

void TAddressMain::CancelButtonClick() {
    if (!editing()) return;
    const bool wasInsert = TablePKW->state() == TDataSetState::Insert;
    try {
        TablePKW->cancel();
    } catch (const DataError& error) {
        reportError(error);
    }
    SetSkipFields(false);
    loadMemo();
    RefreshControls();
    if (wasInsert) LastEdit->setFocus();
}

void TAddressMain::DeleteButtonClick() {
    if (!controlState().browsing()) return;
    if (!pc::text::messages().ask("Delete this record?", "DELETE")) return;
    // The record keeps the engine's deletion mark and ISDEL, so it stays out
    // of every query even where the deleted filter is off.
    {
        pc::data::DeletedFilterSetting deletedShown(false);
        try {
            TablePKW->deleteRecord();
            TablePKW->edit();
            TablePKW->fieldByName("ISDEL").setAsBoolean(true);
            TablePKW->post();
        } catch (const DataError& error) {
            abandonEdit(error);
        }
    }
    try {
        if (active()) TablePKW->prior();
    } catch (const DataError&) {
        // Staying put is fine; the refresh below repositions if needed.
    }
    if (active() && queryCount() == 0) ApplyQuery();
    loadMemo();
    RefreshControls();
}

void TAddressMain::mnuCloneClick() {
    if (!controlState().browsing()) return;
    if (!pc::text::messages().ask("Clone this record?", "Clone")) return;
    bool cloned = false;
    {
        pc::widgets::BusyCursor busy;
        std::vector<std::pair<QString, QString>> values;
        for (const char* name : kClonedFields)
            if (const auto* field = TablePKW->findField(name))
                values.emplace_back(name, field->text());
        pc::data::ControlsDisabled quiet(*TablePKW);
        try {
            TablePKW->insert();
            for (const auto& [name, text] : values) TablePKW->fieldByName(name).setText(text);
            TablePKW->post();
            cloned = true;
        } catch (const DataError& error) {
            abandonEdit(error);
        }
    }
    loadMemo();
    RefreshControls();
    if (cloned) pc::text::messages().inform("Clone completed. Current record is an exact copy");
}

void TAddressMain::DateLabelClick() {
    if (!active()) return;
    if (!editing()) {
        startEditFromUser();
        if (!editing()) return;
    }
    const QDate initial =
        records::initialCalendarDate(TablePKW->fieldByName("DATE").text(), QDate::currentDate());
    const records::DateChoice choice = records::promptDate(initial, this);
    try {
        if (choice.kind == records::DateChoice::Kind::NoDate)
            TablePKW->fieldByName("DATE").setText({});
        else if (choice.kind == records::DateChoice::Kind::Date)
            TablePKW->fieldByName("DATE").setText(pc::text::dateToStored(choice.date));
    } catch (const DataError& error) {
        reportError(error);
    }
    RefreshControls();
}

void TAddressMain::CopyToClipboardClick() {
    if (!controlState().browsing()) return;
    pc::widgets::copyRecordToClipboard(
        [this](const QString& name) {
            const auto* field = TablePKW->findField(name);
            return field ? field->text() : QString();
        },
        this);
}

}  // namespace pc::app
