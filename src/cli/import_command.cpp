#include "cli/import_command.h"

#include <QFileInfo>
#include <ostream>

#include "cli/cli_messages.h"
#include "cli/db_command.h"
#include "cli/progress_line.h"
#include "data/t_apollo_env.h"
#include "data/t_field.h"
#include "data/t_table.h"
#include "import/ascii_columns.h"
#include "import/ascii_import.h"
#include "import/dbf_import.h"
#include "import/header_pairing.h"
#include "import/import_destination.h"
#include "import/import_text_file.h"
#include "import/older_import.h"
#include "import/vcard_import.h"

namespace pc::cli {

namespace {

const char* const kUsage =
    "usage: postcraft-cli import ascii TABLE FILE --map \"1=LNAME,2=FNAME,...\"\n"
    "       postcraft-cli import csv TABLE FILE [--map \"1=LNAME,...\"]\n"
    "       postcraft-cli import vcard TABLE FILE\n"
    "       postcraft-cli import dbf TABLE SOURCE [--map \"SOURCEFIELD=FIELD,...\"]\n"
    "       postcraft-cli import older TABLE SOURCE --version 1|2\n"
    "\n"
    "Appends records to the address table TABLE and makes its index again.\n"
    "ascii: every line of FILE is a record; --map pairs 1-based columns with\n"
    "fields (by name or label). csv: the first line names the columns, which pair\n"
    "with fields by name unless --map is given. vcard: each card of a vCard 3.0 or\n"
    "4.0 file. dbf: another xBase table, fields paired by name unless --map is\n"
    "given. older: a table of Postcraft 1.x or 2.x.\n"
    "Prints the number of records added, then any characters that could not be\n"
    "stored (they became \"?\").\n";

[[noreturn]] void usage(const std::string& message) {
    throw CliError(message + "\n(run 'postcraft-cli import --help' for usage)", kExitUsage);
}

struct Options {
    std::string kind, table, file, map, version;
};

Options parse(const std::vector<std::string>& args) {
    Options o;
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--map" || a == "--version") {
            if (i + 1 >= args.size()) usage(a + " needs a value");
            (a == "--map" ? o.map : o.version) = args[++i];
        } else if (a.rfind("--", 0) == 0) {
            usage("unknown option '" + a + "'");
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() != 3) usage("expected KIND TABLE FILE");
    o.kind = positional[0];
    o.table = positional[1];
    o.file = positional[2];
    return o;
}

// "1=LNAME,2=Last Name" into (left, right) pairs.
std::vector<std::pair<QString, QString>> mapPairs(const std::string& map) {
    std::vector<std::pair<QString, QString>> pairs;
    for (const QString& item : QString::fromStdString(map).split(u',', Qt::SkipEmptyParts)) {
        const qsizetype eq = item.indexOf(u'=');
        if (eq <= 0) usage("--map: '" + item.toStdString() + "' is not LEFT=FIELD");
        pairs.emplace_back(item.left(eq).trimmed(), item.mid(eq + 1).trimmed());
    }
    if (pairs.empty()) usage("--map names no pairs");
    return pairs;
}

pc::data::TField& destinationField(const pc::data::TTable& table, const QString& name) {
    pc::data::TField* f = pc::import::fieldByNameOrLabel(table, name);
    if (!f) usage("--map: the table has no field '" + name.toStdString() + "'");
    return *f;
}

void mapColumns(pc::import::AsciiColumnTable& columns, const std::string& map,
                const pc::data::TTable& table) {
    columns.clearMatches();
    for (const auto& [column, field] : mapPairs(map)) {
        bool ok = false;
        const int n = column.toInt(&ok);
        if (!ok || n < 1 || n > static_cast<int>(columns.columns.size()))
            usage("--map: column '" + column.toStdString() + "' is not one of 1 to " +
                  std::to_string(columns.columns.size()));
        pc::data::TField& f = destinationField(table, field);
        if (f.type() != pc::data::TFieldType::String)
            usage("--map: field '" + field.toStdString() + "' does not take text");
        columns.columns[n - 1].matchedField = f.displayLabel();
    }
}

int finish(const pc::import::ImportResult& result, std::ostream& out) {
    out << result.outcome.imported << '\n';
    if (!result.unstorable.report().isEmpty())
        out << result.unstorable.report().toStdString() << '\n';
    const bool failed = !result.started || result.outcome.readError || result.outcome.writeError ||
                        !result.indexRebuilt;
    return failed ? kExitFailure : 0;
}

pc::import::ImportCalls callsFor(ProgressLine& line) {
    pc::import::ImportCalls calls;
    calls.progress = pc::text::throttled(line.progress());
    return calls;
}

int importText(const Options& o, pc::data::TTable& table, std::ostream& out) {
    pc::import::ImportTextFile file;
    if (!file.open(QString::fromStdString(o.file)))
        throw CliError(o.file + ": cannot read the file", kExitFailure);
    pc::import::AsciiColumnTable columns;
    columns.sample(file);
    if (columns.columns.empty()) throw CliError(o.file + ": the file is empty", kExitFailure);
    if (o.kind == "csv") {
        pc::import::pairByHeaderRow(columns, table);
        if (!o.map.empty()) mapColumns(columns, o.map, table);
    } else {
        if (o.map.empty()) usage("import ascii needs --map");
        mapColumns(columns, o.map, table);
    }
    if (columns.matchedCount() == 0) throw CliError("no column is paired with a field", kExitUsage);
    ProgressLine line("import " + o.file);
    return finish(pc::import::runAsciiImport(file, columns, table, callsFor(line)), out);
}

int importVCard(const Options& o, pc::data::TTable& table, std::ostream& out) {
    std::vector<pc::import::VCardContact> contacts;
    if (!pc::import::readVCardFile(QString::fromStdString(o.file), contacts))
        throw CliError(o.file + ": no vCard could be read", kExitFailure);
    ProgressLine line("import " + o.file);
    return finish(pc::import::runVCardImport(contacts, table, callsFor(line)), out);
}

int importDbf(const Options& o, pc::data::TTable& table, std::ostream& out) {
    pc::data::TTable source;
    if (!pc::import::openImportSource(QString::fromStdString(o.file), source))
        throw CliError("Unable to open the file " + o.file, kExitFailure);
    std::vector<int> pairing = pc::import::autoPairDbf(source, table);
    if (!o.map.empty()) {
        pairing.assign(source.fieldCount(), pc::import::kNotPaired);
        for (const auto& [from, to] : mapPairs(o.map)) {
            pc::data::TField* s = source.findField(from);
            if (!s) usage("--map: the source has no field '" + from.toStdString() + "'");
            pc::data::TField& d = destinationField(table, to);
            if (!pc::import::kindSuits(*s, d))
                usage("--map: " + from.toStdString() + " cannot fill " + to.toStdString());
            int si = 0, di = 0;
            while (&source.field(si) != s) ++si;
            while (&table.field(di) != &d) ++di;
            pairing[si] = di;
        }
    }
    ProgressLine line("import " + o.file);
    return finish(pc::import::runDbfImport(source, pairing, table, callsFor(line)), out);
}

int importOlder(const Options& o, pc::data::TTable& table, std::ostream& out) {
    if (o.version != "1" && o.version != "2") usage("import older needs --version 1 or 2");
    const auto version =
        o.version == "1" ? pc::import::OlderVersion::V1 : pc::import::OlderVersion::V2;
    pc::data::TTable source;
    const QString problem = pc::import::openOlderSource(
        QString::fromStdString(o.file), QString::fromStdString(o.table), version, source);
    if (!problem.isEmpty()) throw CliError(problem.toStdString(), kExitFailure);
    ProgressLine line("import " + o.file);
    return finish(pc::import::runOlderImport(source, version, table, callsFor(line)), out);
}

}  // namespace

int runImportCommand(const std::vector<std::string>& args, std::ostream& out) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << kUsage;
        return 0;
    }
    const Options o = parse(args);
    if (o.kind != "ascii" && o.kind != "csv" && o.kind != "vcard" && o.kind != "dbf" &&
        o.kind != "older")
        usage("unknown import '" + o.kind + "'");
    ScopedStderrMessages messages;
    if (!pc::data::TApolloEnv().activate()) return kExitFailure;
    const QString path = QString::fromStdString(o.table);
    if (!QFileInfo(path).isFile()) throw CliError(o.table + ": not found", kExitFailure);
    pc::data::TTable table;
    if (!pc::import::openDestination(path, table))
        throw CliError(o.table + ": cannot open the table (is it in use?)", kExitFailure);
    if (o.kind == "vcard") return importVCard(o, table, out);
    if (o.kind == "dbf") return importDbf(o, table, out);
    if (o.kind == "older") return importOlder(o, table, out);
    return importText(o, table, out);
}

}  // namespace pc::cli
