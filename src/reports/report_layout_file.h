#pragma once
// The report layout file (".R"): the header, detail and footer bands'
// objects, each a list as in a label layout file, then the settings list.
// Written beside and renamed in; read all or nothing.
#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

#include "reports/report_settings.h"

namespace pc::design {
class TGGraphicControl;
}

namespace pc::reports {

using ObjectList = std::vector<std::unique_ptr<pc::design::TGGraphicControl>>;
using ConstObjects = std::vector<const pc::design::TGGraphicControl*>;

struct ReportLayout {
    ObjectList header, detail, footer;
    ReportSettings settings;
    QString error;  // empty when the whole file was read
    bool ok() const { return error.isEmpty(); }
};

QByteArray writeReportLayout(const ConstObjects& header, const ConstObjects& detail,
                             const ConstObjects& footer, const ReportSettings& settings);
// `settings` is what the values are read into (its ppi decides the pixels).
ReportLayout readReportLayout(const QByteArray& bytes, const ReportSettings& settings);

bool writeReportLayoutFile(const QString& path, const ConstObjects& header,
                           const ConstObjects& detail, const ConstObjects& footer,
                           const ReportSettings& settings, QString* error = nullptr);
ReportLayout readReportLayoutFile(const QString& path, const ReportSettings& settings);

}  // namespace pc::reports
