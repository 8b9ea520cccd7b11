#pragma once
// The main window: shows the current record of the open address database and
// is the hub from which every other window is entered. It owns the address
// table, its data source and engine access, the order and the filter.
#include <QMainWindow>
#include <QString>
#include <memory>
#include <vector>

#include "app/control_rules.h"
#include "data/filter_criteria.h"
#include "records/memo_search.h"
#include "records/preferences.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QToolButton;

namespace pc::data {
class DataError;
class Session;
class TApollo;
class TApolloEnv;
class TDataSource;
class TTable;
}  // namespace pc::data

namespace pc::maintenance {
class TRebuildIndexesDialog;
}

namespace pc::records {
class OverwriteTyping;
}

namespace pc::widgets {
class FieldBinder;
}

namespace pc::app {

class MainWindowSessionHost;

class TAddressMain : public QMainWindow {
    Q_OBJECT
  public:
    explicit TAddressMain(QWidget* parent = nullptr);
    ~TAddressMain() override;

    // --- the objects other windows are handed ---
    pc::data::TApolloEnv* ApolloEnv1 = nullptr;
    pc::data::TTable* TablePKW = nullptr;
    pc::data::TDataSource* DataSourcePKW = nullptr;
    pc::data::TApollo* Apollo1 = nullptr;
    pc::data::TTable* TAbleCreate = nullptr;  // only for creating new address tables
    pc::data::TApollo* ApolloCreate = nullptr;

    // --- window state ---
    bool refreshOnPost = true;   // table events refresh the controls
    bool bulkOperation = false;  // an import, tagging or checking dialog runs
    QString currentOrderTag;
    QString filterString;  // the query in force without the deleted clause
    QString openDatabasePath;
    int saveCounter = 0;
    records::Preferences prefs;

    // --- start-up and databases ---
    // The work of the first activation; runs once, from the first show.
    void FormActivate();
    bool firstActivationDone() const { return !firstActivation_; }
    bool OpenPKWDBF(const QString& path);
    void LoadPreferences();
    void UpdateMenuMRUList();
    void MRUItemClick(const QString& path);
    // Asks for a file and opens it; `chosen` skips the dialog (tests).
    void OpenDatabaseClick(const QString& chosen = {});
    // The engine query for the filter string; the number of records passing.
    int ApplyQuery();
    int queryCount() const;
    void SetOrderTo(const QString& name);
    void SetCurrentOrder(const QString& tag);

    // --- orders, search, tagging and filters (main_window_search.cpp,
    // main_window_filter.cpp); `chosen` arguments skip a dialog (tests) ---
    pc::data::FilterCriteria filterCriteria;
    records::MemoSearch memoSearch;
    void BuildQueryString();
    void ClearQueryVars();
    void SearchButtonClick();
    void SearchMemoButtonClick(const QString& chosen = {});
    void SearchMemoNextButtonClick();
    bool FindTextInMemo(bool first);
    void ToggleTag();
    void mnuClearTagsClick();
    void mnuTagAllFilterMatchesClick();
    void FilterButtonClick();
    void mnuSaveFilterClick(const QString& chosen = {});
    void mnuRestoreFilterClick(const QString& chosen = {});
    bool SaveFilterTo(const QString& path);
    bool RestoreFilterFrom(const QString& path);

    // --- state and controls ---
    ControlState controlState() const;
    // Applies the control rules and refreshes both indicators.
    void RefreshControls();
    bool editing() const;
    bool active() const;

    // --- records ---
    void FirstButtonClick();
    void PriorButtonClick();
    void NextButtonClick();
    void LastButtonClick();
    void AddButtonClick();
    void EditButtonClick();
    bool SaveButtonClick();
    void CancelButtonClick();
    void DeleteButtonClick();
    void ClearFilterClick();
    void CopyToClipboardClick();

    // --- record entry (main_window_records.cpp) ---
    void mnuCloneClick();
    void DateLabelClick();
    bool CheckDupName(const QString& first, const QString& last);
    bool FillCityState(const QString& zip, QString& city, QString& state);
    void SetSkipFields(bool adding);
    void CheckCloseAndOpen();

    // --- browse, index maintenance and new databases (main_window_maintenance.cpp) ---
    void BrowseButtonClick();
    void PrintLabelsClick();
    void PrintEnvelopesClick();
    void PrintLettersClick();
    void CountZipCodesClick();
    void CheckStateZipClick();
    // 0 ASCII, 1 DBF, and the earlier versions 10 + 1 and 10 + 2.
    void ImportMenuClick(int kind);
    // Phone 1 or 2 of the current record into the dialer.
    void DialPhoneClick(int phone);
    void PrintReportsClick();
    void PrintCurrentRecordClick();
    void RebuildIndexesMenuClick();
    // Export and the Utilities windows: each changes or reads records in bulk.
    void UtilityMenuClick(void (*open)(pc::data::Session&, QWidget*));
    void RebuildSystemFileindexesmnuClick();
    void NewFileMenuClick();

    // --- subsystem entry (see subsystem_entry.h) ---
    // What subsystem windows are handed instead of this window.
    pc::data::Session& session() const { return *session_; }
    widgets::FieldBinder* binder() const { return binder_; }
    void loadMemo();

