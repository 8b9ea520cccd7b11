#include "cli/letters_command.h"

#include <QFileInfo>
#include <QTextDocument>
#include <map>

#include "cli/address_input.h"
#include "cli/cli_messages.h"
#include "cli/db_command.h"
#include "cli/home_table.h"
#include "cli/input_file.h"
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
#include "letters/letter_operations.h"
#include "letters/letter_print_run.h"
#include "letters/letter_storage.h"
#include "letters/letter_tables.h"
#include "print/print_engine.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"
#include "text/program_paths.h"

namespace pc::cli {
namespace {

const char* const kLettersUsage =
    "usage: postcraft-cli letters list --home DIR\n"
    "       postcraft-cli letters add --home DIR --description D --rtf FILE.rtf\n"
    "       postcraft-cli letters show --home DIR --letter DESCRIPTION\n"
    "       postcraft-cli letters merge --home DIR --db TABLE --letter DESCRIPTION --record N\n"
    "                                   [--date YYYYMMDD] (--text | --rtf)\n"
    "       postcraft-cli letters print --home DIR --db TABLE --letter DESCRIPTION\n"
    "                                   [--records all|filter|current] [--start-record N]\n"
    "                                   [--flt FILE] [--copies N] [--date YYYYMMDD]\n"
    "                                   --pdf OUT.pdf\n"
    "\n"
    "list prints each letter of DIR/sysdata/LETTER.DBF as a JSON line, in description\n"
    "order, one key per field. add stores FILE.rtf as a new letter as the designer\n"
    "would; show prints a letter's stored RTF. merge prints the letter merged with\n"
    "record N (1-based physical number) as UTF-8 text, one paragraph a line, or as\n"
    "RTF. print prints it for the chosen records in \"Last Name\" order to a PDF file\n"
    "(--start-record makes record N the current one). --date sets today's date for\n"
    "the date fields.\n";

[[noreturn]] void usageError(const std::string& message) {
    verbUsageError("letters", message);
}

using Options = VerbOptions;

Options parse(const std::vector<std::string>& args, const std::vector<std::string>& known,
              const std::vector<std::string>& needed, const std::vector<std::string>& flags = {}) {
    return parseVerbOptions("letters", args, known, flags, needed);
}

// LETTER.DBF of the home, as the letter window opens it.
void openLetters(const QString& home, data::TTable& table) {
    openHomeTable(home, QStringLiteral("LETTER.DBF"), &letters::registerLetterTables, table);
}

// The template of the letter with that description.
std::unique_ptr<QTextDocument> findLetter(const Options& options, QString* rtf = nullptr) {
    data::TTable table;
    openLetters(options.at("--home"), table);
    const QString wanted = options.at("--letter").trimmed();
    for (table.first(); !table.eof(); table.next()) {
        if (letters::letterDescription(table).trimmed() != wanted) continue;
        auto doc = std::make_unique<QTextDocument>();
        if (rtf) *rtf = letters::letterRtf(table);
        if (!letters::LoadRichText(table, *doc))
            throw CliError("the letter \"" + wanted.toStdString() + "\" is damaged", kExitFailure);
        return doc;
    }
    throw CliError("no letter is described as \"" + wanted.toStdString() + "\"", kExitUsage);
}

QDate todayOf(const Options& options) {
    if (!options.count("--date")) return QDate::currentDate();
    const QDate date = QDate::fromString(options.at("--date"), QStringLiteral("yyyyMMdd"));
    if (!date.isValid() || options.at("--date").size() != 8)
        usageError("--date: '" + options.at("--date").toStdString() + "' is not a YYYYMMDD date");
    return date;
}

// The address table in "Last Name" order with its name fields calculated.
struct Addresses {
    data::TTable table;
    std::unique_ptr<data::TApollo> engine;
    explicit Addresses(const QString& path) {
        openAddressTable(path, table);
        data::setNameFieldsVisible(table, true);
        engine = std::make_unique<data::TApollo>(&table);
        const int order = engine->tagArea(QStringLiteral("LNAME"));
        if (order <= 0) throw CliError("the table has no tag LNAME", kExitUsage);
        engine->setOrder(order);
    }
    // Makes record N current; a number out of range or a record marked
    // deleted is refused.
    void goTo(const Options& options, const char* option) {
        const std::string text = options.at(option).toStdString();
        const int n = wholeNumber(text, option, 1);
        if (n > engine->recCount())
            throw CliError("there is no record " + text + " (the table has " +
                               std::to_string(engine->recCount()) + ")",
                           kExitUsage);
        {
            data::QuerySetting only(
                *engine,
                QStringLiteral("RECNO()=%1 .AND. .NOT. DELETED() .AND. .NOT. ISDEL").arg(n));
            if (!only.ok() || engine->queryRecCount() != 1)
                throw CliError("record " + text + " is marked deleted", kExitUsage);
        }
        if (!engine->go(n)) throw CliError("there is no record " + text, kExitUsage);
        table.resync();
    }
};

int list(const Options& options, std::ostream& out) {
    data::TTable table;
    openLetters(options.at("--home"), table);
    writeRowsAsJsonLines(table, out);
    return 0;
}

int add(const Options& options) {
    const std::string path = options.at("--rtf").toStdString();
    const std::string bytes = readInputFile(path, uint64_t(richtext::kMaxRtfBytes));
    QTextDocument read;
    QString error;
    if (!richtext::readRtf(QByteArray::fromStdString(bytes), read, &error))
        throw CliError(path + ": " + error.toStdString(), kExitUsage);
    data::TTable table;
    openLetters(options.at("--home"), table);
    // As "Load RTF" in a new letter's designer, then Ok.
    const auto designer = [&](QString& description, QTextDocument& document, bool) {
        description = options.at("--description");
        richtext::readRtf(QByteArray::fromStdString(bytes), document);
        return true;
    };
    if (!letters::newLetter(table, designer))
        throw CliError("the letter could not be added", kExitFailure);
    return 0;
}

int show(const Options& options, std::ostream& out) {
    QString rtf;
    findLetter(options, &rtf);
    out << rtf.toStdString();
    return 0;
}

int merge(const Options& options, std::ostream& out) {
    if (options.count("--text") == options.count("--rtf")) usageError("give --text or --rtf");
    const QDate today = todayOf(options);
    const auto templateDocument = findLetter(options);
    Addresses addresses(options.at("--db"));
    addresses.goTo(options, "--record");
    const auto letter = letters::mergedLetter(*templateDocument, addresses.table, today);
    if (options.count("--text"))
        out << richtext::plainTextLines(*letter).toStdString();
    else
        out << richtext::writeRtf(*letter).toStdString();
    return 0;
}

int print(const Options& options) {
    using Records = letters::LetterPrintChoices::Records;
    letters::LetterPrintChoices choices;
    choices.records = recordsOption("letters", options);
    if (options.count("--copies"))
        choices.copies = wholeNumber(options.at("--copies").toStdString(), "--copies", 1, 999);
    choices.today = todayOf(options);
    const auto templateDocument = findLetter(options);

    Addresses addresses(options.at("--db"));
    const QString filter = filterOfFile(options.count("--flt") ? options.at("--flt") : QString());
    data::DeletedFilterSetting hideDeleted(true);
    if (!addresses.engine->setQuery(data::engineQuery(filter)))
        throw CliError("the filter cannot be used on " + options.at("--db").toStdString(),
                       kExitFailure);
    addresses.table.first();
    if (options.count("--start-record")) {
        addresses.goTo(options, "--start-record");
        choices.startFromCurrent = choices.records != Records::CurrentOnly;
    }
    if (addresses.table.eof()) throw CliError("no record is to be printed", kExitFailure);

    print::PrintEngine printer;
    printer.setTitle(options.at("--letter"));
    letters::LetterPrintRun run(addresses.table, *addresses.engine, *templateDocument, choices,
                                printer);
    printToPdf(
        printer, "Printing letters", addresses.engine->queryRecCount(), options.at("--pdf"),
        [&](print::PrintEngine& e, const print::KeepGoing& keepGoing) { run.print(e, keepGoing); });
    return 0;
}

}  // namespace

int runLettersCommand(const std::vector<std::string>& args, std::ostream& out) {
    if (args.empty()) usageError("'letters' needs a verb: list, add, show, merge or print");
    const std::string& verb = args.front();
    if (verb == "--help" || verb == "-h") {
        out << kLettersUsage;
        return 0;
    }
    ScopedStderrMessages messages;
    if (verb == "list") return list(parse(args, {"--home"}, {"--home"}), out);
    if (verb == "add")
        return add(parse(args, {"--home", "--description", "--rtf"},
                         {"--home", "--description", "--rtf"}));
    if (verb == "show")
        return show(parse(args, {"--home", "--letter"}, {"--home", "--letter"}), out);
    if (verb == "merge")
        return merge(parse(args, {"--home", "--db", "--letter", "--record", "--date"},
                           {"--home", "--db", "--letter", "--record"}, {"--text", "--rtf"}),
                     out);
    if (verb == "print")
        return print(parse(args,
                           {"--home", "--db", "--letter", "--records", "--start-record", "--flt",
                            "--copies", "--date", "--pdf"},
                           {"--home", "--db", "--letter", "--pdf"}));
    usageError("unknown letters verb '" + verb + "'");
}

}  // namespace pc::cli
