#include "reports/report_layout_file.h"

#include <QFile>
#include <QSaveFile>

#include "design/component_stream.h"
#include "design/graphic_object.h"
#include "design/layout_stream.h"

namespace pc::reports {
namespace {

using namespace pc::design;

// Far beyond any layout; a larger file is not read into memory at all.
constexpr qint64 kMaxFileBytes = qint64(256) << 20;

}  // namespace

QByteArray writeReportLayout(const ConstObjects& header, const ConstObjects& detail,
                             const ConstObjects& footer, const ReportSettings& settings) {
    QByteArray out = writeObjects(header) + writeObjects(detail) + writeObjects(footer);
    writeValue(out, StreamValue::makeList(settingsValues(settings)));
    return out;
}

ReportLayout readReportLayout(const QByteArray& bytes, const ReportSettings& settings) {
    ReportLayout layout;
    layout.settings = settings;
    const BandedList read = readBandedList(bytes, 3);
    if (!read.ok()) {
        layout.error = read.error;
        return layout;
    }
    const ObjectFactory factory = registryFactory(LayoutKind::Report);
    ObjectList* bands[] = {&layout.header, &layout.detail, &layout.footer};
    for (size_t i = 0; i < 3; ++i) {
        ReadObjects objects = objectsFromComponents(read.objectLists[i], factory);
        if (!objects.ok()) {
            layout = ReportLayout{};
            layout.settings = settings;
            layout.error = objects.error;
            return layout;
        }
        *bands[i] = std::move(objects.objects);
    }
    if (QString error = readSettingsValues(read.values, layout.settings); !error.isEmpty()) {
        layout = ReportLayout{};
        layout.settings = settings;
        layout.error = error;
    }
    return layout;
}

bool writeReportLayoutFile(const QString& path, const ConstObjects& header,
                           const ConstObjects& detail, const ConstObjects& footer,
                           const ReportSettings& settings, QString* error) {
    const QByteArray bytes = writeReportLayout(header, detail, footer, settings);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error =
                QStringLiteral("Cannot write the report file %1: %2").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

ReportLayout readReportLayoutFile(const QString& path, const ReportSettings& settings) {
    QFile file(path);
    ReportLayout layout;
    layout.settings = settings;
    if (!file.open(QIODevice::ReadOnly)) {
        layout.error =
            QStringLiteral("Cannot open the report file %1: %2").arg(path, file.errorString());
        return layout;
    }
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxFileBytes) {
        layout.error = QStringLiteral("Cannot read the report file %1").arg(path);
        return layout;
    }
    layout = readReportLayout(bytes, settings);
    if (!layout.ok()) layout.error = QStringLiteral("%1: %2").arg(path, layout.error);
    return layout;
}

}  // namespace pc::reports
