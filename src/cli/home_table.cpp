#include "cli/home_table.h"

#include <QFileInfo>

#include "cli/db_command.h"
#include "data/system_tables.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "text/program_paths.h"

namespace pc::cli {

void openHomeTable(const QString& home, const QString& fileName,
                   const std::function<void()>& registerTables, data::TTable& table,
                   std::string failure) {
    if (!QFileInfo(home).isDir())
        throw CliError(home.toStdString() + ": no such folder", kExitUsage);
    text::setHome(home);
    registerTables();
    if (!data::openSystemTable(fileName, table)) {
        if (failure.empty())
            failure = "cannot open " + fileName.toStdString() + " in " + home.toStdString();
        throw CliError(failure, kExitFailure);
    }
    data::TApollo engine(&table);
    engine.setQuery(QStringLiteral("not DELETED()"));
    engine.setOrder(1);
    table.first();
}

}  // namespace pc::cli
