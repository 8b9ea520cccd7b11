#include "data/definition_rows.h"

#include <QFile>
#include <QFileInfo>

#include "data/data_error.h"
#include "data/t_table.h"
#include "text/message_service.h"
#include "text/program_paths.h"

namespace pc::data {
namespace {

void report(const DataError& error) {
    pc::text::messages().error(error.message(), QStringLiteral("Postcraft"));
}

}  // namespace

QString layoutFolder(const QString& folder) {
    if (folder.isEmpty()) return pc::text::sysdataDir();
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

bool confirmRowAction(const QString& verb, const QString& description, const QString& title) {
    return pc::text::messages().ask(
        verb + QStringLiteral(" \"") + description + QStringLiteral("\"?"), title);
}

bool storeRow(TTable& table, bool append, const std::function<void()>& write,
              const std::function<bool()>& saveFile) {
    try {
        if (append)
            table.insert();
        else
            table.edit();
        write();
        if (saveFile && !saveFile()) {
            table.cancel();
            return false;
        }
        table.post();
        return true;
    } catch (const DataError& error) {
        try {
            if (table.state() != TDataSetState::Browse) table.cancel();
        } catch (const DataError&) {
            // The first failure is the one worth telling.
        }
        report(error);
        return false;
    }
}

bool deleteRowAndFile(TTable& table, const QString& filePath) {
    try {
        table.deleteRecord();
    } catch (const DataError& error) {
        report(error);
        return false;
    }
    if (!filePath.isEmpty() && QFileInfo(filePath).isFile()) QFile::remove(filePath);
    return true;
}

}  // namespace pc::data
