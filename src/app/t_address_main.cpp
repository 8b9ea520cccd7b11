#include "app/t_address_main.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include "app/help_topics.h"
#include "app/indicator_texts.h"
#include "app/main_window_session.h"
#include "app/subsystem_tables.h"
#include "data/address_schema.h"
#include "data/data_error.h"
#include "data/session.h"
#include "data/t_apollo.h"
#include "data/t_apollo_env.h"
#include "data/t_data_source.h"
#include "data/t_table.h"
#include "records/overwrite_typing.h"
#include "widgets/field_binder.h"
#include "widgets/window_placement.h"

namespace pc::app {

using pc::data::TDataSetState;

TAddressMain::TAddressMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName("TAddressMain");
    setWindowTitle("Postcraft");
    setWindowIcon(QIcon(":/icons/postcraft.png"));
    setFont(QFont("Arial", 8));

    registerSubsystemTables();
    ApolloEnv1 = new pc::data::TApolloEnv;
    TablePKW = new pc::data::TTable(this);
    TablePKW->setObjectName("TablePKW");
    TablePKW->setFileName("ADD0001.DBF");
    TablePKW->setExclusive(true);
    TablePKW->setOrderTagName("LNAME");
    pc::data::defineAddressFields(*TablePKW, [this] { return prefs.globalTagId; });
    DataSourcePKW = new pc::data::TDataSource(TablePKW, this);
    DataSourcePKW->setObjectName("DataSourcePKW");
    Apollo1 = new pc::data::TApollo(TablePKW);
    TAbleCreate = new pc::data::TTable(this);
    TAbleCreate->setObjectName("TAbleCreate");
    ApolloCreate = new pc::data::TApollo(TAbleCreate);

    sessionHost_ = std::make_unique<MainWindowSessionHost>(*this);
    session_ = std::make_unique<pc::data::Session>(*TablePKW, *Apollo1, *sessionHost_);
    binder_ = new widgets::FieldBinder(TablePKW, this);
    overwrite_ = new records::OverwriteTyping(this);
    createLayout();
    createMenus();
    connectTable();
    for (QWidget* editor : findChildren<QLineEdit*>()) overwrite_->install(editor);
    overwrite_->install(MemoEdit);
    // The window sees keys before its controls.
    qApp->installEventFilter(this);

    OrderIndicator->clear();
    FilterIndicator->clear();
    Notebook->setCurrentIndex(0);
    saveCounter = 0;
    OnlineMenu->menuAction()->setVisible(true);

    // The designed client area; Qt scales logical pixels on HiDPI screens.
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    RefreshControls();
}

TAddressMain::~TAddressMain() {
    qApp->removeEventFilter(this);
    if (TablePKW->active()) TablePKW->close();
    if (TAbleCreate->active()) TAbleCreate->close();
    delete Apollo1;
    delete ApolloCreate;
    delete ApolloEnv1;
}

bool TAddressMain::active() const {
    return TablePKW->active();
}

bool TAddressMain::editing() const {
    const TDataSetState state = TablePKW->state();
    return state == TDataSetState::Edit || state == TDataSetState::Insert;
}

ControlState TAddressMain::controlState() const {
    ControlState state;
    state.active = active();
    state.editing = editing();
    state.positioned = state.active && Apollo1->recNo() != Apollo1->recCount() + 1;
    state.filterEmpty = filterString.isEmpty();
    return state;
}

