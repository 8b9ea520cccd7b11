// Orders, key and memo search, tagging and filters through the main window,
// against a scratch Postcraft home with a few addresses.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/startup.h"
#include "app/t_address_main.h"
#include "data/filter_file.h"
#include "data/record_lookup.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "named_child.h"
#include "records/filter_dialog.h"
#include "records/search_dialog.h"
#include "records/tagging_window.h"
#include "scratch_home.h"
#include "text/message_service.h"
#include "text/profile_file.h"
#include "text/program_paths.h"
#include "xbase/engine.h"

namespace pc::app {
namespace {

using pc::test::named;

using pc::data::Criterion;

// Runs `fn` on the next modal dialog of that class once its event loop runs
// (and `ready` says it may).
template <typename Dialog, typename Fn>
void onNextDialog(Fn fn, std::function<bool(Dialog*)> ready = {}) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, fn, ready] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog && (!ready || ready(dialog))) {
            timer->stop();
            timer->deleteLater();
            fn(dialog);
        }
    });
    timer->start();
}

class FilterSearchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        home = test::makeScratchHome(tempHome);
        w = std::make_unique<TAddressMain>();
        w->FormActivate();
        ASSERT_TRUE(w->active());
        add("Smith", "Austin", "TX", "B", "");
        add("Brown", "Boston", "MA", "C", "met at the fair");
        add("Browning", "Bostwick", "GA", "AB", "");
        add("Adams", "Dover", "DE", "", "Fair weather friend");
        w->ApplyQuery();
        w->RefreshControls();
    }
    void TearDown() override {
        w.reset();
        sx_CloseAll();
    }

    void add(const QString& lname, const QString& city, const QString& state, const QString& codes,
             const QString& memo) {
        pc::data::TTable& t = *w->TablePKW;
        t.insert();
        for (auto [field, value] : {std::pair{"LNAME", lname},
                                    {"CITY", city},
                                    {"STATE", state},
                                    {"CODES", codes},
                                    {"MEMO", memo}})
            t.fieldByName(field).setText(value);
        t.post();
    }
    QString current(const char* field = "LNAME") const {
        return w->TablePKW->fieldByName(field).text();
    }
    void goTo(const QString& lname) {
        w->FirstButtonClick();
        while (current() != lname && !w->TablePKW->eof()) w->NextButtonClick();
        ASSERT_EQ(current(), lname);
    }
    int taggedCount() {
        pc::data::FilterCriteria tagged;
        tagged.taggedOnly = true;
        w->filterCriteria = tagged;
        return w->ApplyQuery();
    }

    QTemporaryDir tempHome;
    QString home;
    pc::text::ScopedRecordingMessages messages;
    std::unique_ptr<TAddressMain> w;
};

