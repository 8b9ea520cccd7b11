#pragma once
// The settings of one report layout: page, margins, band heights and which
// bands print, the memo and default fonts, and each band's frame and shade.
// Lengths are screen pixels at a given pixels-per-inch; the layout file
// keeps them as thousandths of an inch.
#include <QColor>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "design/stream_value.h"

namespace pc::reports {

enum class ReportBand { Header, Detail, Memo, Footer };
inline constexpr int kReportBands = 4;

struct BandFrame {
    bool left = false, top = false, right = false, bottom = false;
    int lineWidth = 0;
    int shadePercent = 0;
    QColor shadeColor = QColor(0, 0, 0);  // stored as one colour value
    bool operator==(const BandFrame&) const = default;
};

// What "Defaults" gives a band: no lines, width 1, no shade, white.
BandFrame defaultFrame();

// The shade colour as printed: each component c becomes
// c + (100 - percent) * (255 - c) / 100.
QColor mixWithWhite(const QColor& color, int percent);

struct ReportFont {
    QString name = QStringLiteral("Arial");
    int size = 10;
    bool bold = false;
    bool italic = false;
    bool operator==(const ReportFont&) const = default;
};

// Memo alignment as stored.
enum class MemoAlignment { Left = 0, Right = 1, Centered = 2 };

struct ReportSettings {
    int ppi = 96;  // the pixels the lengths below are in
    int pageWidth = 0, pageHeight = 0;
    int leftMargin = 0, topMargin = 0, rightMargin = 0, bottomMargin = 0;
    int headerHeight = 33, detailHeight = 33, footerHeight = 33;
    bool useHeader = true, useDetail = true, useMemo = false, useFooter = false;
    ReportFont memoFont;
    MemoAlignment memoAlignment = MemoAlignment::Left;
    ReportFont defaultFont;
    std::array<BandFrame, kReportBands> frames{};  // header, detail, memo, footer

    BandFrame& frame(ReportBand band) { return frames[static_cast<size_t>(band)]; }
    const BandFrame& frame(ReportBand band) const { return frames[static_cast<size_t>(band)]; }
    double inches(int pixels) const { return double(pixels) / ppi; }
    bool operator==(const ReportSettings&) const = default;
};

// A new report at `ppi`: Letter, 0.5 inch margins, header and detail
// used; the frames are taken from `frames` (they carry over).
ReportSettings newReportSettings(int ppi, const std::array<BandFrame, kReportBands>& frames = {});

// The one settings record of the program: what the last loaded or edited
// report left (frames carry over to new reports).
ReportSettings& programReportSettings();

// Pixels at `ppi` to thousandths of an inch (truncated) and back (rounded).
int toThousandths(int pixels, int ppi);
int fromThousandths(qint64 thousandths, int ppi);

// The 50 values in file order.
std::vector<pc::design::StreamValue> settingsValues(const ReportSettings& settings);
// Reads the 50 values into `settings` (at its ppi); an error text when
// there are too few or one has the wrong type or an impossible value.
QString readSettingsValues(const std::vector<pc::design::StreamValue>& values,
                           ReportSettings& settings);

// "Letter Size, Portrait" and so on; empty for a page of another size.
QString layoutText(const ReportSettings& settings);

}  // namespace pc::reports
