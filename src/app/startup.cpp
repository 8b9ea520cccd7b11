#include "app/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QTimer>
#include <cstdio>

#include "app/help_window.h"
#include "app/single_instance.h"
#include "app/t_address_main.h"
#include "labels/ui/labels_entry.h"
#include "print/system_printers.h"
#include "spell/dictionary_files.h"
#include "text/message_service.h"
#include "text/program_paths.h"
#include "widgets/busy_cursor.h"
#include "widgets/help_link.h"
#include "widgets/message_box_service.h"

static void registerPostcraftResources() {
    Q_INIT_RESOURCE(postcraft);
}

namespace pc::app {

void initResources() {
    static bool done = false;
    if (done) return;
    registerPostcraftResources();
    done = true;
}

void setUpApplication(QApplication& app) {
    initResources();
    app.setApplicationName("Postcraft");
    // No display name: Qt would append it to every caption, and the main
    // window's "Postcraft - path" would name the program twice.
    app.setApplicationVersion(QStringLiteral(POSTCRAFT_VERSION));
    app.setWindowIcon(QIcon(":/icons/postcraft.png"));
    pc::text::setMessageService(std::make_unique<pc::widgets::MessageBoxService>());
    installHelpOpener();
    pc::print::setPrinterBackend(&pc::print::systemPrinters());
    pc::labels::registerLabelDesignMenus();
}

void installHelpOpener() {
    pc::widgets::setHelpOpener([](int context) { HelpWindow::showContext(context); });
}

int runPostcraft(QApplication& app, const QStringList& arguments) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    setUpApplication(app);
    const QString home = pc::text::resolveHome(arguments);

    SingleInstance instance(home);
    if (!instance.claim()) return 0;
    // Without a main dictionary the spell check is not offered; a missing
    // system dictionary is no reason to stop.
    pc::spell::installMainDictionary(pc::text::mainDictionaryPath());

    TAddressMain* window = nullptr;
    {
        pc::widgets::BusyCursor busy;
        window = new TAddressMain;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    QObject::connect(&instance, &SingleInstance::raiseRequested, window,
                     &TAddressMain::bringToFront);
    // --startup-report: print how long the window took to show its database,
    // then quit (for timing start-up on big databases).
    if (arguments.contains(QStringLiteral("--startup-report"))) {
        QObject::connect(window, &TAddressMain::startupFinished, window, [&sinceStart, window] {
            QTimer::singleShot(0, window, [&sinceStart, window] {
                std::fprintf(stdout, "startup %lld ms\n",
                             static_cast<long long>(sinceStart.elapsed()));
                std::fflush(stdout);
                // A dialog of the first start (getting started) may still be
                // open on the stack; closing the window under it would delete
                // the dialog twice, so leave every event loop instead.
                if (QApplication::activeModalWidget())
                    QCoreApplication::exit(0);
                else
                    window->close();
            });
        });
    }
    window->show();
    return app.exec();
}

}  // namespace pc::app