TEST_F(FilterSearchTest, KeySearchFindsTheKeyStartOrStaysOnTheRecord) {
    goTo("Smith");
    EXPECT_TRUE(pc::data::seekKeyStart(*w->Apollo1, "brow"));
    EXPECT_EQ(current(), "Brown");
    goTo("Smith");
    EXPECT_FALSE(pc::data::seekKeyStart(*w->Apollo1, "zz"));
    EXPECT_EQ(current(), "Smith");

    // Through the dialog, in the City order: the key is city then state.
    onNextDialog<records::TSearchDialog>([](records::TSearchDialog* d) {
        EXPECT_EQ(named<QListWidget>(d, "OrderList")->currentItem()->text(), "Last Name");
        named<QListWidget>(d, "OrderList")->setCurrentRow(5);
        EXPECT_EQ(d->TextLabel->text(), "Search City starting with...");
        named<QLineEdit>(d, "TextEdit")->setText("bostw");
        d->accept();
    });
    w->SearchButtonClick();
    EXPECT_EQ(current(), "Browning");
    EXPECT_EQ(named<QLabel>(w, "OrderIndicator")->text(), "Sorted by City");
    EXPECT_TRUE(w->sortActions[5]->isChecked());
    EXPECT_FALSE(w->sortActions[0]->isChecked());
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(FilterSearchTest, MemoSearchMovesOnAndReturnsWhenNothingMatches) {
    goTo("Smith");
    w->SearchMemoButtonClick("FAIR");
    EXPECT_EQ(current(), "Adams");  // the first in last-name order
    EXPECT_FALSE(named<QAbstractButton>(w, "SearchMemoNextButton")->isHidden());
    w->SearchMemoNextButtonClick();
    EXPECT_EQ(current(), "Brown");
    w->SearchMemoNextButtonClick();  // no later match
    EXPECT_EQ(current(), "Brown");
    EXPECT_TRUE(named<QAbstractButton>(w, "SearchMemoNextButton")->isHidden());

    goTo("Smith");
    w->SearchMemoButtonClick("nowhere");
    EXPECT_EQ(current(), "Smith");
    EXPECT_TRUE(named<QAbstractButton>(w, "SearchMemoNextButton")->isHidden());
}

TEST_F(FilterSearchTest, TaggingAndClearTags) {
    const QString firstId = w->prefs.globalTagId;
    goTo("Brown");
    QTest::mouseClick(named<QCheckBox>(w, "TaggedCheck"), Qt::LeftButton);
    EXPECT_EQ(current("TAG"), firstId);
    EXPECT_TRUE(named<QCheckBox>(w, "TaggedCheck")->isChecked());
    w->ToggleTag();
    EXPECT_EQ(current("TAG"), "");
    EXPECT_FALSE(named<QCheckBox>(w, "TaggedCheck")->isChecked());
    w->ToggleTag();
    EXPECT_EQ(taggedCount(), 1);

    // A new identifier untags every record without rewriting any, and the
    // tagged-only filter that now matches nothing is dropped.
    w->mnuClearTagsClick();
    EXPECT_NE(w->prefs.globalTagId, firstId);
    EXPECT_EQ(pc::text::ProfileFile(home + "POSTCR.ini").readString("Misc", "GlobalTagId"),
              w->prefs.globalTagId);
    EXPECT_TRUE(w->filterString.isEmpty());
    EXPECT_FALSE(w->filterCriteria.taggedOnly);
    goTo("Brown");
    EXPECT_EQ(current("TAG"), firstId);
    EXPECT_FALSE(named<QCheckBox>(w, "TaggedCheck")->isChecked());
    EXPECT_EQ(taggedCount(), 0);
    // Twice within a second still gives an identifier no record holds.
    w->mnuClearTagsClick();
    goTo("Brown");
    EXPECT_FALSE(named<QCheckBox>(w, "TaggedCheck")->isChecked());
    w->ToggleTag();
    EXPECT_EQ(current("TAG"), w->prefs.globalTagId) << messages->texts().join('|').toStdString();
}

TEST_F(FilterSearchTest, TagAllFilterMatchesTagsEveryMatch) {
    w->filterCriteria[Criterion::LastName] = "brow";
    ASSERT_EQ(w->ApplyQuery(), 2);
    w->RefreshControls();
    EXPECT_TRUE(w->mnuTagAllFilterMatches->isEnabled());
    onNextDialog<records::TTaggingWindow>(
        [](records::TTaggingWindow* d) {
            EXPECT_EQ(d->StatusLabel->text(), "Complete");
            EXPECT_TRUE(d->CancelButton->isHidden());
            d->OkButton->click();
        },
        [](records::TTaggingWindow* d) { return !d->OkButton->isHidden(); });
    w->mnuTagAllFilterMatchesClick();
    EXPECT_EQ(messages->texts(), QStringList{"Tag all records matching filter?"});
    EXPECT_FALSE(w->bulkOperation);
    EXPECT_TRUE(w->refreshOnPost);
    w->ClearFilterClick();
    EXPECT_EQ(taggedCount(), 2);
}

TEST_F(FilterSearchTest, FilterDialogTestsKeepsAndRestores) {
    onNextDialog<records::TFilterDialog>([](records::TFilterDialog* d) {
        EXPECT_FALSE(d->DateNote->isVisible());
        QFocusEvent focusIn(QEvent::FocusIn);
        QApplication::sendEvent(d->box(Criterion::Date), &focusIn);
        EXPECT_TRUE(d->DateNote->isVisible());
        d->box(Criterion::Codes)->setText("$C");
        d->OkButton->click();
    });
    w->FilterButtonClick();
    EXPECT_EQ(messages->texts(), QStringList{"1 matches"});
    EXPECT_EQ(w->filterString, "\"C\"$UPPER(CODES)");
    EXPECT_EQ(w->Apollo1->query(), "\"C\"$UPPER(CODES).and. !ISDEL");
    EXPECT_EQ(named<QLabel>(w, "FilterIndicator")->text(), "1 filter matches");
    EXPECT_FALSE(named<QAbstractButton>(w, "ClearFilterButton")->isHidden());

    // A filter without matches is dropped by Test; Ok stays open; Cancel
    // brings back the filter the dialog started with.
    messages->clear();
    onNextDialog<records::TFilterDialog>([](records::TFilterDialog* d) {
        EXPECT_EQ(d->box(Criterion::Codes)->text(), "$C");
        d->box(Criterion::LastName)->setText("zz");
        d->OkButton->click();
        EXPECT_TRUE(d->isVisible());
        d->CancelButton->click();
    });
    w->FilterButtonClick();
    EXPECT_EQ(messages->texts(), QStringList{"No filter set"});
    EXPECT_EQ(w->filterString, "\"C\"$UPPER(CODES)");

    messages->clear();
    for (int i = 0; i < pc::data::kCriterionCount; ++i) w->filterCriteria.values[i] = "abcdefghij";
    EXPECT_EQ(w->ApplyQuery(), 0);
    EXPECT_EQ(messages->texts(), QStringList{"Sorry - filter is too complex.Please simplify it."});
    EXPECT_EQ(w->Apollo1->query(), "!ISDEL");
    EXPECT_EQ(w->filterCriteria, pc::data::FilterCriteria());
}

TEST_F(FilterSearchTest, SaveAndRestoreFilterFiles) {
    w->filterCriteria[Criterion::City] = "bos";
    ASSERT_EQ(w->ApplyQuery(), 2);
    w->mnuSaveFilterClick(home + "cities");
    ASSERT_TRUE(QFile::exists(home + "cities.FLT"));

    w->filterCriteria[Criterion::City] = "aus";
    messages->answer(false);
    w->mnuSaveFilterClick(home + "cities.FLT");
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(messages->shown()[0].kind, "askDefaultNo");
    EXPECT_EQ(messages->shown()[0].text,
              home + "cities.FLT already exists.\r\nDo you want to overwrite it?");
    EXPECT_EQ(messages->shown()[0].caption, "Warning!");
    w->mnuSaveFilterClick(home + "cities.txt");
    w->mnuRestoreFilterClick(home + "cities.txt");
    EXPECT_EQ(messages->texts().mid(1),
              (QStringList{"Must have a .FLT extension", "Must be a Filter (.FLT) file"}));

    w->ClearFilterClick();
    EXPECT_TRUE(w->filterString.isEmpty());
    w->mnuRestoreFilterClick(home + "cities.FLT");
    EXPECT_EQ(w->filterCriteria[Criterion::City], "bos");
    EXPECT_EQ(w->queryCount(), 2);
}

}  // namespace
}  // namespace pc::app
