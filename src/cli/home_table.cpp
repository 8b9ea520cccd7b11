#include "cli/home_table.h"

#include <QFileInfo>

#include "cli/db_command.h"
#include "cli/json_writer.h"
#include "data/system_tables.h"
#include "data/t_field.h"
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
    if (!data::openListedSystemTable(fileName, table)) {
        if (failure.empty())
            failure = "cannot open " + fileName.toStdString() + " in " + home.toStdString();
        throw CliError(failure, kExitFailure);
    }
}

void writeRowsAsJsonLines(data::TTable& table, std::ostream& out) {
    for (; !table.eof(); table.next()) {
        std::string line = "{";
        for (int i = 0; i < table.fieldCount(); ++i) {
            const data::TField& field = table.field(i);
            if (i > 0) line += ", ";
            appendJsonString(line, field.name().toStdString());
            line += ": ";
            const QString text = field.text().trimmed();
            switch (field.type()) {
                case data::TFieldType::Number:
                    line += jsonNumber(text.toStdString(), text.toDouble(), 3);
                    break;
                case data::TFieldType::Logical:
                    line += field.asBoolean() ? "true" : "false";
                    break;
                default:
                    appendJsonString(line, field.text().toStdString());
            }
        }
        out << line << "}\n";
    }
}

}  // namespace pc::cli
