#include "cli/presort_command.h"

#include <QFileInfo>
#include <QSaveFile>

#include "cli/address_input.h"
#include "cli/cli_messages.h"
#include "cli/db_command.h"
#include "data/engine_setting_guards.h"
#include "data/filter_query.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "postal/presort_records.h"

namespace pc::cli {
namespace {

const char* const kPresortUsage =
    "usage: postcraft-cli presort TABLE [--flt FILE] [--out FILE]\n"
    "\n"
    "Counts the pieces per postal code over the records of TABLE that are not\n"
    "deleted (and match the saved filter when given) and prints the bulk-mail\n"
    "print order as PRESORT.PSL holds it: lines ending CR LF, group headings\n"
    "beginning \"** \". With --out the list is written to FILE instead.\n";

[[noreturn]] void usageError(const std::string& message) {
    throw CliError(message + "\n(run 'postcraft-cli presort --help' for usage)", kExitUsage);
}

}  // namespace

int runPresortCommand(const std::vector<std::string>& args, std::ostream& out) {
    if (!args.empty() && (args.front() == "--help" || args.front() == "-h")) {
        out << kPresortUsage;
        return 0;
    }
    QString table, flt, output;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto value = [&]() {
            if (i + 1 >= args.size()) usageError(a + " needs a value");
            return QString::fromStdString(args[++i]);
        };
        if (a == "--flt")
            flt = value();
        else if (a == "--out")
            output = value();
        else if (a.size() > 1 && a[0] == '-')
            usageError("unknown option '" + a + "'");
        else if (table.isEmpty())
            table = QString::fromStdString(a);
        else
            usageError("unexpected argument '" + a + "'");
    }
    if (table.isEmpty()) usageError("'presort' needs a TABLE");
    ScopedStderrMessages messages;

    const QString filter = filterOfFile(flt);
    data::TTable addresses;
    openAddressTable(table, addresses);
    data::TApollo engine(&addresses);
    postal::BulkMailPresort presort;
    {
        data::DeletedFilterSetting hideDeleted(true);
        if (!engine.setQuery(data::engineQuery(filter)))
            throw CliError("the filter cannot be used on " + table.toStdString(), kExitFailure);
        postal::countPresortKeys(addresses, engine, presort);
    }
    addresses.close();
    const QByteArray bytes = postal::presortFileBytes(presort.plan());
    if (output.isEmpty()) {
        out.write(bytes.constData(), bytes.size());
        return 0;
    }
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw CliError(
            "cannot write " + output.toStdString() + ": " + file.errorString().toStdString(),
            kExitFailure);
    return 0;
}

}  // namespace pc::cli
