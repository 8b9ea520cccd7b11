#include "cli/envelopes_command.h"

#include <QFileInfo>
#include <cstdio>
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
#include "envelopes/envelope_definition.h"
#include "envelopes/envelope_feed.h"
#include "envelopes/envelope_layout_operations.h"
#include "envelopes/envelope_print_run.h"
#include "envelopes/envelope_sizes.h"
#include "envelopes/envelope_tables.h"
#include "print/print_engine.h"
#include "text/program_paths.h"

namespace pc::cli {
namespace {

using envelopes::EnvelopeFeed;

const char* const kEnvelopesUsage =
    "usage: postcraft-cli envelopes offsets --paper WxH --envelope CODE\n"
    "                                       --feed ORIENTATION,FACING,POSITION[,cw]\n"
    "       postcraft-cli envelopes list --home DIR\n"
    "       postcraft-cli envelopes add --home DIR --description D --size CODE --layout FILE.E\n"
    "       postcraft-cli envelopes print --home DIR --db TABLE --layout DESCRIPTION\n"
    "                                     [--records all|filter|current] [--start-record N]\n"
    "                                     [--flt FILE] [--feed ...] [--paper WxH] --pdf OUT.pdf\n"
    "\n"
    "offsets prints where the layout's top-left lies on the page, \"X Y\" in inches, for\n"
    "an envelope of the size CODE fed so: ORIENTATION portrait|landscape, FACING\n"
    "up|down, POSITION left|right|center, cw for clockwise rotation; --paper is the\n"
    "page as the job sees it after orientation (a landscape feed on letter is 11x8.5).\n"
    "list prints each layout of DIR/sysdata/ENVELOPE.DBF as a JSON line, in\n"
    "description order. add makes a layout as New and Save in the designer do: the\n"
    "objects of FILE.E under a new BIN#####.E name. print prints the layout, one\n"
    "envelope per record, to a PDF file as the envelope window would (the feed of\n"
    "the home's settings unless --feed is given; the envelope's own paper unless\n"
    "--paper is given).\n";

[[noreturn]] void usageError(const std::string& message) {
    verbUsageError("envelopes", message);
}

using Options = VerbOptions;

Options parse(const std::vector<std::string>& args, const std::vector<std::string>& known,
              bool needsHome = true) {
    return parseVerbOptions(
        "envelopes", args, known, {},
        needsHome ? std::vector<std::string>{"--home"} : std::vector<std::string>{});
}

EnvelopeFeed parseFeed(const QString& text) {
    const QStringList parts = text.toLower().split(',');
    if (parts.size() < 3 || parts.size() > 4)
        usageError("--feed is ORIENTATION,FACING,POSITION[,cw]");
    EnvelopeFeed feed;
    const QString& o = parts[0];
    if (o == "portrait")
        feed.orientation = EnvelopeFeed::Portrait;
    else if (o == "landscape")
        feed.orientation = EnvelopeFeed::Landscape;
    else
        usageError("--feed: the orientation is portrait or landscape");
    if (parts[1] == "up")
        feed.facing = EnvelopeFeed::FaceUp;
    else if (parts[1] == "down")
        feed.facing = EnvelopeFeed::FaceDown;
    else
        usageError("--feed: the facing is up or down");
    if (parts[2] == "left")
        feed.position = EnvelopeFeed::Left;
    else if (parts[2] == "right")
        feed.position = EnvelopeFeed::Right;
    else if (parts[2] == "center")
        feed.position = EnvelopeFeed::Center;
    else
        usageError("--feed: the position is left, right or center");
    if (parts.size() == 4) {
        if (parts[3] != "cw") usageError("--feed: the fourth value can only be cw");
        feed.clockwise = true;
    }
    return feed;
}

print::InchSize parsePaper(const QString& text) {
    const QStringList parts = text.toLower().split('x');
    if (parts.size() != 2) usageError("--paper is WIDTHxHEIGHT in inches");
    const double w = positiveNumber(parts[0].toStdString(), "--paper");
    const double h = positiveNumber(parts[1].toStdString(), "--paper");
    return {print::Inches(w), print::Inches(h)};
}

int sizeCode(const QString& text, const char* option) {
    return wholeNumber(text.toStdString(), option, 0, 99999);
}

int offsets(const Options& options, std::ostream& out) {
    for (const char* needed : {"--paper", "--envelope", "--feed"})
        if (!options.count(needed)) usageError(std::string(needed) + " is needed");
    const print::InchSize page = parsePaper(options.at("--paper"));
    envelopes::EnvelopeDefinition envelope;
    envelope.setCode(sizeCode(options.at("--envelope"), "--envelope"));
    const envelopes::EnvelopeOffsets o =
        envelopes::envelopeOffsets(page.width.value, page.height.value, envelope.usableLength(),
                                   envelope.usableDepth(), parseFeed(options.at("--feed")));
    char line[64];
    std::snprintf(line, sizeof line, "%.4f %.4f\n", static_cast<double>(o.x),
                  static_cast<double>(o.y));
    out << line;
    return 0;
}

// ENVELOPE.DBF of the home, as the envelope window opens it.
void openLayouts(const QString& home, data::TTable& table) {
    openHomeTable(home, QStringLiteral("ENVELOPE.DBF"), &envelopes::registerEnvelopeTables, table);
}

int list(const Options& options, std::ostream& out) {
    data::TTable table;
    openLayouts(options.at("--home"), table);
    for (table.first(); !table.eof(); table.next()) {
        envelopes::EnvelopeDefinition d;
        envelopes::readEnvelopeSetup(table, d);
        std::string line = "{";
        appendJsonString(line, "DESCRIPT");
        line += ": ";
        appendJsonString(line, d.description.toStdString());
        line += ", \"NUMBER\": " + std::to_string(d.code) + ", ";
        appendJsonString(line, "BINARY");
        line += ": ";
        appendJsonString(line, d.layoutFile.toStdString());
        line += ", \"LENGTH\": " + jsonNumber(QString::number(d.length).toStdString(), d.length, 3);
        line += ", \"DEPTH\": " + jsonNumber(QString::number(d.depth).toStdString(), d.depth, 3);
        out << line << "}\n";
    }
    return 0;
}

int add(const Options& options) {
    for (const char* needed : {"--description", "--size", "--layout"})
        if (!options.count(needed)) usageError(std::string(needed) + " is needed");
    const int code = sizeCode(options.at("--size"), "--size");
    if (envelopes::envelopeSizeRow(code) < 0)
        usageError("--size: " + std::to_string(code) + " is not an envelope size code");
    design::ReadObjects objects = design::readLayoutFile(options.at("--layout"));
    if (!objects.ok())
        throw CliError(options.at("--layout").toStdString() + ": " + objects.error.toStdString(),
                       kExitUsage);
    data::TTable table;
    openLayouts(options.at("--home"), table);

    envelopes::EnvelopeDesignerCalls calls;
    calls.clearObjects = [] {};
    calls.loadObjects = [](const QString&) { return true; };
    calls.design = [&options](envelopes::EnvelopeDefinition& d) {
        d.description = options.at("--description");
        return true;
    };
    QString error;
    calls.saveObjects = [&objects, &error](const QString& path) {
        std::vector<const design::TGGraphicControl*> list;
        for (const auto& o : objects.objects) list.push_back(o.get());
        return design::writeLayoutFile(path, list, &error);
    };
    envelopes::EnvelopeDefinition current;
    if (!envelopes::newEnvelope(table, current, code, calls))
        throw CliError(error.isEmpty() ? "the layout could not be added" : error.toStdString(),
                       kExitFailure);
    return 0;
}

int print(const Options& options) {
    for (const char* needed : {"--db", "--layout", "--pdf"})
        if (!options.count(needed)) usageError(std::string(needed) + " is needed");
    envelopes::EnvelopePrintChoices choices;
    choices.records = recordsOption("envelopes", options);

    data::TTable layouts;
    openLayouts(options.at("--home"), layouts);
    envelopes::EnvelopeDefinition envelope;
    bool found = false;
    for (layouts.first(); !layouts.eof() && !found; layouts.next()) {
        envelopes::readEnvelopeSetup(layouts, envelope);
        found = envelope.description == options.at("--layout").trimmed();
    }
    layouts.close();
    if (!found)
        throw CliError(
            "no envelope layout is described as \"" + options.at("--layout").toStdString() + "\"",
            kExitUsage);
    choices.feed = options.count("--feed") ? parseFeed(options.at("--feed"))
                                           : envelopes::readEnvelopeFeed(text::settingsPath());

    const QString table = options.at("--db");
    data::TTable addresses;
    openAddressTable(table, addresses);
    data::setNameFieldsVisible(addresses, true);
    data::TApollo engine(&addresses);
    const QString filter = filterOfFile(options.count("--flt") ? options.at("--flt") : QString());
    data::DeletedFilterSetting hideDeleted(true);
    if (!engine.setQuery(data::engineQuery(filter)))
        throw CliError("the filter cannot be used on " + table.toStdString(), kExitFailure);
    addresses.first();
    choices.startFromCurrent = startRecordOption(options, addresses, engine, choices.records);

    print::PrintEngine printer;
    envelopes::setEnvelopePaper(printer, envelope.code, choices.feed);
    if (options.count("--paper")) {
        // The page as the job sees it: a landscape feed lays the sheet across.
        const print::InchSize page = parsePaper(options.at("--paper"));
        const bool across = choices.feed.orientation == EnvelopeFeed::Landscape;
        printer.setCustomPaper(across ? print::InchSize{page.height, page.width} : page);
    }
    envelopes::EnvelopePrintRun run(addresses, engine, envelope, text::sysdataDir(), choices);
    if (!run.ready()) throw CliError("nothing was printed", kExitFailure);
    if (run.nothingToPrint()) throw CliError("no record was chosen; nothing was printed", 1);
    printer.beforePrint = [&](print::PrintEngine& e) { run.beforePrint(e); };
    printToPdf(
        printer, "Printing envelopes", engine.queryRecCount(), options.at("--pdf"),
        [&](print::PrintEngine& e, const print::KeepGoing& keepGoing) { run.print(e, keepGoing); });
    return 0;
}

}  // namespace

int runEnvelopesCommand(const std::vector<std::string>& args, std::ostream& out) {
    if (args.empty()) usageError("'envelopes' needs a verb: offsets, list, add or print");
    const std::string& verb = args.front();
    if (verb == "--help" || verb == "-h") {
        out << kEnvelopesUsage;
        return 0;
    }
    ScopedStderrMessages messages;
    if (verb == "offsets")
        return offsets(parse(args, {"--paper", "--envelope", "--feed"}, false), out);
    if (verb == "list") return list(parse(args, {"--home"}), out);
    if (verb == "add") return add(parse(args, {"--home", "--description", "--size", "--layout"}));
    if (verb == "print")
        return print(parse(args, {"--home", "--db", "--layout", "--records", "--start-record",
                                  "--flt", "--feed", "--paper", "--pdf"}));
    usageError("unknown envelopes verb '" + verb + "'");
}

}  // namespace pc::cli
