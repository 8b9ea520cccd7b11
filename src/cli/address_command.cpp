#include "cli/address_command.h"

#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <ostream>

#include "cli/cli_messages.h"
#include "cli/db_command.h"
#include "cli/rebuild_command.h"
#include "data/address_database.h"
#include "data/address_schema.h"
#include "data/new_file_field_lengths.h"
#include "data/t_apollo_env.h"
#include "data/t_table.h"
#include "text/message_service.h"
#include "text/profile_file.h"
#include "text/program_paths.h"

namespace pc::cli {

namespace {

[[noreturn]] void usageError(const std::string& message) {
    throw CliError(message + "\n(run 'postcraft-cli db --help' for usage)", kExitUsage);
}

struct Arguments {
    QString table;
    QString home;  // empty when not given
};

Arguments parse(const std::vector<std::string>& args, bool homeAllowed) {
    const std::string& verb = args.front();
    Arguments parsed;
    bool haveTable = false, haveHome = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (homeAllowed && (a == "--home" || a.rfind("--home=", 0) == 0)) {
            if (haveHome) usageError("--home given twice");
            std::string value;
            if (a == "--home") {
                if (i + 1 >= args.size()) usageError("--home needs a value");
                value = args[++i];
            } else {
                value = a.substr(7);
            }
            if (value.empty()) usageError("--home is empty");
            parsed.home = QString::fromStdString(value);
            haveHome = true;
        } else if (a.size() > 1 && a[0] == '-') {
            usageError("unknown option '" + a + "' for 'db " + verb + "'");
        } else if (!haveTable) {
            parsed.table = QString::fromStdString(a);
            haveTable = true;
        } else {
            usageError("unexpected argument '" + a + "' for 'db " + verb + "'");
        }
    }
    if (!haveTable) usageError("'db " + verb + "' needs a TABLE");
    if (QFileInfo(parsed.table).suffix().isEmpty()) parsed.table += QStringLiteral(".dbf");
    return parsed;
}

int createAddress(const std::vector<std::string>& args) {
    const Arguments parsed = parse(args, true);
    pc::data::NewFileFieldLengths lengths;
    if (!parsed.home.isEmpty()) {
        pc::text::setHome(parsed.home);
        lengths =
            pc::data::NewFileFieldLengths::load(pc::text::ProfileFile(pc::text::settingsPath()));
    }
    pc::data::TTable creation;
    return pc::data::createAddressTable(parsed.table, lengths, creation) ? 0 : kExitFailure;
}

int checkIndex(const std::vector<std::string>& args, std::ostream& out) {
    const Arguments parsed = parse(args, false);
    pc::data::TTable table;
    pc::data::defineAddressFields(table, {});
    if (!pc::data::OpenPKWFile(parsed.table, table)) return kExitFailure;
    QStringList missing;
    QString fault;
    const bool valid =
        pc::data::CheckValidIndex(table, &missing, &fault, pc::data::IndexCheckDepth::EveryRecord);
    table.close();
    if (valid) {
        out << "valid\n";
        return 0;
    }
    out << "invalid:";
    for (const QString& tag : missing) out << ' ' << tag.toStdString();
    if (!fault.isEmpty()) out << " damaged: " << fault.toStdString();
    out << '\n';
    return kExitFailure;
}

}  // namespace

bool isAddressVerb(const std::string& verb) {
    return verb == "create-address" || verb == "check-index" || verb == "rebuild";
}

int runAddressCommand(const std::vector<std::string>& args, std::ostream& out) {
    ScopedStderrMessages messages;
    if (!pc::data::TApolloEnv().activate()) return kExitFailure;
    if (args.front() == "create-address") return createAddress(args);
    if (args.front() == "rebuild") return rebuildAddress(parse(args, false).table, out);
    return checkIndex(args, out);
}

}  // namespace pc::cli