void TAddressMain::RefreshControls() {
    const ControlState state = controlState();
    const ControlFlags f = controlRules(state);
    auto enable = [](QAction* action, bool on) { action->setEnabled(on); };
    auto enableWidget = [](QWidget* widget, bool on) { widget->setEnabled(on); };

    EditMenu->setEnabled(f.activeCommandsEnabled);
    for (QAction* a : {mnuRebuildIndexes, mnuImportDbf, mnuImportAscii, mnuImport1x, mnuImport2x,
                       mnuClearTags, mnuRestoreFilter})
        enable(a, f.activeCommandsEnabled);
    ImportMenu->setEnabled(f.activeCommandsEnabled);

    // Hide before showing: a moment with both button sets on the bar would
    // widen the window for good.
    const std::pair<QWidget*, bool> shown[] = {
        {SaveButton, f.saveCancelShown},
        {CancelButton, f.saveCancelShown},
        {AddButton, f.addVisible},
        {EditButton, f.editDeleteVisible},
        {DeleteButton, f.editDeleteVisible},
        {ExitButton, f.exitButtonVisible},
        {ClearFilterButton, f.clearFilterButtonVisible},
        {FirstButton, f.navigationVisible},
        {PriorButton, f.navigationVisible},
        {NextButton, f.navigationVisible},
        {LastButton, f.navigationVisible},
        {DialPhone1Button, f.navigationVisible},
        {DialPhone2Button, f.navigationVisible},
        {SearchMemoButton, f.navigationVisible},
    };
    for (const auto& [widget, on] : shown)
        if (!on) widget->hide();
    for (const auto& [widget, on] : shown)
        if (on) widget->show();
    SaveButton->setEnabled(f.saveCancelShown);
    CancelButton->setEnabled(f.saveCancelShown);
    enableWidget(AddButton, f.addEnabled);
    enableWidget(EditButton, f.editDeleteEnabled);
    enableWidget(DeleteButton, f.editDeleteEnabled);

    enableWidget(SearchButton, f.searchBrowseEnabled);
    enableWidget(BrowseButton, f.searchBrowseEnabled);
    enable(mnuSearch, f.searchBrowseEnabled);
    enable(mnuBrowse, f.searchBrowseEnabled);
    enableWidget(FilterButton, f.setFilterEnabled);
    enable(mnuSetFilter, f.setFilterEnabled);
    enableWidget(ClearFilterButton, f.clearFilterButtonEnabled);
    for (QAction* a : {mnuSaveFilter, mnuClearFilter, mnuTagAllFilterMatches})
        enable(a, f.filterCommandsEnabled);

    enable(mnuExport, f.browsingCommandsEnabled);
    enable(mnuClone, f.browsingCommandsEnabled);
    enable(mnuCopyToClipboard, f.browsingCommandsEnabled);
    for (QMenu* menu : {SortMenu, PrintMenu, UtilitiesMenu})
        menu->setEnabled(f.browsingCommandsEnabled);
    for (QToolButton* b : {LabelsButton, LettersButton, EnvelopesButton, ReportsButton})
        enableWidget(b, f.browsingCommandsEnabled);
    for (QAction* a :
         {mnuPrintLabels, mnuPrintLetters, mnuPrintEnvelopes, mnuPrintReports, mnuPrintCurrent})
        enable(a, f.browsingCommandsEnabled);
    for (QAction* a : sortActions) a->setEnabled(f.browsingCommandsEnabled);

    for (QWidget* w :
         std::initializer_list<QWidget*>{FirstButton, PriorButton, NextButton, LastButton,
                                         DialPhone1Button, DialPhone2Button, SearchMemoButton})
        enableWidget(w, true);
    if (f.findNextForcedHidden) SearchMemoNextButton->hide();

    FileMenu->setEnabled(f.fileMenuEnabled);
    mnuExit->setEnabled(f.fileMenuEnabled);
    RecordMenu->setEnabled(f.recordMenuEnabled);
    enable(mnuAdd, f.addEnabled);
    enable(mnuEdit, f.editDeleteEnabled);
    enable(mnuDelete, f.editDeleteEnabled);
    for (QAction* a : {mnuFirst, mnuPrior, mnuNext, mnuLast}) a->setEnabled(f.recordMenuEnabled);

    enableWidget(DateButton, f.saveCancelShown || f.editDeleteEnabled);
    MemoEdit->setReadOnly(!state.active);
    binder_->refresh();

    if (f.focusToLastName) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || (!binder_->isBound(focus) && focus != MemoEdit)) LastEdit->setFocus();
    }
    refreshFilterIndicator();
}

void TAddressMain::refreshFilterIndicator() {
    if (!active()) {
        FilterIndicator->hide();
        return;
    }
    FilterIndicator->setText(filterIndicatorText(filterString.isEmpty(), queryCount()));
    FilterIndicator->show();
}

int TAddressMain::queryCount() const {
    return active() ? Apollo1->queryRecCount() : 0;
}

void TAddressMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Posted, so the window is on screen before any message the start-up shows.
    if (firstActivation_) QTimer::singleShot(0, this, &TAddressMain::FormActivate);
}

void TAddressMain::closeEvent(QCloseEvent* event) {
    if (active()) {
        if (editing()) {
            try {
                TablePKW->cancel();
            } catch (const pc::data::DataError&) {
                // Closing goes on; the held edit is dropped with the table.
            }
        }
        TablePKW->close();
    }
    pc::widgets::savePlacement(this);
    event->accept();
}

void TAddressMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (windowState() != Qt::WindowNoState || !screen()) return;
    // A window that hangs past the screen's right or bottom edge while its
    // left or top is on the screen goes back to the edge.
    const QRect screenRect = screen()->availableGeometry();
    const QRect frame = frameGeometry();
    QPoint to = frame.topLeft();
    if (frame.right() > screenRect.right() && frame.left() > screenRect.left())
        to.setX(screenRect.left());
    if (frame.bottom() > screenRect.bottom() && frame.top() > screenRect.top())
        to.setY(screenRect.top());
    if (to != frame.topLeft()) move(to);
}

void TAddressMain::bringToFront() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

}  // namespace pc::app
