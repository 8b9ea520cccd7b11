// Times "Tag All Filter Matches" through the main window on a generated
// address database, with the windows shown (offscreen unless a platform is
// set), as a user would run it. Prints the records tagged and the seconds
// from the menu command to the "Complete" box.
//
//   tagging_bench [records] [last-name criterion]   (100000 and ">=A": all)
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "address_data.h"
#include "address_table_fill.h"
#include "app/startup.h"
#include "app/t_address_main.h"
#include "data/address_database.h"
#include "data/new_file_field_lengths.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "records/tagging_window.h"
#include "text/message_service.h"
#include "text/profile_file.h"
#include "text/program_paths.h"
#include "xbase/engine.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int records = argc > 1 ? std::atoi(argv[1]) : 100000;
    const QString criterion = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(">=A");

    QTemporaryDir home;
    pc::app::initResources();
    pc::text::setHome(home.path());
    QDir().mkpath(home.path() + "/DATA");
    QDir().mkpath(home.path() + "/sysdata");
    pc::text::ProfileFile(home.path() + "/POSTCR.ini").writeBool("Misc", "GettingStarted", true);
    pc::bench::fillAddressTable(home.path() + "/DATA/add0001.DBF", records, {.noneDeleted = true});

    pc::text::ScopedRecordingMessages messages;  // answers Yes
    pc::app::TAddressMain window;
    window.show();
    window.FormActivate();
    window.filterCriteria[pc::data::Criterion::LastName] = criterion;
    const int matches = window.ApplyQuery();
    window.RefreshControls();

    QElapsedTimer clock;
    qint64 elapsed = -1;
    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<pc::records::TTaggingWindow*>(QApplication::activeModalWidget());
        if (!box || box->OkButton->isHidden()) return;
        if (elapsed < 0) elapsed = clock.elapsed();
        poll.stop();
        box->OkButton->click();
    });
    poll.start();
    clock.start();
    window.mnuTagAllFilterMatchesClick();

    pc::data::FilterCriteria tagged;
    tagged.taggedOnly = true;
    window.filterCriteria = tagged;
    const int taggedCount = window.ApplyQuery();
    std::printf("records %d, filter matches %d, tagged %d, seconds %.2f\n", records, matches,
                taggedCount, elapsed / 1000.0);
    return taggedCount == matches ? 0 : 1;
}
