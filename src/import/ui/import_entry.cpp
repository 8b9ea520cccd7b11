#include "import/ui/import_entry.h"

#include <QDir>

#include "data/data_error.h"
#include "data/session.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "import/import_destination.h"
#include "import/ui/ascii_import_window.h"
#include "import/ui/dbf_import_window.h"
#include "import/ui/import_older_window.h"
#include "text/message_service.h"
#include "widgets/window_placement.h"

namespace pc::import {

namespace {

// Runs the window on its own exclusive table object over the main table's file.
template <typename Window>
void onOwnTable(pc::data::Session& session, QWidget* parent, const QString& failure) {
    pc::data::TTable& main = session.table();
    const QString path = main.path();
    const QString cwd = QDir::currentPath();
    main.close();
    {
        pc::data::TTable destination;
        if (openDestination(path, destination, &main)) {
            Window window(destination, parent);
            pc::widgets::centreWindow(&window, parent);
            window.exec();
            destination.close();
        } else {
            pc::text::messages().inform(failure);
        }
    }
    try {
        main.open();
        main.first();
    } catch (const pc::data::DataError& e) {
        pc::text::messages().error(e.message(), QStringLiteral("Error"));
    }
    QDir::setCurrent(cwd);
}

}  // namespace

void importAscii(pc::data::Session& session, QWidget* parent) {
    onOwnTable<TAsciiImport>(
        session, parent, QStringLiteral("Unknown error. Unable to do ASCII import at this time"));
}

void importDbf(pc::data::Session& session, QWidget* parent) {
    onOwnTable<TDBFImport>(session, parent,
                           QStringLiteral("Unable to open the address file for the import"));
}

void importOlder(pc::data::Session& session, int version, QWidget* parent) {
    pc::data::TApollo(&session.table()).setQuery({});
    const QString cwd = QDir::currentPath();
    TImportOlder window(version == 1 ? OlderVersion::V1 : OlderVersion::V2, session.table(),
                        parent);
    pc::widgets::centreWindow(&window, parent);
    window.exec();
    QDir::setCurrent(cwd);
}

}  // namespace pc::import
