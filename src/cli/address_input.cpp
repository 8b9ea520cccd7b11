#include "cli/address_input.h"

#include <QFileInfo>

#include "cli/db_command.h"
#include "data/address_database.h"
#include "data/address_schema.h"
#include "data/filter_criteria.h"
#include "data/filter_file.h"
#include "data/filter_query.h"
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

}  // namespace pc::cli
