// Finding records by key and by memo text, and tagging them.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QInputDialog>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include "app/t_address_main.h"
#include "data/controls_disabled.h"
#include "data/data_error.h"
#include "data/record_lookup.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "records/record_tagging.h"
#include "records/search_dialog.h"
#include "records/searching_window.h"
#include "records/sort_orders.h"
#include "records/tagging_window.h"
#include "text/message_service.h"
#include "text/profile_file.h"
#include "text/program_paths.h"
#include "text/progress.h"
#include "text/text_utils.h"
#include "widgets/field_binder.h"
#include "widgets/window_placement.h"

namespace pc::app {

using pc::data::DataError;

namespace {

void reportError(const DataError& error) {
    pc::text::messages().error(error.message(), "Postcraft");
}

// A left press on the Tagged box toggles the tag; the box never changes
// itself, it only shows the record.
class TagClickFilter : public QObject {
  public:
    TagClickFilter(TAddressMain* window) : QObject(window), window_(window) {}
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
                if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                    window_->ToggleTag();
                return true;
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
                return true;
            default:
                return false;
        }
    }

  private:
    TAddressMain* window_;
};

}  // namespace

void TAddressMain::SearchButtonClick() {
    if (!controlState().browsing()) return;
    int checked = 0;
    for (int i = 0; i < static_cast<int>(sortActions.size()); ++i) {
        if (sortActions[i]->isChecked()) checked = i;
    }
    records::TSearchDialog dialog(checked, this);
    pc::widgets::centreWindow(&dialog, this);
    if (dialog.exec() != QDialog::Accepted || dialog.text().isEmpty()) return;
    const int chosen = dialog.orderIndex();
    if (chosen >= 0 && chosen < static_cast<int>(sortActions.size()))
        SetOrderTo(records::orderNameFromCaption(sortActions[chosen]->text()));
    pc::data::seekKeyStart(*Apollo1, dialog.text());
    loadMemo();
    RefreshControls();
}

void TAddressMain::SearchMemoButtonClick(const QString& chosen) {
    if (!controlState().browsing()) return;
    QString text = chosen;
    if (text.isEmpty()) {
        bool ok = false;
        text = QInputDialog::getText(this, "Memo Search", "Search For", QLineEdit::Normal,
                                     memoSearch.text(), &ok);
        if (!ok) return;
    }
    memoSearch.start(text);
    FindTextInMemo(true);
}

void TAddressMain::SearchMemoNextButtonClick() {
    if (!controlState().browsing() || !memoSearch.found()) return;
    FindTextInMemo(false);
}

bool TAddressMain::FindTextInMemo(bool first) {
    records::TSearchingWindow searching(memoSearch.text(), this);
    searching.show();
    bool found = false;
    {
        pc::data::ControlsDisabled quiet(*TablePKW);
        try {
            found = memoSearch.find(*TablePKW, *Apollo1, first,
                                    pc::text::throttled([&searching](int, int) {
                                        QCoreApplication::processEvents();
                                        return !searching.cancelled();
                                    }));
        } catch (const DataError& error) {
            reportError(error);
        }
        if (!found) QApplication::beep();
    }
    searching.close();
    SearchMemoNextButton->setVisible(found);
    loadMemo();
    RefreshControls();
    return found;
}

void TAddressMain::ToggleTag() {
    if (!active() || !TablePKW->hasCurrentRecord()) return;
    const bool wasEditing = editing();
    if (!wasEditing) {
        refreshOnPost = false;
        bulkOperation = true;
    }
    try {
        records::toggleTag(*TablePKW, prefs.globalTagId);
    } catch (const DataError& error) {
        if (wasEditing)
            reportError(error);
        else
            abandonEdit(error);
    }
    if (!wasEditing) {
        bulkOperation = false;
        refreshOnPost = true;
        if (!filterString.isEmpty() && queryCount() == 0) ApplyQuery();
    }
    loadMemo();
    RefreshControls();
}

void TAddressMain::mnuClearTagsClick() {
    if (!active() || editing()) return;
    // The identifier counts seconds. Clearing twice within a second must not
    // hand out the current one again, nor one used before it, or the records
    // tagged with that one would be tagged again.
    static QDateTime lastIssued;
    QDateTime when = QDateTime::currentDateTime();
    if (lastIssued.isValid() && when <= lastIssued) when = lastIssued.addSecs(1);
    QString id = pc::text::newTagIdentifier(when);
    while (id == prefs.globalTagId) {
        when = when.addSecs(1);
        id = pc::text::newTagIdentifier(when);
    }
    lastIssued = when;
    prefs.globalTagId = id;
    pc::text::ProfileFile(pc::text::settingsPath()).writeString("Misc", "GlobalTagId", id);
    ApplyQuery();
    TablePKW->refreshCalculatedFields();
    loadMemo();
    RefreshControls();
}

void TAddressMain::mnuTagAllFilterMatchesClick() {
    if (!active() || editing() || filterString.isEmpty()) return;
    if (!pc::text::messages().ask("Tag all records matching filter?", "TAG ALL")) return;
    refreshOnPost = false;
    bulkOperation = true;
    records::TTaggingWindow tagging(this);
    tagging.setWindowModality(Qt::WindowModal);
    tagging.show();
    {
        pc::data::ControlsDisabled quiet(*TablePKW);
        try {
            // The count and the events follow the loop a few times a second;
            // drawing after every record made tagging crawl.
            records::tagAllMatches(*TablePKW, prefs.globalTagId,
                                   pc::text::throttled([&tagging](int count, int) {
                                       tagging.showCount(count);
                                       QCoreApplication::processEvents();
                                       return !tagging.cancelled();
                                   }));
        } catch (const DataError& error) {
            abandonEdit(error);
        }
    }
    try {
        TablePKW->first();
    } catch (const DataError&) {
    }
    tagging.finish();
    tagging.exec();
    refreshOnPost = true;
    bulkOperation = false;
    FirstButtonClick();
}

void TAddressMain::connectSearchAndFilter() {
    connect(mnuSearch, &QAction::triggered, this, &TAddressMain::SearchButtonClick);
    connect(SearchButton, &QToolButton::clicked, this, &TAddressMain::SearchButtonClick);
    connect(SearchMemoButton, &QPushButton::clicked, this, [this] { SearchMemoButtonClick(); });
    connect(SearchMemoNextButton, &QPushButton::clicked, this,
            &TAddressMain::SearchMemoNextButtonClick);
    connect(mnuClearTags, &QAction::triggered, this, &TAddressMain::mnuClearTagsClick);
    connect(mnuTagAllFilterMatches, &QAction::triggered, this,
            &TAddressMain::mnuTagAllFilterMatchesClick);
    TaggedCheck->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    TaggedCheck->installEventFilter(new TagClickFilter(this));

    connect(mnuSetFilter, &QAction::triggered, this, &TAddressMain::FilterButtonClick);
    connect(FilterButton, &QToolButton::clicked, this, &TAddressMain::FilterButtonClick);
    connect(mnuSaveFilter, &QAction::triggered, this, [this] { mnuSaveFilterClick(); });
    connect(mnuRestoreFilter, &QAction::triggered, this, [this] { mnuRestoreFilterClick(); });
}

}  // namespace pc::app
