#pragma once
// Report definitions: the REPORT.DBF row (description, page text, layout
// file) and the operations that keep a row and its ".R" file together
// (load, save, clone, delete, the next free file name).
#include <QString>

#include "reports/report_settings.h"

namespace pc::data {
class TTable;
}
namespace pc::design {
class TGBasePanel;
}

namespace pc::reports {

inline constexpr int kReportDescriptionLength = 60;

struct ReportDefinition {
    QString description = QStringLiteral("<new report>");
    QString layoutText = QStringLiteral("Letter Size, Portrait");
    QString binary;  // BIN#####.R in the layout folder; empty until saved
    bool operator==(const ReportDefinition&) const = default;
};

// The bands a report is loaded into and saved from.
struct ReportBands {
    pc::design::TGBasePanel& header;
    pc::design::TGBasePanel& detail;
    pc::design::TGBasePanel& footer;
};

ReportDefinition readReportDefinition(const pc::data::TTable& table);

// "BIN" + five digits + ".R", the first not present in `folder` (any
// letter case); "BIN00000.R" when all are taken.
QString nextReportBinaryName(const QString& folder = {});
// The layout file of a definition in `folder` (sysdata/ when empty).
QString reportFilePath(const QString& folder, const QString& binary);

// LoadReport: a new report gets the defaults (the frames carry over) and
// empty bands; otherwise the row's definition, the bands emptied and
// filled from the file when it exists. Returns the reason when the file
// could not be read (the bands then stay empty, the settings unchanged).
QString loadReport(bool isNew, const pc::data::TTable& table, ReportBands bands,
                   ReportSettings& settings, ReportDefinition& definition,
                   const QString& folder = {});

// SaveReport: a new report appends a row under the next free file name,
// otherwise the current row is edited; the file is written before the row
// is posted, so a failed write keeps the row as it was. False with the
// message told through the message service.
bool saveReport(bool isNew, pc::data::TTable& table, ReportDefinition& definition,
                ReportBands bands, const ReportSettings& settings, const QString& folder = {});

// Asks "Clone \"D\"?" and copies the row and its file under a new name
// ("Clone of " + description); true when a row was added.
bool cloneReport(pc::data::TTable& table, const QString& folder = {});
// Asks "Delete \"D\"?" and removes the row and its file.
bool deleteReport(pc::data::TTable& table, const QString& folder = {});

}  // namespace pc::reports
