#include "cli/address_input.h"

#include <QFileInfo>
#include <algorithm>

#include "cli/db_command.h"
#include "cli/option_numbers.h"
#include "data/address_database.h"
#include "data/address_schema.h"
#include "data/filter_criteria.h"
#include "data/filter_file.h"
#include "data/filter_query.h"
#include "data/t_apollo.h"
#include "data/t_table.h"

namespace pc::cli {

void openAddressTable(QString path, data::TTable& table) {
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".dbf");
    data::defineAddressFields(table, [] { return QString(); });
    if (!data::OpenPKWFile(path, table))
        throw CliError("cannot open " + path.toStdString(), kExitFailure);
}

QString filterOfFile(const QString& path) {
    if (path.isEmpty()) return {};
    data::FilterCriteria criteria;
    QString error;
    if (!data::readFilterFile(path, criteria, &error))
        throw CliError(error.toStdString(), kExitFailure);
    const QString filter = data::buildQueryString(criteria, {});
    if (data::filterTooComplex(filter))
        throw CliError(path.toStdString() + ": the filter is too long to be used", kExitFailure);
    return filter;
}

bool startRecordOption(const VerbOptions& options, data::TTable& table, data::TApollo& engine,
                       data::RecordChoice records) {
    const auto it = options.find("--start-record");
    if (it == options.end()) return false;
    const int n =
        wholeNumber(it->second.toStdString(), "--start-record", 1, std::max(1, engine.recCount()));
    if (!engine.go(n)) throw CliError("there is no record " + std::to_string(n), kExitUsage);
    table.resync();
    return records != data::RecordChoice::CurrentOnly;
}

}  // namespace pc::cli
