// The main window's menus and the wiring of its buttons to the same actions.
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>
#include <utility>

#include "app/about_box.h"
#include "app/help_topics.h"
#include "app/help_window.h"
#include "app/preferences_dialog.h"
#include "app/t_address_main.h"
#include "maintenance/maintenance_entry.h"
#include "records/sort_orders.h"
#include "text/program_paths.h"
#include "widgets/field_binder.h"
#include "widgets/window_placement.h"

namespace pc::app {

namespace {

constexpr char kWebsite[] = "https://postcraft.example.org";

QAction* item(QMenu* menu, const QString& text, const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(text);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    return action;
}

// The edit box or memo the edit commands act on.
template <typename Fn>
void onFocusedEditor(Fn&& fn) {
    QWidget* focus = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(focus))
        fn(line);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(focus))
        fn(memo);
}

}  // namespace

void TAddressMain::createMenus() {
    QMenuBar* bar = menuBar();

    FileMenu = bar->addMenu("&File");
    mnuNew = item(FileMenu, "&New Address Database");
    mnuOpen = item(FileMenu, "&Open Address DataBase");
    FileMenu->addSeparator();
    mnuBrowse = item(FileMenu, "&Browse", QKeySequence("Ctrl+B"));
    mnuSearch = item(FileMenu, "&Search", QKeySequence("Ctrl+S"));
    ImportMenu = FileMenu->addMenu("&Import");
    mnuImportDbf = item(ImportMenu, "Import from &DBF File");
    mnuImportAscii = item(ImportMenu, "Import from &ASCII File");
    mnuImport1x = item(ImportMenu, "Import from Postcraft 1.x DBF");
    mnuImport2x = item(ImportMenu, "Import from Postcraft 2.x DBF");
    mnuExport = item(FileMenu, "&Export");
    FileMenu->addSeparator();
    mnuSetFilter = item(FileMenu, "Set &Filter", QKeySequence("Ctrl+F"));
    mnuClearFilter = item(FileMenu, "&Clear Filter");
    mnuSaveFilter = item(FileMenu, "&Save Filter");
    mnuRestoreFilter = item(FileMenu, "&Restore Filter");
    FileMenu->addSeparator();
    mnuClearTags = item(FileMenu, "Clear &Tags");
    mnuTagAllFilterMatches = item(FileMenu, "&Tag All Filter Matches");
    FileMenu->addSeparator();
    mnuRebuildIndexes = item(FileMenu, "&Rebuild Indexes for this file");
    mnuRebuildSystemIndexes = item(FileMenu, "Rebuild S&ystem File indexes");
    FileMenu->addSeparator();
    mnuPreferences = item(FileMenu, "Pre&ferences");
    mnuExit = item(FileMenu, "E&xit");
    mruSeparator = FileMenu->addSeparator();
    mruSeparator->setVisible(false);

    EditMenu = bar->addMenu("Ed&it");
    mnuUndo = item(EditMenu, "&Undo typing");
    mnuCut = item(EditMenu, "Cu&t");
    mnuCopy = item(EditMenu, "&Copy");
    mnuPaste = item(EditMenu, "&Paste");
    // Hidden as designed; its items keep working from the keyboard.
    EditMenu->menuAction()->setVisible(false);

    RecordMenu = bar->addMenu("&Record");
    mnuFirst = item(RecordMenu, "&First", QKeySequence("Ctrl+Up"));
    mnuPrior = item(RecordMenu, "&Previous", QKeySequence("Ctrl+Left"));
    mnuNext = item(RecordMenu, "&Next", QKeySequence("Ctrl+Right"));
    mnuLast = item(RecordMenu, "&Last", QKeySequence("Ctrl+Down"));
    RecordMenu->addSeparator();
    mnuAdd = item(RecordMenu, "&Add");
    mnuEdit = item(RecordMenu, "&Edit");
    mnuDelete = item(RecordMenu, "&Delete");
    mnuClone = item(RecordMenu, "Create a Duplicate &Record (Clone)");
    RecordMenu->addSeparator();
    mnuCopyToClipboard = item(RecordMenu, "Copy To &Clipboard");

    SortMenu = bar->addMenu("&Sort");
    for (const auto& order : records::sortOrders()) {
        QAction* action = item(SortMenu, order.menuCaption);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this,
                [this, action] { SetOrderTo(records::orderNameFromCaption(action->text())); });
        sortActions.push_back(action);
    }

    UtilitiesMenu = bar->addMenu("&Utilities");
    mnuCountZips = item(UtilitiesMenu, "Count &Zip Codes");
    mnuCheckStateZip = item(UtilitiesMenu, "Check && Repair &State and Zip Codes");
    mnuCheckDuplicates = item(UtilitiesMenu, "Check && Repair &Duplicates");
    mnuConvertCase = item(UtilitiesMenu, "Con&vert Case");
    mnuSearchReplace = item(UtilitiesMenu, "&Search && Replace Field Values");
    mnuDeleteRecords = item(UtilitiesMenu, "Delete &Records");

    PrintMenu = bar->addMenu("&Print");
    mnuPrintLabels = item(PrintMenu, "Print &Labels", QKeySequence("Ctrl+L"));
    mnuPrintLetters = item(PrintMenu, "Print Le&tters", QKeySequence("Ctrl+T"));
    mnuPrintEnvelopes = item(PrintMenu, "Print &Envelopes", QKeySequence("Ctrl+E"));
    mnuPrintReports = item(PrintMenu, "Print &Reports", QKeySequence("Ctrl+R"));
    mnuPrintCurrent = item(PrintMenu, "Print C&urrent Record", QKeySequence("Ctrl+P"));

    OnlineMenu = bar->addMenu("Online");
    mnuWebsite = item(OnlineMenu, "Visit Our Internet Website");

    HelpMenu = bar->addMenu("&Help");
    mnuContents = item(HelpMenu, "&Contents");
    mnuGettingStarted = item(HelpMenu, "&Getting Started");
    mnuAbout = item(HelpMenu, "&About...");
    HelpMenu->addSeparator();
    mnuSearchHelp = item(HelpMenu, "Search for Help On");
    mnuHowToUseHelp = item(HelpMenu, "How to Use Help");

    // File
    connect(mnuOpen, &QAction::triggered, this, [this] { OpenDatabaseClick(); });
    connect(mnuClearFilter, &QAction::triggered, this, &TAddressMain::ClearFilterClick);
    connect(mnuPreferences, &QAction::triggered, this, [this] {
        TPreferencesDialog dialog(pc::text::settingsPath(), this);
        pc::widgets::centreWindow(&dialog, this);
        dialog.exec();
        LoadPreferences();
    });
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    // Edit
    connect(mnuUndo, &QAction::triggered, this,
            [] { onFocusedEditor([](auto* e) { e->undo(); }); });
    connect(mnuCut, &QAction::triggered, this, [] { onFocusedEditor([](auto* e) { e->cut(); }); });
    connect(mnuCopy, &QAction::triggered, this,
            [] { onFocusedEditor([](auto* e) { e->copy(); }); });
    connect(mnuPaste, &QAction::triggered, this,
            [] { onFocusedEditor([](auto* e) { e->paste(); }); });
    // Record
    connect(mnuFirst, &QAction::triggered, this, &TAddressMain::FirstButtonClick);
    connect(mnuPrior, &QAction::triggered, this, &TAddressMain::PriorButtonClick);
    connect(mnuNext, &QAction::triggered, this, &TAddressMain::NextButtonClick);
    connect(mnuLast, &QAction::triggered, this, &TAddressMain::LastButtonClick);
    connect(mnuAdd, &QAction::triggered, this, &TAddressMain::AddButtonClick);
    connect(mnuEdit, &QAction::triggered, this, &TAddressMain::EditButtonClick);
    connect(mnuDelete, &QAction::triggered, this, &TAddressMain::DeleteButtonClick);
    connect(mnuCopyToClipboard, &QAction::triggered, this, &TAddressMain::CopyToClipboardClick);
    // Online and Help
    connect(mnuWebsite, &QAction::triggered, this,
            [] { QDesktopServices::openUrl(QUrl(kWebsite)); });
    connect(mnuContents, &QAction::triggered, this, [] { HelpWindow::showContext(kHelpContents); });
    connect(mnuGettingStarted, &QAction::triggered, this, &TAddressMain::ShowGettingStarted);
    connect(mnuAbout, &QAction::triggered, this, [this] {
        TAboutBox about(this);
        pc::widgets::centreWindow(&about, this);
        about.exec();
    });
    connect(mnuSearchHelp, &QAction::triggered, this, [] { HelpWindow::showSearch(); });
    connect(mnuHowToUseHelp, &QAction::triggered, this,
            [] { HelpWindow::showContext(kHelpUsingHelp); });

    // Buttons run the same actions as their menu items.
    connect(ExitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(FirstButton, &QToolButton::clicked, this, &TAddressMain::FirstButtonClick);
    connect(PriorButton, &QToolButton::clicked, this, &TAddressMain::PriorButtonClick);
    connect(NextButton, &QToolButton::clicked, this, &TAddressMain::NextButtonClick);
    connect(LastButton, &QToolButton::clicked, this, &TAddressMain::LastButtonClick);
    connect(AddButton, &QPushButton::clicked, this, &TAddressMain::AddButtonClick);
    connect(SaveButton, &QPushButton::clicked, this, &TAddressMain::SaveButtonClick);
    connect(EditButton, &QPushButton::clicked, this, &TAddressMain::EditButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TAddressMain::CancelButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TAddressMain::DeleteButtonClick);
    connect(ClearFilterButton, &QPushButton::clicked, this, &TAddressMain::ClearFilterClick);
    connect(binder_, &widgets::FieldBinder::doubleClicked, this, &TAddressMain::startEditFromUser);
    // Orders, search, tagging and filters
    connectSearchAndFilter();
    // Browse, index maintenance and new databases
    connect(mnuBrowse, &QAction::triggered, this, &TAddressMain::BrowseButtonClick);
    connect(BrowseButton, &QToolButton::clicked, this, &TAddressMain::BrowseButtonClick);
    connect(mnuPrintLabels, &QAction::triggered, this, &TAddressMain::PrintLabelsClick);
    connect(mnuCountZips, &QAction::triggered, this, &TAddressMain::CountZipCodesClick);
    connect(mnuCheckStateZip, &QAction::triggered, this, &TAddressMain::CheckStateZipClick);
    connect(LabelsButton, &QToolButton::clicked, this, &TAddressMain::PrintLabelsClick);
    connect(mnuPrintEnvelopes, &QAction::triggered, this, &TAddressMain::PrintEnvelopesClick);
    connect(EnvelopesButton, &QToolButton::clicked, this, &TAddressMain::PrintEnvelopesClick);
    connect(mnuPrintLetters, &QAction::triggered, this, &TAddressMain::PrintLettersClick);
    connect(LettersButton, &QToolButton::clicked, this, &TAddressMain::PrintLettersClick);
    connect(mnuPrintReports, &QAction::triggered, this, &TAddressMain::PrintReportsClick);
    connect(ReportsButton, &QToolButton::clicked, this, &TAddressMain::PrintReportsClick);
    connect(mnuPrintCurrent, &QAction::triggered, this, &TAddressMain::PrintCurrentRecordClick);
    connect(mnuRebuildIndexes, &QAction::triggered, this, &TAddressMain::RebuildIndexesMenuClick);
    for (auto [action, open] : {std::pair{mnuExport, &maintenance::exportRecords},
                                {mnuCheckDuplicates, &maintenance::checkDuplicates},
                                {mnuConvertCase, &maintenance::convertCase},
                                {mnuSearchReplace, &maintenance::searchAndReplace},
                                {mnuDeleteRecords, &maintenance::deleteRecords}})
        connect(action, &QAction::triggered, this, [this, open] { UtilityMenuClick(open); });
    connect(mnuImportAscii, &QAction::triggered, this, [this] { ImportMenuClick(0); });
    connect(mnuImportDbf, &QAction::triggered, this, [this] { ImportMenuClick(1); });
    connect(mnuImport1x, &QAction::triggered, this, [this] { ImportMenuClick(11); });
    connect(mnuImport2x, &QAction::triggered, this, [this] { ImportMenuClick(12); });
    connect(DialPhone1Button, &QPushButton::clicked, this, [this] { DialPhoneClick(1); });
    connect(DialPhone2Button, &QPushButton::clicked, this, [this] { DialPhoneClick(2); });
    connect(mnuRebuildSystemIndexes, &QAction::triggered, this,
            &TAddressMain::RebuildSystemFileindexesmnuClick);
    connect(mnuNew, &QAction::triggered, this, &TAddressMain::NewFileMenuClick);
    // Record entry
    connect(mnuClone, &QAction::triggered, this, &TAddressMain::mnuCloneClick);
    connect(DateButton, &QPushButton::clicked, this, &TAddressMain::DateLabelClick);
}

}  // namespace pc::app
