#include "cli/reports_command.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
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
#include "design/report_panel.h"
#include "design/table_merge_source.h"
#include "print/paper.h"
#include "print/print_engine.h"
#include "reports/built_in_report.h"
#include "reports/report_definition.h"
#include "reports/report_layout_file.h"
#include "reports/report_selection.h"
#include "reports/report_tables.h"
#include "reports/user_report.h"
#include "text/program_paths.h"
#include "text/stored_date.h"

namespace pc::cli {
namespace {

const char* const kReportsUsage =
    "usage: postcraft-cli reports list --home DIR\n"
    "       postcraft-cli reports add --home DIR --description D --layout FILE.R\n"
    "       postcraft-cli reports print --home DIR --db TABLE\n"
    "                     (--report DESCRIPTION | --builtin 1|2|3|4 [--title T] [--codes] "
    "[--memo])\n"
    "                     [--records all|filter|current] [--start-record N] [--flt FILE]\n"
    "                     [--one-per-page] [--date YYYYMMDD] --pdf OUT.pdf\n"
    "\n"
    "list prints each report of DIR/sysdata/REPORT.DBF as a JSON line, in description\n"
    "order, one key per field. add stores FILE.R under a new BIN#####.R name as Save in\n"
    "the designer does. print prints a user-defined report (by its description) or a\n"
    "built-in list report for the chosen records to a PDF file as the report window\n"
    "would: --records defaults to all; filter takes the records of the --flt file;\n"
    "--start-record makes record N the current one; --date is the date in headers.\n";

[[noreturn]] void usageError(const std::string& message) {
    verbUsageError("reports", message);
}

using Options = VerbOptions;

Options parse(const std::vector<std::string>& args, const std::vector<std::string>& known,
              const std::vector<std::string>& flags = {}) {
    return parseVerbOptions("reports", args, known, flags);
}

// REPORT.DBF of the home, as the main window opens it.
void openReports(const QString& home, data::TTable& table) {
    openHomeTable(home, QStringLiteral("REPORT.DBF"), &reports::registerReportTables, table,
                  "Unable to Open or Create REPORT.DBF");
}

int list(const Options& options, std::ostream& out) {
    data::TTable table;
    openReports(options.at("--home"), table);
    writeRowsAsJsonLines(table, out);
    return 0;
}

int add(const Options& options) {
    for (const char* needed : {"--description", "--layout"})
        if (!options.count(needed)) usageError(std::string(needed) + " is needed");
    const QString source = options.at("--layout");
    const reports::ReportLayout layout =
        reports::readReportLayoutFile(source, reports::newReportSettings(96));
    if (!layout.ok()) throw CliError(layout.error.toStdString(), kExitUsage);
    data::TTable table;
    openReports(options.at("--home"), table);
    // The file goes in as read, so its settings keep every stored value.
    const QString binary = reports::nextReportBinaryName();
    const QString target = text::sysdataDir() + binary;
    if (!QFile::copy(source, target))
        throw CliError("cannot write " + target.toStdString(), kExitFailure);
    try {
        table.insert();
        table.fieldByName(QStringLiteral("DESCRIPT"))
            .setText(options.at("--description").left(reports::kReportDescriptionLength));
        const QString page = reports::layoutText(layout.settings);
        table.fieldByName(QStringLiteral("LAYOUT"))
            .setText(page.isEmpty() ? QStringLiteral("Letter Size, Portrait") : page);
        table.fieldByName(QStringLiteral("BINARY")).setText(binary);
        table.post();
    } catch (const std::exception&) {
        QFile::remove(target);
        throw;
    }
    return 0;
}

reports::ReportChoices choicesOf(const Options& options) {
    reports::ReportChoices choices;
    choices.records = recordsOption("reports", options);
    if (choices.records == reports::RecordChoice::MatchingFilter && !options.count("--flt"))
        usageError("--records filter needs --flt FILE");
    choices.onePerPage = options.count("--one-per-page") > 0;
    return choices;
}

QDate dateOf(const Options& options) {
    if (!options.count("--date")) return QDate::currentDate();
    const auto date = text::storedToDate(options.at("--date"));
    if (!date) usageError("--date is YYYYMMDD");
    return *date;
}

// The user-defined report's bands and settings, found by its description.
struct LoadedReport {
    design::TReportPanel header{design::TRPanelKind::rpkHeader};
    design::TReportPanel detail{design::TRPanelKind::rpkDetail};
    design::TReportPanel footer{design::TRPanelKind::rpkFooter};
    reports::ReportSettings settings = reports::newReportSettings(96);
};

void loadUserReport(const Options& options, LoadedReport& report) {
    data::TTable table;
    openReports(options.at("--home"), table);
    const QString wanted = options.at("--report").trimmed();
    for (table.first(); !table.eof(); table.next()) {
        if (reports::readReportDefinition(table).description != wanted) continue;
        reports::ReportDefinition definition;
        const QString error =
            reports::loadReport(false, table, {report.header, report.detail, report.footer},
                                report.settings, definition);
        if (!error.isEmpty()) throw CliError(error.toStdString(), kExitFailure);
        return;
    }
    throw CliError("no report is described as \"" + wanted.toStdString() + "\"", kExitUsage);
}

int print(const Options& options) {
    for (const char* needed : {"--db", "--pdf"})
        if (!options.count(needed)) usageError(std::string(needed) + " is needed");
    if (options.count("--report") == options.count("--builtin"))
        usageError("give either --report or --builtin");
    const int builtIn = options.count("--builtin")
                            ? wholeNumber(options.at("--builtin").toStdString(), "--builtin", 1, 4)
                            : 0;
    if (builtIn == 0)
        for (const char* builtInOnly : {"--title", "--codes", "--memo"})
            if (options.count(builtInOnly))
                usageError(std::string(builtInOnly) + " needs --builtin");
    reports::ReportChoices choices = choicesOf(options);
    const QDate date = dateOf(options);

    LoadedReport report;
    if (builtIn == 0) {
        loadUserReport(options, report);
    } else if (!QFileInfo(options.at("--home")).isDir()) {
        throw CliError(options.at("--home").toStdString() + ": no such folder", kExitUsage);
    }

    data::TTable addresses;
    openAddressTable(options.at("--db"), addresses);
    data::setNameFieldsVisible(addresses, true);
    data::TApollo engine(&addresses);
    if (const int order = engine.tagArea(QStringLiteral("LNAME")); order > 0)
        engine.setOrder(order);
    const QString filter = filterOfFile(options.count("--flt") ? options.at("--flt") : QString());
    data::DeletedFilterSetting hideDeleted(true);
    if (!engine.setQuery(data::engineQuery(filter)))
        throw CliError("the filter cannot be used on " + options.at("--db").toStdString(),
                       kExitFailure);
    addresses.first();
    choices.startFromCurrent = startRecordOption(options, addresses, engine, choices.records);

    reports::ReportSelection selection(addresses, engine, choices, builtIn);
    if (!selection.anyRecord()) throw CliError(reports::kNoRecordsMessage, kExitFailure);
    print::PrintEngine printer;
    print::PrintJob job;
    design::TableMergeSource source(addresses);
    std::unique_ptr<reports::BuiltInReport> list;
    std::unique_ptr<reports::UserReport> user;
    if (builtIn > 0) {
        reports::BuiltInOptions o;
        o.report = builtIn;
        o.title = options.count("--title") ? options.at("--title")
                                           : QStringLiteral("Report ") + QString::number(builtIn);
        o.codes = options.count("--codes") > 0;
        o.memo = options.count("--memo") > 0;
        o.date = date;
        printer.setPaperCode(print::kPaperLetter);
        list = std::make_unique<reports::BuiltInReport>(addresses, o);
        job = [&](print::PrintEngine& e, const print::KeepGoing& keepGoing) {
            list->print(e, keepGoing);
        };
    } else {
        for (design::TReportPanel* band : {&report.header, &report.detail, &report.footer})
            band->setMergeSource(&source);
        const reports::ReportPaper paper = reports::reportPaper(report.settings);
        if (paper.code > 0)
            printer.setPaperCode(paper.code);
        else
            printer.setCustomPaper({print::Inches(report.settings.inches(std::min(
                                        report.settings.pageWidth, report.settings.pageHeight))),
                                    print::Inches(report.settings.inches(std::max(
                                        report.settings.pageWidth, report.settings.pageHeight)))});
        printer.setOrientation(paper.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        user = std::make_unique<reports::UserReport>(
            addresses, reports::UserReportBands{report.header, report.detail, report.footer},
            report.settings, choices.onePerPage, QDateTime(date, QTime::currentTime()));
        job = [&](print::PrintEngine& e, const print::KeepGoing& keepGoing) {
            user->print(e, keepGoing);
        };
    }
    printToPdf(printer, "Printing report", engine.queryRecCount(), options.at("--pdf"), job);
    return 0;
}

}  // namespace

int runReportsCommand(const std::vector<std::string>& args, std::ostream& out) {
    if (args.empty()) usageError("'reports' needs a verb: list, add or print");
    const std::string& verb = args.front();
    if (verb == "--help" || verb == "-h") {
        out << kReportsUsage;
        return 0;
    }
    ScopedStderrMessages messages;
    if (verb == "list") return list(parse(args, {"--home"}), out);
    if (verb == "add") return add(parse(args, {"--home", "--description", "--layout"}));
    if (verb == "print")
        return print(parse(args,
                           {"--home", "--db", "--report", "--builtin", "--title", "--records",
                            "--start-record", "--flt", "--date", "--pdf"},
                           {"--codes", "--memo", "--one-per-page"}));
    usageError("unknown reports verb '" + verb + "'");
}

}  // namespace pc::cli
