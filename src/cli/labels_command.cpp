#include "cli/labels_command.h"

#include <QFileInfo>
#include <map>

#include "cli/address_input.h"
#include "cli/cli_messages.h"
#include "cli/db_command.h"
#include "cli/home_table.h"
#include "cli/json_writer.h"
#include "cli/option_numbers.h"
#include "cli/pdf_print.h"
#include "cli/verb_options.h"
#include "data/address_schema.h"
#include "data/engine_setting_guards.h"
#include "data/filter_query.h"
#include "data/system_tables.h"
#include "data/t_apollo.h"
#include "data/t_field.h"
#include "data/t_table.h"
#include "design/graphic_object.h"
#include "design/layout_stream.h"
#include "labels/label_definition.h"
#include "labels/label_layout_operations.h"
#include "labels/label_print_run.h"
#include "labels/label_sheet.h"
#include "labels/label_tables.h"
#include "labels/stock_choice.h"
#include "labels/stock_values.h"
#include "labels/template_table.h"
#include "postal/presort_records.h"
#include "print/print_engine.h"
#include "text/program_paths.h"

namespace pc::cli {
namespace {

using labels::SheetGeometry;

const char* const kLabelsUsage =
    "usage: postcraft-cli labels list --home DIR\n"
    "       postcraft-cli labels add --home DIR --description D --layout FILE.L\n"
    "                                (--template \"TEMPLATE DESCRIPTION\" |\n"
    "                                 --geometry \"HEIGHT WIDTH ACROSS DOWN TOP LEFT HPITCH "
    "VPITCH\n"
    "                                             SHEETW SHEETD PAPER [MIDEXTRAX MIDEXTRAY]\")\n"
    "       postcraft-cli labels print --home DIR --db TABLE --layout DESCRIPTION\n"
    "                                  [--records all|filter|current] [--start-record N]\n"
    "                                  [--order TAG] [--flt FILE] [--positions LIST]\n"
    "                                  [--copies N] [--presort] --pdf OUT.pdf\n"
    "\n"
    "list prints each layout of DIR/sysdata/LABEL.DBF as a JSON line, in description\n"
    "order, one key per field. add makes a layout as New and Save in the designer do:\n"
    "the stock from a template of LBLTPL.DBF or from the numbers, the objects of\n"
    "FILE.L under a new BIN#####.L name. print prints the layout for the chosen\n"
    "records to a PDF file as the label window would (\"Last Name\" order unless\n"
    "--order names another tag; --positions is a comma list of 1-based sheet\n"
    "positions; --start-record makes record N the current one).\n";

[[noreturn]] void usageError(const std::string& message) {
    verbUsageError("labels", message);
}

using Options = VerbOptions;

Options parse(const std::vector<std::string>& args, const std::vector<std::string>& known,
              const std::vector<std::string>& flags = {}) {
    return parseVerbOptions("labels", args, known, flags);
}

// LABEL.DBF of the home, as the label window opens it.
void openLayouts(const QString& home, data::TTable& table) {
    openHomeTable(home, QStringLiteral("LABEL.DBF"), &labels::registerLabelTables, table);
}

int list(const Options& options, std::ostream& out) {
    data::TTable table;
    openLayouts(options.at("--home"), table);
    writeRowsAsJsonLines(table, out);
    return 0;
}

// The stock of a template row, found by its description.
void stockFromTemplate(const QString& description, labels::LabelDefinition& definition) {
    data::TTable templates;
    labels::provideTemplateTable();
    if (!labels::openTemplateTable(templates))
        throw CliError("cannot open LBLTPL.DBF", kExitFailure);
    for (templates.first(); !templates.eof(); templates.next()) {
        if (templates.fieldByName(QStringLiteral("DESCRIPT")).text().trimmed() !=
            description.trimmed())
            continue;
        labels::takeTemplate(templates, definition);
        return;
    }
    throw CliError("no label template is described as \"" + description.toStdString() + "\"",
                   kExitUsage);
}

void stockFromGeometry(const QString& geometry, labels::LabelDefinition& definition) {
    const QStringList parts = geometry.simplified().split(' ');
    if (parts.size() != 11 && parts.size() != 13) usageError("--geometry needs 11 or 13 values");
    std::vector<double> n;
    for (int i = 0; i < parts.size(); ++i) {
        if (i == 10) continue;  // the paper code
        bool ok = false;
        n.push_back(parts[i].toDouble(&ok));
        if (!ok) usageError("--geometry: '" + parts[i].toStdString() + "' is not a number");
    }
    labels::StockValues v;
    v.labelHeight = float(n[0]);
    v.labelWidth = float(n[1]);
    v.across = int(n[2]);
    v.down = int(n[3]);
    v.topMargin = float(n[4]);
    v.leftMargin = float(n[5]);
    v.horizontalPitch = float(n[6]);
    v.verticalPitch = float(n[7]);
    v.sheetWidth = float(n[8]);
    v.sheetDepth = float(n[9]);
    v.paperSize = parts[10].toUpper().left(5);
    v.shape = QStringLiteral("RR");
    if (v.across < 1 || v.across > 10 || v.down < 1 || v.down > 30)
        usageError("--geometry: 1 to 10 across and 1 to 30 down");
    if (const QString problem = labels::stockValuesProblem(v); !problem.isEmpty())
        throw CliError("--geometry: " + problem.toStdString(), kExitUsage);
    labels::takeUserStock(v, definition);
    if (n.size() == 12) {
        definition.extraX = n[10];
        definition.extraY = n[11];
    }
}

int add(const Options& options) {
    for (const char* needed : {"--description", "--layout"})
        if (!options.count(needed)) usageError(std::string(needed) + " is needed");
    if (options.count("--template") == options.count("--geometry"))
        usageError("give either --template or --geometry");
    design::ReadObjects objects = design::readLayoutFile(options.at("--layout"));
    if (!objects.ok())
        throw CliError(options.at("--layout").toStdString() + ": " + objects.error.toStdString(),
                       kExitUsage);
    data::TTable table;
    openLayouts(options.at("--home"), table);

    labels::LayoutDesignerCalls calls;
    calls.clearObjects = [] {};
    calls.loadObjects = [](const QString&) { return true; };
    calls.design = [&options](labels::LabelDefinition& definition, bool) {
        definition.description = options.at("--description").left(labels::kDescriptionLength);
        if (options.count("--template"))
            stockFromTemplate(options.at("--template"), definition);
        else
            stockFromGeometry(options.at("--geometry"), definition);
        return true;
    };
    QString error;
    calls.saveObjects = [&objects, &error](const QString& path) {
        std::vector<const design::TGGraphicControl*> list;
        for (const auto& o : objects.objects) list.push_back(o.get());
        return design::writeLayoutFile(path, list, &error);
    };
    if (!labels::newLayout(table, calls))
        throw CliError(error.isEmpty() ? "the layout could not be added" : error.toStdString(),
                       kExitFailure);
    return 0;
}

int print(const Options& options) {
    for (const char* needed : {"--db", "--layout", "--pdf"})
        if (!options.count(needed)) usageError(std::string(needed) + " is needed");
    labels::LabelPrintChoices choices;
    choices.records = recordsOption("labels", options);

    data::TTable layouts;
    openLayouts(options.at("--home"), layouts);
    labels::LabelDefinition layout;
    bool found = false;
    for (layouts.first(); !layouts.eof() && !found; layouts.next()) {
        layout = labels::readLabelDefinition(layouts);
        found = layout.description.trimmed() == options.at("--layout").trimmed();
    }
    layouts.close();
    if (!found)
        throw CliError(
            "no label layout is described as \"" + options.at("--layout").toStdString() + "\"",
            kExitUsage);
    const SheetGeometry sheet = SheetGeometry::of(layout);
    choices.positions = labels::PositionMap(sheet.positions());
    if (options.count("--positions")) {
        choices.positions.setAll(false);
        for (const QString& part : options.at("--positions").split(',')) {
            bool ok = false;
            const int n = part.trimmed().toInt(&ok);
            if (!ok || n < 1 || n > sheet.positions())
                usageError("--positions: '" + part.toStdString() + "' is not a position of 1 to " +
                           std::to_string(sheet.positions()));
            choices.positions.set(n - 1, true);
        }
    }
    if (options.count("--copies"))
        choices.copies = wholeNumber(options.at("--copies").toStdString(), "--copies", 1, 99);

    const QString table = options.at("--db");
    data::TTable addresses;
    openAddressTable(table, addresses);
    data::setNameFieldsVisible(addresses, true);
    data::TApollo engine(&addresses);
    const QString order = options.count("--order") ? options.at("--order") : "LNAME";
    const int orderNumber = engine.tagArea(order);
    if (orderNumber <= 0) throw CliError("the table has no tag " + order.toStdString(), kExitUsage);
    engine.setOrder(orderNumber);
    const QString filter = filterOfFile(options.count("--flt") ? options.at("--flt") : QString());
    data::DeletedFilterSetting hideDeleted(true);
    if (!engine.setQuery(data::engineQuery(filter)))
        throw CliError("the filter cannot be used on " + table.toStdString(), kExitFailure);
    addresses.first();
    choices.startFromCurrent = startRecordOption(options, addresses, engine, choices.records);
    choices.presort = options.count("--presort") > 0;
    choices.presorter = [&addresses, &engine]() -> std::optional<QStringList> {
        postal::BulkMailPresort presort;
        postal::countPresortKeys(addresses, engine, presort);
        return presort.plan();
    };

    print::PrintEngine printer;
    labels::LabelPrintRun run(addresses, engine, layout, text::sysdataDir(), std::move(choices),
                              printer);
    if (!run.ready()) throw CliError("nothing was printed", kExitFailure);
    printToPdf(
        printer, "Printing labels", engine.queryRecCount(), options.at("--pdf"),
        [&](print::PrintEngine& e, const print::KeepGoing& keepGoing) { run.print(e, keepGoing); });
    return 0;
}

}  // namespace

int runLabelsCommand(const std::vector<std::string>& args, std::ostream& out) {
    if (args.empty()) usageError("'labels' needs a verb: list or add");
    const std::string& verb = args.front();
    if (verb == "--help" || verb == "-h") {
        out << kLabelsUsage;
        return 0;
    }
    ScopedStderrMessages messages;
    if (verb == "list") return list(parse(args, {"--home"}), out);
    if (verb == "print")
        return print(parse(args,
                           {"--home", "--db", "--layout", "--records", "--start-record", "--order",
                            "--flt", "--positions", "--copies", "--pdf"},
                           {"--presort"}));
    if (verb == "add")
        return add(
            parse(args, {"--home", "--description", "--layout", "--template", "--geometry"}));
    usageError("unknown labels verb '" + verb + "'");
}

}  // namespace pc::cli