    QMenu *FileMenu, *EditMenu, *RecordMenu, *SortMenu, *UtilitiesMenu, *PrintMenu, *OnlineMenu,
        *HelpMenu, *ImportMenu;
    QAction *mnuNew, *mnuOpen, *mnuBrowse, *mnuSearch, *mnuImportDbf, *mnuImportAscii, *mnuImport1x,
        *mnuImport2x, *mnuExport, *mnuSetFilter, *mnuClearFilter, *mnuSaveFilter, *mnuRestoreFilter,
        *mnuClearTags, *mnuTagAllFilterMatches, *mnuRebuildIndexes, *mnuRebuildSystemIndexes,
        *mnuPreferences, *mnuExit, *mruSeparator;
    QAction *mnuUndo, *mnuCut, *mnuCopy, *mnuPaste;
    QAction *mnuFirst, *mnuPrior, *mnuNext, *mnuLast, *mnuAdd, *mnuEdit, *mnuDelete, *mnuClone,
        *mnuCopyToClipboard;
    std::vector<QAction*> sortActions;
    QAction *mnuCountZips, *mnuCheckStateZip, *mnuCheckDuplicates, *mnuConvertCase,
        *mnuSearchReplace, *mnuDeleteRecords;
    QAction *mnuPrintLabels, *mnuPrintLetters, *mnuPrintEnvelopes, *mnuPrintReports,
        *mnuPrintCurrent;
    QAction *mnuWebsite, *mnuContents, *mnuGettingStarted, *mnuAbout, *mnuSearchHelp,
        *mnuHowToUseHelp;
    std::vector<QAction*> mruActions;

    // The designed client size at 96 dots per inch.
    static constexpr int kClientWidth = 632;
    static constexpr int kClientHeight = 434;

  signals:
    // The getting-started screen is about to open (tests answer it).
    void gettingStartedRequested();
    // The first activation has finished: the window shows its database.
    void startupFinished();
    // The rebuild dialog offered for a damaged index is about to run modally
    // (tests press its buttons).
    void rebuildDialogOpened(maintenance::TRebuildIndexesDialog* dialog);
    // The reopen-after-save safeguard closed and opened the table again.
    void tableReopened();

  public slots:
    void bringToFront();
    void ShowGettingStarted();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A subsystem needs an open table and no edit in progress; says so
    // (or beeps) and gives false otherwise.
    bool readyForSubsystem();
    // main_window_layout.cpp
    void createLayout();
    QWidget* createButtonBar();
    QWidget* createNamePane();
    QWidget* createAddressPage();
    QWidget* createMemoPage();
    QWidget* createStatusLine();
    QWidget* createCommandBar();
    void bindFields();
    void setWhatsThisTexts();
    // main_window_menus.cpp
    void createMenus();
    // main_window_keys.cpp
    bool handleKey(QKeyEvent* key);
    // main_window_records.cpp
    void connectTable();
    void tableStateChanged();
    void TablePKWAfterPost();
    void startEditFromUser();
    void moveWith(void (pc::data::TTable::*move)(), bool beepAtEnd);
    // Tells the error, then drops a held edit quietly: the one way out of a
    // failed change.
    void abandonEdit(const pc::data::DataError& error);
    // main_window_database.cpp
    bool openDefaultDatabase();
    bool createAddressTable(const QString& path);
    bool rebuildIndexWithProgress();
    void showNoDataPanel(bool show);
    void refreshFilterIndicator();
    // main_window_search.cpp, main_window_filter.cpp
    void connectSearchAndFilter();

    // --- controls, named as the window's design names them (tests find
    // them by these object names) ---
    QToolButton *LabelsButton, *LettersButton, *EnvelopesButton, *ReportsButton, *BrowseButton,
        *SearchButton, *FilterButton, *MouseHelpButton;
    QLineEdit *LastEdit, *FirstEdit, *MiddleEdit, *PrefixEdit, *TitleEdit, *OrgEdit;
    QTabWidget* Notebook;
    QLineEdit *Street1Edit, *Street2Edit, *CityEdit, *StateEdit, *ZipEdit, *CountryEdit,
        *DateDisplay, *Phone1Edit, *Phone2Edit, *FaxEdit, *EmailEdit, *CodesEdit, *Comment1Edit,
        *Comment2Edit;
    QPushButton *DateButton, *DialPhone1Button, *DialPhone2Button;
    QCheckBox* TaggedCheck;
    QPlainTextEdit* MemoEdit;
    QPushButton *SearchMemoButton, *SearchMemoNextButton;
    QLabel *OrderIndicator, *FilterIndicator;
    QPushButton* ExitButton;
    QToolButton *FirstButton, *PriorButton, *NextButton, *LastButton;
    QPushButton *AddButton, *SaveButton, *EditButton, *CancelButton, *DeleteButton,
        *ClearFilterButton;
    QLabel* NoDataPanel;
    QStackedWidget* PaneStack;  // the record panes or the no-data panel

    bool firstActivation_ = true;
    bool memoLoading_ = false;
    widgets::FieldBinder* binder_ = nullptr;
    records::OverwriteTyping* overwrite_ = nullptr;
    std::unique_ptr<MainWindowSessionHost> sessionHost_;
    std::unique_ptr<pc::data::Session> session_;
};

}  // namespace pc::app
