// Moving through the records, and adding, changing and deleting them.
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "app/field_binder.h"
#include "app/t_address_main.h"
#include "data/data_error.h"
#include "data/t_apollo.h"
#include "data/t_data_source.h"
#include "data/t_table.h"
#include "text/copy_record_dialog.h"
#include "text/message_service.h"
#include "xbase/engine.h"

namespace pc::app {

using pc::data::DataError;
using pc::data::TDataSetState;
using pc::data::TTable;

namespace {

void reportError(const DataError& error) {
    pc::text::messages().error(error.message(), "Postcraft");
}

// Memos are kept with CR LF line breaks, as other xBase tools expect.
QString memoForStorage(const QString& text) {
    QString stored = text;
    stored.replace("\n", "\r\n");
    return stored;
}

}  // namespace

void TAddressMain::connectTable() {
    auto refreshAfterEvent = [this] {
        if (refreshOnPost) RefreshControls();
    };
    connect(TablePKW, &TTable::afterInsert, this, refreshAfterEvent);
    connect(TablePKW, &TTable::afterEdit, this, refreshAfterEvent);
    connect(TablePKW, &TTable::afterPost, this, &TAddressMain::TablePKWAfterPost);
    connect(TablePKW, &TTable::afterCancel, this, refreshAfterEvent);
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
}

void TAddressMain::loadMemo() {
    memoLoading_ = true;
    QString memo;
    if (active() && TablePKW->hasCurrentRecord()) {
        if (auto* field = TablePKW->findField("MEMO")) memo = field->text();
    }
    memo.replace("\r\n", "\n");
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
    try {
        memoLoading_ = true;
        MemoEdit->clear();
        memoLoading_ = false;
        TablePKW->insert();
    } catch (const DataError& error) {
        memoLoading_ = false;
        reportError(error);
    }
    RefreshControls();
    LastEdit->setFocus();
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
        TablePKW->fieldByName("MEMO").setText(memoForStorage(MemoEdit->toPlainText()));
        TablePKW->post();
    } catch (const DataError& error) {
        reportError(error);
        RefreshControls();
        return false;
    }
    if (queryCount() == 0) ApplyQuery();
    RefreshControls();
    return true;
}

void TAddressMain::CancelButtonClick() {
    if (!editing()) return;
    const bool wasInsert = TablePKW->state() == TDataSetState::Insert;
    try {
        TablePKW->cancel();
    } catch (const DataError& error) {
        reportError(error);
    }
    loadMemo();
    RefreshControls();
    if (wasInsert) LastEdit->setFocus();
}

void TAddressMain::DeleteButtonClick() {
    if (!controlState().browsing()) return;
    if (!pc::text::messages().ask("Delete this record?", "DELETE")) return;
    // The record keeps the engine's deletion mark and ISDEL, so it stays out
    // of every query even where the deleted filter is off.
    const bool previous = sx_SetDeleted(false);
    try {
        TablePKW->deleteRecord();
        TablePKW->edit();
        TablePKW->fieldByName("ISDEL").setAsBoolean(true);
        TablePKW->post();
    } catch (const DataError& error) {
        reportError(error);
        try {
            if (editing()) TablePKW->cancel();
        } catch (const DataError&) {
        }
    }
    sx_SetDeleted(previous);
    try {
        TablePKW->prior();
    } catch (const DataError&) {
        // Staying put is fine; the refresh below repositions if needed.
    }
    if (queryCount() == 0) ApplyQuery();
    loadMemo();
    RefreshControls();
}

void TAddressMain::CopyToClipboardClick() {
    if (!controlState().browsing()) return;
    pc::text::copyRecordToClipboard(
        [this](const QString& name) {
            const auto* field = TablePKW->findField(name);
            return field ? field->text() : QString();
        },
        this);
}

}  // namespace pc::app
