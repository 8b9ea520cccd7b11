#include "cli/record_command.h"

#include <QStringList>
#include <algorithm>

#include "cli/address_input.h"
#include "cli/cli_messages.h"
#include "cli/db_command.h"
#include "cli/option_numbers.h"
#include "data/address_schema.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "print/paper.h"
#include "print/print_engine.h"
#include "reports/record_sheet.h"
#include "text/stored_date.h"

namespace pc::cli {
namespace {

const char* const kRecordUsage =
    "usage: postcraft-cli record print --db TABLE --record N [--fields LIST] [--date YYYYMMDD]\n"
    "                                  --pdf OUT.pdf\n"
    "\n"
    "print writes physical record N as the current-record data sheet. LIST is a comma\n"
    "list of the window's choices or field names (\"Last,First,Memo\" or\n"
    "\"LNAME,FNAME,MEMO\"); all fields when absent.\n";

[[noreturn]] void usageError(const std::string& message) {
    throw CliError(message + "\n(run 'postcraft-cli record --help' for usage)", kExitUsage);
}

std::array<bool, reports::kSheetFields> chosenFields(const QString& list) {
    std::array<bool, reports::kSheetFields> chosen{};
    if (list.isEmpty()) {
        chosen.fill(true);
        return chosen;
    }
    const auto& fields = reports::sheetFields();
    for (const QString& part : list.split(',')) {
        const QString name = part.trimmed();
        if (name.compare(QLatin1String("All"), Qt::CaseInsensitive) == 0) {
            chosen.fill(true);
            continue;
        }
        const auto match = std::find_if(fields.begin(), fields.end(), [&name](const auto& f) {
            return name.compare(QLatin1String(f.checkBox), Qt::CaseInsensitive) == 0 ||
                   name.compare(QLatin1String(f.field), Qt::CaseInsensitive) == 0 ||
                   (QLatin1String(f.field) == QLatin1String("DisplayDate") &&
                    name.compare(QLatin1String("DATE"), Qt::CaseInsensitive) == 0);
        });
        if (match == fields.end()) usageError("--fields: no field '" + name.toStdString() + "'");
        chosen[static_cast<size_t>(match - fields.begin())] = true;
    }
    return chosen;
}

int print(const std::vector<std::string>& args) {
    QString db, fields, pdf, date;
    int record = 0;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (i + 1 >= args.size()) usageError(a + " needs a value");
        const QString value = QString::fromStdString(args[++i]);
        if (a == "--db")
            db = value;
        else if (a == "--record")
            record = wholeNumber(value.toStdString(), "--record", 1);
        else if (a == "--fields")
            fields = value;
        else if (a == "--pdf")
            pdf = value;
        else if (a == "--date")
            date = value;
        else
            usageError("unexpected argument '" + a + "'");
    }
    if (db.isEmpty() || record == 0 || pdf.isEmpty())
        usageError("--db, --record and --pdf are needed");
    const auto chosen = chosenFields(fields);
    QDate day = QDate::currentDate();
    if (!date.isEmpty()) {
        const auto stored = text::storedToDate(date);
        if (!stored) usageError("--date is YYYYMMDD");
        day = *stored;
    }
    data::TTable addresses;
    openAddressTable(db, addresses);
    data::TApollo engine(&addresses);
    if (!engine.go(record))
        throw CliError("there is no record " + std::to_string(record), kExitUsage);
    addresses.resync();
    reports::RecordSheet sheet(addresses, chosen, day);
    print::PrintEngine printer;
    printer.setPaperCode(print::kPaperLetter);
    printer.print = [&sheet](print::PrintEngine& e) { sheet.print(e); };
    if (!printer.run(print::PrintOutput::PdfFile, pdf))
        throw CliError(printer.lastError().toStdString(), kExitFailure);
    return 0;
}

}  // namespace

int runRecordCommand(const std::vector<std::string>& args, std::ostream& out) {
    if (args.empty()) usageError("'record' needs a verb: print");
    const std::string& verb = args.front();
    if (verb == "--help" || verb == "-h") {
        out << kRecordUsage;
        return 0;
    }
    ScopedStderrMessages messages;
    if (verb == "print") return print(args);
    usageError("unknown record verb '" + verb + "'");
}

}  // namespace pc::cli
