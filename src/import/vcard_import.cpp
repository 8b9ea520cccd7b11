#include "import/vcard_import.h"

#include <QFile>
#include <QFileInfo>

#include "data/t_table.h"
#include "import/vcard_reader.h"

namespace pc::import {

bool isVCardFile(const QString& path) {
    if (QFileInfo(path).suffix().compare(QLatin1String("vcf"), Qt::CaseInsensitive) == 0)
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    QByteArray start = file.read(256);
    if (start.startsWith("\xEF\xBB\xBF")) start.remove(0, 3);
    return start.trimmed().toUpper().startsWith("BEGIN:VCARD");
}

bool readVCardFile(const QString& path, std::vector<VCardContact>& contacts) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    std::vector<VCardContact> read = readVCards(file.readAll());
    if (read.empty()) return false;
    contacts = std::move(read);
    return true;
}

ImportResult runVCardImport(const std::vector<VCardContact>& contacts,
                            pc::data::TTable& destination, const ImportCalls& calls) {
    auto loop = [&](UnstorableTally& tally) {
        if (calls.status) calls.status(QStringLiteral("Importing records"));
        size_t at = 0;
        const RowProducer next = [&](std::vector<Assignment>& row) {
            if (at >= contacts.size()) return RowRead::End;
            for (const auto& [name, value] : vcardFieldValues(contacts[at]))
                if (pc::data::TField* f = destination.findField(name)) row.push_back({f, value});
            ++at;
            return RowRead::Row;
        };
        return appendRows(destination, next, static_cast<int>(contacts.size()), tally,
                          calls.progress);
    };
    return runImport(destination, calls, loop, asciiEndMessage);
}

}  // namespace pc::import
