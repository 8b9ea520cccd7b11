#include "reports/report_definition.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

#include "data/definition_rows.h"
#include "data/t_field.h"
#include "data/t_table.h"
#include "design/base_panel.h"
#include "design/graphic_object.h"
#include "reports/report_layout_file.h"
#include "text/message_service.h"
#include "text/program_paths.h"

namespace pc::reports {
namespace {

using pc::data::layoutFolder;
using pc::data::TTable;

QString fieldText(const TTable& table, const char* name) {
    return table.fieldByName(QLatin1String(name)).text().trimmed();
}

void writeRow(TTable& table, const ReportDefinition& d) {
    table.fieldByName(QStringLiteral("BINARY")).setText(d.binary);
    table.fieldByName(QStringLiteral("DESCRIPT")).setText(d.description);
    table.fieldByName(QStringLiteral("LAYOUT")).setText(d.layoutText);
}

ConstObjects objectsOf(pc::design::TGBasePanel& panel) {
    ConstObjects out;
    panel.clearSelection();
    if (panel.zoomFactor() != 1.0f) panel.setZoom(1.0f);
    for (const auto& o : panel.objects()) {
        o->clearData();
        out.push_back(o.get());
    }
    return out;
}

void fill(pc::design::TGBasePanel& panel, ObjectList& objects) {
    for (auto& o : objects) {
        o->setName(panel.freeName(QStringLiteral("Component"), 0, 1000));
        o->setZoom(panel.zoomFactor());
        panel.addObject(std::move(o));
    }
}

}  // namespace

ReportDefinition readReportDefinition(const TTable& table) {
    ReportDefinition d;
    if (!table.active() || !table.hasCurrentRecord() || table.eof()) return d;
    d.description = fieldText(table, "DESCRIPT");
    d.layoutText = fieldText(table, "LAYOUT");
    d.binary = fieldText(table, "BINARY");
    return d;
}

QString nextReportBinaryName(const QString& folder) {
    QSet<QString> taken;
    const QStringList entries =
        QDir(layoutFolder(folder)).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) taken.insert(entry.toUpper());
    for (int n = 1; n <= 99999; ++n) {
        const QString name = QStringLiteral("BIN%1.R").arg(n, 5, 10, QLatin1Char('0'));
        if (!taken.contains(name)) return name;
    }
    return QStringLiteral("BIN00000.R");
}

QString reportFilePath(const QString& folder, const QString& binary) {
    return pc::text::findNoCase(layoutFolder(folder), binary.trimmed());
}

QString loadReport(bool isNew, const TTable& table, ReportBands bands, ReportSettings& settings,
                   ReportDefinition& definition, const QString& folder) {
    for (pc::design::TGBasePanel* panel : {&bands.header, &bands.detail, &bands.footer})
        panel->clearObjects();
    if (isNew) {
        definition = ReportDefinition{};
        settings = newReportSettings(settings.ppi, settings.frames);
        return {};
    }
    definition = readReportDefinition(table);
    QString error;
    const QString path = reportFilePath(folder, definition.binary);
    if (!definition.binary.isEmpty() && QFileInfo(path).isFile()) {
        ReportLayout layout = readReportLayoutFile(path, settings);
        if (layout.ok()) {
            fill(bands.header, layout.header);
            fill(bands.detail, layout.detail);
            fill(bands.footer, layout.footer);
            settings = layout.settings;
        } else {
            error = layout.error;
        }
    }
    for (pc::design::TGBasePanel* panel : {&bands.header, &bands.detail, &bands.footer}) {
        panel->refreshAllData();
        panel->requestRepaint();
    }
    return error;
}

bool saveReport(bool isNew, TTable& table, ReportDefinition& definition, ReportBands bands,
                const ReportSettings& settings, const QString& folder) {
    const QString dir = layoutFolder(folder);
    if (isNew || definition.binary.isEmpty()) definition.binary = nextReportBinaryName(dir);
    const QString path = QFileInfo(reportFilePath(dir, definition.binary)).isFile()
                             ? reportFilePath(dir, definition.binary)
                             : dir + definition.binary;
    return pc::data::storeRow(
        table, isNew, [&] { writeRow(table, definition); },
        [&] {
            QString error;
            const bool written =
                writeReportLayoutFile(path, objectsOf(bands.header), objectsOf(bands.detail),
                                      objectsOf(bands.footer), settings, &error);
            for (pc::design::TGBasePanel* panel : {&bands.header, &bands.detail, &bands.footer})
                panel->refreshAllData();
            if (!written) pc::text::messages().error(error, QStringLiteral("Postcraft"));
            return written;
        });
}

bool cloneReport(TTable& table, const QString& folder) {
    const QString dir = layoutFolder(folder);
    if (!table.active() || !table.hasCurrentRecord() || table.eof()) return false;
    const ReportDefinition old = readReportDefinition(table);
    if (!pc::data::confirmRowAction(QStringLiteral("Clone"), old.description,
                                    QStringLiteral("CLONE")))
        return false;
    ReportDefinition clone = old;
    clone.description =
        (QStringLiteral("Clone of ") + old.description).left(kReportDescriptionLength);
    clone.binary = nextReportBinaryName(dir);
    // An unreadable old file leaves the clone without one, as designed.
    const QString oldPath = reportFilePath(dir, old.binary);
    if (!old.binary.isEmpty() && QFileInfo(oldPath).isFile()) {
        QFile source(oldPath);
        if (source.open(QIODevice::ReadOnly)) {
            QString error;
            const QByteArray bytes = source.readAll();
            QFile::remove(dir + clone.binary);
            QSaveFile target(dir + clone.binary);
            if (!target.open(QIODevice::WriteOnly) || target.write(bytes) != bytes.size() ||
                !target.commit()) {
                pc::text::messages().error(QStringLiteral("Cannot write the report file %1: %2")
                                               .arg(dir + clone.binary, target.errorString()),
                                           QStringLiteral("Postcraft"));
                return false;
            }
        }
    }
    if (pc::data::storeRow(table, true, [&] { writeRow(table, clone); })) return true;
    QFile::remove(dir + clone.binary);
    return false;
}

bool deleteReport(TTable& table, const QString& folder) {
    const QString dir = layoutFolder(folder);
    if (!table.active() || !table.hasCurrentRecord() || table.eof()) return false;
    const ReportDefinition d = readReportDefinition(table);
    if (!pc::data::confirmRowAction(QStringLiteral("Delete"), d.description,
                                    QStringLiteral("DELETE")))
        return false;
    return pc::data::deleteRowAndFile(
        table, d.binary.isEmpty() ? QString() : reportFilePath(dir, d.binary));
}

}  // namespace pc::reports
