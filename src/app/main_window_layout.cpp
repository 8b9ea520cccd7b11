// The main window's controls: button bar, name pane, the two-page notebook,
// status line, command bar and the no-data panel.
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>
#include <QWhatsThis>

#include "app/t_address_main.h"
#include "widgets/field_binder.h"

namespace pc::app {

namespace {

// The indicators' colour: 0x80FFFF in the 0x00BBGGRR form, a pale yellow.
constexpr char kIndicatorStyle[] =
    "QLabel { background: #FFFF80; border: 1px solid #A0A0A0; padding: 1px 4px; }";
constexpr int kFilterIndicatorWidth = 298;

// The middle initial is entered upper-case: the text is changed before the
// box takes it, so the field never sees the lower-case letter.
class UpperCaseValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

QLineEdit* lineEdit(const QString& objectName) {
    auto* edit = new QLineEdit;
    edit->setObjectName(objectName);
    return edit;
}

QLabel* caption(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QToolButton* barButton(const QString& text, const QString& hint, const QString& objectName) {
    auto* button = new QToolButton;
    button->setText(text);
    button->setObjectName(objectName);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    button->setAutoRaise(false);
    button->setMinimumWidth(64);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QToolButton* glyphButton(const QString& icon, const QString& hint, const QString& objectName) {
    auto* button = new QToolButton;
    button->setIcon(QIcon(":/icons/" + icon + ".png"));
    button->setIconSize(QSize(16, 16));
    button->setObjectName(objectName);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    button->setMinimumSize(28, 24);
    return button;
}

QPushButton* pushButton(const QString& text, const QString& objectName) {
    auto* button = new QPushButton(text);
    button->setObjectName(objectName);
    return button;
}

}  // namespace

void TAddressMain::createLayout() {
    auto* central = new QWidget;
    central->setObjectName("ClientArea");
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(3);

    layout->addWidget(createButtonBar());

    auto* panes = new QWidget;
    panes->setObjectName("Panes");
    auto* panesLayout = new QVBoxLayout(panes);
    panesLayout->setContentsMargins(0, 0, 0, 0);
    panesLayout->setSpacing(3);
    panesLayout->addWidget(createNamePane());
    Notebook = new QTabWidget;
    Notebook->setObjectName("Notebook");
    Notebook->addTab(createAddressPage(), "Address &Information");
    Notebook->addTab(createMemoPage(), "&Memo");
    panesLayout->addWidget(Notebook, 1);

    NoDataPanel = new QLabel("Please Open or Create a Postcraft Address file");
    NoDataPanel->setObjectName("NoDataPanel");
    NoDataPanel->setAlignment(Qt::AlignCenter);
    NoDataPanel->setWordWrap(true);
    QFont big("Arial", 20);
    big.setBold(true);
    big.setItalic(true);
    NoDataPanel->setFont(big);
    NoDataPanel->setFrameShape(QFrame::StyledPanel);
    NoDataPanel->setAutoFillBackground(true);

    PaneStack = new QStackedWidget;
    PaneStack->addWidget(panes);
    PaneStack->addWidget(NoDataPanel);
    layout->addWidget(PaneStack, 1);

    layout->addWidget(createStatusLine());
    layout->addWidget(createCommandBar());
    setCentralWidget(central);
    bindFields();
    setWhatsThisTexts();
}

QWidget* TAddressMain::createButtonBar() {
    auto* bar = new QFrame;
    bar->setObjectName("ButtonBar");
    bar->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    LabelsButton =
        barButton("Labels", "Click here or press CTRL+L to print/design labels", "LabelsButton");
    LettersButton =
        barButton("Letters", "Click here or press CTRL+T to print/design letters", "LettersButton");
    EnvelopesButton = barButton("Envelopes", "Click here or press CTRL+E to print/design envelopes",
                                "EnvelopesButton");
    ReportsButton =
        barButton("Reports", "Click here or press CTRL+R to print/design reports", "ReportsButton");
    BrowseButton = barButton(
        "Browse", "Click here or press CTRL+B for a table view of the database", "BrowseButton");
    SearchButton = barButton("Search", "Click here or press CTRL+S to search for a specific value",
                             "SearchButton");
    FilterButton =
        barButton("Filter", "Click here or press CTRL+F to set or change a filter", "FilterButton");
    MouseHelpButton = barButton(QString(), "Click here for mouse help", "MouseHelpButton");
    MouseHelpButton->setIcon(style()->standardIcon(QStyle::SP_TitleBarContextHelpButton));
    MouseHelpButton->setMinimumWidth(28);
    connect(MouseHelpButton, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });
    for (QToolButton* button : {LabelsButton, LettersButton, EnvelopesButton, ReportsButton})
        row->addWidget(button);
    row->addSpacing(8);
    for (QToolButton* button : {BrowseButton, SearchButton, FilterButton}) row->addWidget(button);
    row->addStretch();
    row->addWidget(MouseHelpButton);
    return bar;
}

QWidget* TAddressMain::createNamePane() {
    auto* pane = new QFrame;
    pane->setObjectName("NamePane");
    pane->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(pane);
    grid->setContentsMargins(4, 3, 4, 3);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    LastEdit = lineEdit("LastEdit");
    FirstEdit = lineEdit("FirstEdit");
    MiddleEdit = lineEdit("MiddleEdit");
    MiddleEdit->setMaxLength(1);
    MiddleEdit->setFixedWidth(28);
    MiddleEdit->setValidator(new UpperCaseValidator(MiddleEdit));
    PrefixEdit = lineEdit("PrefixEdit");
    TitleEdit = lineEdit("TitleEdit");
    OrgEdit = lineEdit("OrgEdit");

    grid->addWidget(caption("Last", LastEdit), 0, 0);
    grid->addWidget(LastEdit, 0, 1);
    grid->addWidget(caption("First", FirstEdit), 0, 2);
    grid->addWidget(FirstEdit, 0, 3);
    grid->addWidget(caption("MI", MiddleEdit), 0, 4);
    grid->addWidget(MiddleEdit, 0, 5);
    grid->addWidget(caption("Prefix", PrefixEdit), 1, 0);
    grid->addWidget(PrefixEdit, 1, 1);
    grid->addWidget(caption("Title", TitleEdit), 1, 2);
    grid->addWidget(TitleEdit, 1, 3, 1, 3);
    grid->addWidget(caption("Org", OrgEdit), 2, 0);
    grid->addWidget(OrgEdit, 2, 1, 1, 5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return pane;
}

QWidget* TAddressMain::createAddressPage() {
    auto* page = new QWidget;
    page->setObjectName("AddressPage");
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);

    Street1Edit = lineEdit("Street1Edit");
    Street2Edit = lineEdit("Street2Edit");
    CityEdit = lineEdit("CityEdit");
    StateEdit = lineEdit("StateEdit");
    ZipEdit = lineEdit("ZipEdit");
    CountryEdit = lineEdit("CountryEdit");
    DateButton = pushButton("Date", "DateButton");
    DateDisplay = lineEdit("DateDisplay");
    DateDisplay->setReadOnly(true);
    DateDisplay->setFocusPolicy(Qt::NoFocus);
    Phone1Edit = lineEdit("Phone1Edit");
    Phone2Edit = lineEdit("Phone2Edit");
    DialPhone1Button = pushButton("Dial Phone &1", "DialPhone1Button");
    DialPhone2Button = pushButton("Dial Phone &2", "DialPhone2Button");
    FaxEdit = lineEdit("FaxEdit");
    EmailEdit = lineEdit("EmailEdit");
    CodesEdit = lineEdit("CodesEdit");
    Comment1Edit = lineEdit("Comment1Edit");
    Comment2Edit = lineEdit("Comment2Edit");
    TaggedCheck = new QCheckBox("Tagged");
    TaggedCheck->setObjectName("TaggedCheck");
    // Shows the record's tag; toggling it belongs to the tagging commands.
    TaggedCheck->setAttribute(Qt::WA_TransparentForMouseEvents);
    TaggedCheck->setFocusPolicy(Qt::NoFocus);

    // Left column: the postal address and the date.
    int row = 0;
    for (auto [text, edit] : {std::pair{"Address 1", Street1Edit},
                              {"Address 2", Street2Edit},
                              {"City", CityEdit},
                              {"State or Prov", StateEdit},
                              {"Zip or Postal", ZipEdit},
                              {"Country", CountryEdit}}) {
        grid->addWidget(caption(text, edit), row, 0);
        grid->addWidget(edit, row, 1);
        ++row;
    }
    grid->addWidget(DateButton, row, 0);
    grid->addWidget(DateDisplay, row, 1);
    grid->addWidget(TaggedCheck, row + 1, 1);

    // Right column: how to reach the person, codes and comments.
    auto* phone1 = new QHBoxLayout;
    phone1->addWidget(Phone1Edit, 1);
    phone1->addWidget(DialPhone1Button);
    auto* phone2 = new QHBoxLayout;
    phone2->addWidget(Phone2Edit, 1);
    phone2->addWidget(DialPhone2Button);
    grid->addWidget(caption("Phone 1", Phone1Edit), 0, 2);
    grid->addLayout(phone1, 0, 3);
    grid->addWidget(caption("Phone 2", Phone2Edit), 1, 2);
    grid->addLayout(phone2, 1, 3);
    row = 2;
    for (auto [text, edit] : {std::pair{"Fax", FaxEdit},
                              {"E-mail", EmailEdit},
                              {"Codes", CodesEdit},
                              {"Comment 1", Comment1Edit},
                              {"Comment 2", Comment2Edit}}) {
        grid->addWidget(caption(text, edit), row, 2);
        grid->addWidget(edit, row, 3);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(8, 1);
    return page;
}

QWidget* TAddressMain::createMemoPage() {
    auto* page = new QWidget;
    page->setObjectName("MemoPage");
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    MemoEdit = new QPlainTextEdit;
    MemoEdit->setObjectName("MemoEdit");
    MemoEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(MemoEdit, 1);
    auto* row = new QHBoxLayout;
    SearchMemoButton = pushButton("Search &Memo", "SearchMemoButton");
    SearchMemoNextButton = pushButton("Find &Next", "SearchMemoNextButton");
    SearchMemoNextButton->hide();
    row->addWidget(SearchMemoButton);
    row->addWidget(SearchMemoNextButton);
    row->addStretch();
    layout->addLayout(row);
    return page;
}

QWidget* TAddressMain::createStatusLine() {
    auto* line = new QWidget;
    line->setObjectName("StatusLine");
    auto* row = new QHBoxLayout(line);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    OrderIndicator = new QLabel;
    OrderIndicator->setObjectName("OrderIndicator");
    OrderIndicator->setStyleSheet(kIndicatorStyle);
    FilterIndicator = new QLabel;
    FilterIndicator->setObjectName("FilterIndicator");
    FilterIndicator->setStyleSheet(kIndicatorStyle);
    FilterIndicator->setFixedWidth(kFilterIndicatorWidth);
    row->addWidget(OrderIndicator, 1);
    row->addWidget(FilterIndicator);
    return line;
}

QWidget* TAddressMain::createCommandBar() {
    auto* bar = new QFrame;
    bar->setObjectName("CommandBar");
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    ExitButton = pushButton("E&xit", "ExitButton");
    FirstButton = glyphButton("first", "First record", "FirstButton");
    PriorButton = glyphButton("prior", "Previous record", "PriorButton");
    NextButton = glyphButton("next", "Next record", "NextButton");
    LastButton = glyphButton("last", "Last record", "LastButton");
    AddButton = pushButton("&Add", "AddButton");
    SaveButton = pushButton("&Save", "SaveButton");
    EditButton = pushButton("&Edit", "EditButton");
    CancelButton = pushButton("&Cancel", "CancelButton");
    DeleteButton = pushButton("&Delete", "DeleteButton");
    ClearFilterButton = pushButton("Clear Filter", "ClearFilterButton");

    row->addWidget(ExitButton);
    row->addSpacing(8);
    for (QToolButton* button : {FirstButton, PriorButton, NextButton, LastButton})
        row->addWidget(button);
    row->addStretch();
    // Add/Save and Edit/Cancel share their places: only one of each pair shows.
    for (QPushButton* button :
         {AddButton, SaveButton, EditButton, CancelButton, DeleteButton, ClearFilterButton})
        row->addWidget(button);
    return bar;
}

void TAddressMain::bindFields() {
    const std::pair<QLineEdit*, const char*> edits[] = {
        {LastEdit, "LNAME"},     {FirstEdit, "FNAME"},     {MiddleEdit, "MIDDLE"},
        {PrefixEdit, "PREFIX"},  {TitleEdit, "TITLE"},     {OrgEdit, "ORG"},
        {Street1Edit, "STREET"}, {Street2Edit, "STREET2"}, {CityEdit, "CITY"},
        {StateEdit, "STATE"},    {ZipEdit, "ZIP"},         {CountryEdit, "COUNTRY"},
        {Phone1Edit, "PHONE"},   {Phone2Edit, "PHONE2"},   {FaxEdit, "FAX"},
        {EmailEdit, "EMAIL"},    {CodesEdit, "CODES"},     {Comment1Edit, "USER1"},
        {Comment2Edit, "USER2"},
    };
    for (const auto& [edit, field] : edits) binder_->bindEdit(edit, field);
    binder_->bindDisplay(DateDisplay, "DisplayDate");
    binder_->bindCheck(TaggedCheck, "Tagged");
}

}  // namespace pc::app
