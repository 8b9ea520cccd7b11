#include "app/startup.h"

#include <QApplication>
#include <QIcon>

#include "app/single_instance.h"
#include "app/t_address_main.h"
#include "text/busy_cursor.h"
#include "text/program_paths.h"

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
    app.setApplicationDisplayName("Postcraft");
    app.setApplicationVersion(QStringLiteral(POSTCRAFT_VERSION));
    app.setWindowIcon(QIcon(":/icons/postcraft.png"));
}

int runPostcraft(QApplication& app, const QStringList& arguments) {
    setUpApplication(app);
    const QString home = pc::text::resolveHome(arguments);

    SingleInstance instance(home);
    if (!instance.claim()) return 0;

    TAddressMain* window = nullptr;
    {
        pc::text::BusyCursor busy;
        window = new TAddressMain;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    QObject::connect(&instance, &SingleInstance::raiseRequested, window,
                     &TAddressMain::bringToFront);
    window->show();
    return app.exec();
}

}  // namespace pc::app
