#include "app/help_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>

#include "app/help_topics.h"

namespace pc::app {

namespace {
QPointer<HelpWindow> sharedWindow;
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Postcraft Help");
    setObjectName("HelpWindow");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
    resize(820, 560);

    auto* side = new QWidget;
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    auto* searchRow = new QHBoxLayout;
    search_ = new QLineEdit;
    search_->setObjectName("HelpSearch");
    search_->setPlaceholderText("Search for help on...");
    search_->setClearButtonEnabled(true);
    auto* contents = new QPushButton("&Contents");
    // Enter in the search box opens the first topic found; as the dialog's
    // default button Contents would take the key and clear the search.
    contents->setAutoDefault(false);
    searchRow->addWidget(search_, 1);
    searchRow->addWidget(contents);
    sideLayout->addLayout(searchRow);
    results_ = new QListWidget;
    sideLayout->addWidget(results_, 1);

    browser_ = new QTextBrowser;
    browser_->setOpenExternalLinks(true);

    auto* splitter = new QSplitter;
    splitter->addWidget(side);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 580});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    connect(search_, &QLineEdit::textChanged, this, &HelpWindow::runSearch);
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        if (results_->count() > 0) results_->setCurrentRow(0);
    });
    connect(contents, &QPushButton::clicked, this, [this] {
        search_->clear();
        openContext(kHelpContents);
    });
    connect(results_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item) openContext(item->data(Qt::UserRole).toInt());
    });
    connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        // A section of a page (#anchor) is a topic of its own.
        for (const auto& topic : helpTopics())
            if (url.fileName() == topic.page && url.fragment() == topic.section)
                current_ = topic.context;
    });
    runSearch({});
    openContext(kHelpContents);
}

HelpWindow* HelpWindow::instance() {
    if (!sharedWindow) {
        sharedWindow = new HelpWindow(nullptr);
        sharedWindow->setAttribute(Qt::WA_DeleteOnClose);
        // Help must not keep the program running after the main window closes.
        sharedWindow->setAttribute(Qt::WA_QuitOnClose, false);
    }
    return sharedWindow;
}

void HelpWindow::followModalDialog() {
    // A modal dialog blocks every window but its own; help asked for from it
    // must be usable at once, so it becomes the dialog's transient window
    // for as long as the dialog is open.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == this) modal = nullptr;
    winId();  // the native window the transient link is set on
    QWindow* owner = modal ? modal->window()->windowHandle() : nullptr;
    if (windowHandle()->transientParent() == owner) return;
    windowHandle()->setTransientParent(owner);
    disconnect(modalClosed_);
    // Queued: by then the closed dialog has left the modal stack, and an
    // outer dialog still open becomes the owner.
    if (owner)
        modalClosed_ = connect(
            owner, &QWindow::visibleChanged, this,
            [this](bool visible) {
                if (!visible) followModalDialog();
            },
            Qt::QueuedConnection);
}

HelpWindow* HelpWindow::showContext(int context) {
    HelpWindow* window = instance();
    window->followModalDialog();
    window->openContext(context);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

HelpWindow* HelpWindow::showSearch(const QString& query) {
    HelpWindow* window = instance();
    window->followModalDialog();
    window->search_->setText(query);
    window->runSearch(query);
    window->show();
    window->raise();
    window->activateWindow();
    window->search_->setFocus();
    return window;
}

void HelpWindow::openContext(int context) {
    const HelpTopic& topic = helpTopic(context);
    current_ = topic.context;
    browser_->setSource(QUrl(helpPageUrl(topic)));
    setWindowTitle("Postcraft Help - " + topic.title);
}

void HelpWindow::runSearch(const QString& query) {
    if (query.trimmed().isEmpty()) {
        std::vector<int> all;
        for (const auto& topic : helpTopics()) all.push_back(topic.context);
        fillList(all);
    } else {
        fillList(searchHelp(query));
    }
}

void HelpWindow::fillList(const std::vector<int>& contexts) {
    const QSignalBlocker block(results_);
    results_->clear();
    for (int context : contexts) {
        auto* item = new QListWidgetItem(helpTopic(context).title, results_);
        item->setData(Qt::UserRole, context);
    }
}

}  // namespace pc::app
