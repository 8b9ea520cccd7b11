// Dialogs open centred over the main window, whole on the screen, with
// their texts showing.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include "app/startup.h"
#include "app/t_address_main.h"
#include "data/t_table.h"
#include "maintenance/rebuild_indexes_dialog.h"
#include "records/search_dialog.h"
#include "scratch_home.h"
#include "text/message_service.h"
#include "xbase/engine.h"

namespace pc::app {
namespace {

// Runs `fn` on the next modal dialog once it is on screen.
void onNextModal(std::function<void(QDialog*)> fn) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, fn] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        fn(dialog);
    });
    timer->start();
}

class DialogPlacementTest : public ::testing::Test {
  protected:
    void SetUp() override {
        home = test::makeScratchHome(tempHome);
        window = std::make_unique<TAddressMain>();
        window->FormActivate();
        window->AddButtonClick();
        window->TablePKW->fieldByName("LNAME").setText("Baker");
        ASSERT_TRUE(window->SaveButtonClick());
        window->setGeometry(300, 200, 632, 460);
        window->show();
    }
    void TearDown() override {
        window.reset();
        sx_CloseAll();
    }

    // Opens a dialog with `open` and records where it showed.
    QRect placementOf(const std::function<void()>& open, const char* dialogName = nullptr) {
        QRect shown;
        onNextModal([&shown, dialogName](QDialog* dialog) {
            if (dialogName && dialog->objectName() != dialogName) {
                // A dialog opened on the way (New Database before Field Lengths).
                onNextModal([&shown](QDialog* inner) {
                    shown = inner->frameGeometry();
                    inner->reject();
                });
                dialog->findChild<QPushButton*>("FieldLengthsButton")->click();
                dialog->reject();
                return;
            }
            shown = dialog->frameGeometry();
            dialog->reject();
        });
        open();
        return shown;
    }

    void expectCentred(const QRect& dialog, const char* name) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(dialog.isValid());
        const QRect main = window->frameGeometry();
        EXPECT_LE(std::abs(dialog.center().x() - main.center().x()), 1) << dialog.x();
        EXPECT_LE(std::abs(dialog.center().y() - main.center().y()), 1) << dialog.y();
        EXPECT_TRUE(window->screen()->availableGeometry().contains(dialog));
    }

    QTemporaryDir tempHome;
    QString home;
    pc::text::ScopedRecordingMessages messages;
    std::unique_ptr<TAddressMain> window;
};

TEST_F(DialogPlacementTest, DialogsOpenCentredOverTheMainWindow) {
    expectCentred(placementOf([this] { window->mnuPreferences->trigger(); }), "Preferences");
    expectCentred(placementOf([this] { window->mnuAbout->trigger(); }), "About");
    expectCentred(placementOf([this] { window->NewFileMenuClick(); }), "New Database");
    expectCentred(placementOf([this] { window->SearchButtonClick(); }), "Search");
    expectCentred(placementOf([this] { window->NewFileMenuClick(); }, "TFieldLengthsDialog"),
                  "Field Lengths");
}

TEST_F(DialogPlacementTest, SearchOrdersAndRebuildTextsAreInView) {
    records::TSearchDialog search(0, window.get());
    search.show();
    QApplication::processEvents();
    QListWidget* orders = search.OrderList;
    const QRect last = orders->visualItemRect(orders->item(orders->count() - 1));
    EXPECT_EQ(orders->item(orders->count() - 1)->text(), "Codes");
    EXPECT_TRUE(orders->viewport()->rect().contains(last)) << last.bottom();

    for (bool system : {false, true}) {
        auto dialog = system ? std::make_unique<maintenance::TRebuildIndexesDialog>(window.get())
                             : std::make_unique<maintenance::TRebuildIndexesDialog>(
                                   window->TablePKW, window.get());
        dialog->show();
        QApplication::processEvents();
        auto* status = dialog->findChild<QLabel*>("StatusLabel");
        EXPECT_TRUE(status->isVisible());
        EXPECT_TRUE(status->text().contains("Reindex")) << status->text().toStdString();
    }
}

TEST(ApplicationName, CaptionsNameTheProgramOnce) {
    // Qt appends a display name to every caption; "Postcraft - path" would
    // then read "Postcraft - path — Postcraft".
    setUpApplication(*qApp);
    const QString name = QCoreApplication::applicationName();
    EXPECT_EQ(name, "Postcraft");
    QCoreApplication::setApplicationName("probe");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "probe");
    QCoreApplication::setApplicationName(name);
}

}  // namespace
}  // namespace pc::app
