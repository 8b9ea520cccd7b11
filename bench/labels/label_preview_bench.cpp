// Times a label preview as the "Print Labels" window runs it: how long
// until the preview shows its first page, and how long until every page is
// recorded when the reader goes to the last one.
//   label_preview_bench HOME TABLE LAYOUT-DESCRIPTION
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

#include "data/address_database.h"
#include "data/address_schema.h"
#include "data/engine_setting_guards.h"
#include "data/system_tables.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "labels/label_definition.h"
#include "labels/label_print_run.h"
#include "labels/label_sheet.h"
#include "labels/label_tables.h"
#include "print/preview_run.h"
#include "text/program_paths.h"

using namespace pc;

namespace {

labels::LabelDefinition findLayout(const QString& description) {
    data::TTable layouts;
    if (!data::openSystemTable(QStringLiteral("LABEL.DBF"), layouts)) return {};
    for (layouts.first(); !layouts.eof(); layouts.next()) {
        const auto layout = labels::readLabelDefinition(layouts);
        if (layout.description.trimmed() == description) return layout;
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: label_preview_bench HOME TABLE LAYOUT-DESCRIPTION\n");
        return 2;
    }
    text::setHome(QString::fromLocal8Bit(argv[1]));
    labels::registerLabelTables();
    const labels::LabelDefinition layout = findLayout(QString::fromLocal8Bit(argv[3]));
    data::TTable addresses;
    data::defineAddressFields(addresses, [] { return QString(); });
    if (layout.description.isEmpty() ||
        !data::OpenPKWFile(QString::fromLocal8Bit(argv[2]), addresses)) {
        std::fprintf(stderr, "cannot open the layout or the table\n");
        return 1;
    }
    data::setNameFieldsVisible(addresses, true);
    data::TApollo engine(&addresses);
    engine.setOrder(engine.tagArea(QStringLiteral("LNAME")));
    data::DeletedFilterSetting hideDeleted(true);
    addresses.first();

    labels::LabelPrintChoices choices;
    choices.records = labels::LabelPrintChoices::Records::All;
    choices.positions = labels::PositionMap(labels::SheetGeometry::of(layout).positions());
    QElapsedTimer clock;
    clock.start();
    print::PrintEngine printer;
    labels::LabelPrintRun run(addresses, engine, layout, text::sysdataDir(), std::move(choices),
                              printer);
    print::PreviewRun preview(
        printer, {"Preparing Preview Page %p\r%0\r%1", {}, {}, {}, "\rPreview Stopped at page %p!"},
        QStringLiteral("Preview Labels"), nullptr);
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    printer.print = [&](print::PrintEngine& e) {
        run.print(e, [&] {
            if (sinceEvents.elapsed() >= 50) {
                QCoreApplication::processEvents();
                sinceEvents.restart();
            }
            return preview.keepGoing();
        });
    };
    qint64 firstPage = -1;
    QTimer watch;
    watch.setInterval(1);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        print::PreviewWindow* window = preview.previewWindow();
        if (!window || window->pageCount() == 0) return;
        if (firstPage < 0) {
            firstPage = clock.elapsed();
            window->showPage(1 << 30);  // the last page: record the rest
        } else if (window->recordingComplete()) {
            std::printf("first page shown after %lld ms; all %d pages after %lld ms\n",
                        static_cast<long long>(firstPage), window->pageCount(),
                        static_cast<long long>(clock.elapsed()));
            window->accept();
            watch.stop();
        }
    });
    watch.start();
    preview.exec();
    return firstPage < 0 ? 1 : 0;
}
