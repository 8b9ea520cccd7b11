#include "reports/report_settings.h"

#include <cmath>

#include "design/property_writer.h"

namespace pc::reports {
namespace {

using pc::design::StreamValue;

// A page far beyond any paper: a hostile file, not a layout.
constexpr qint64 kMaxThousandths = 1000 * 1000;
constexpr int kValueCount = 50;

int inchPixels(double inches, int ppi) {
    return static_cast<int>(std::trunc(inches * ppi));
}

class ValueReader {
  public:
    explicit ValueReader(const std::vector<StreamValue>& values) : values_(values) {}

    const QString& error() const { return error_; }

    std::optional<qint64> integer(qint64 low, qint64 high) {
        const StreamValue* v = next();
        if (!v) return std::nullopt;
        if (v->kind != StreamValue::Kind::Integer || v->integer < low || v->integer > high) {
            fail(QStringLiteral("is not a whole number from %1 to %2").arg(low).arg(high));
            return std::nullopt;
        }
        return v->integer;
    }
    bool boolean(bool& out) {
        const StreamValue* v = next();
        if (!v) return false;
        if (v->kind != StreamValue::Kind::Boolean) {
            fail(QStringLiteral("is not true or false"));
            return false;
        }
        out = v->integer != 0;
        return true;
    }
    bool string(QString& out) {
        const StreamValue* v = next();
        if (!v) return false;
        if (v->kind != StreamValue::Kind::String) {
            fail(QStringLiteral("is not a text"));
            return false;
        }
        out = pc::design::fromStreamText(v->bytes);
        return true;
    }

  private:
    const StreamValue* next() {
        if (!error_.isEmpty()) return nullptr;
        if (index_ >= values_.size()) {
            error_ = QStringLiteral("The report settings hold %1 values instead of %2")
                         .arg(values_.size())
                         .arg(kValueCount);
            return nullptr;
        }
        return &values_[index_++];
    }
    void fail(const QString& what) {
        error_ = QStringLiteral("Report setting %1 %2").arg(index_).arg(what);
    }

    const std::vector<StreamValue>& values_;
    size_t index_ = 0;
    QString error_;
};

void putFont(std::vector<StreamValue>& out, const ReportFont& font) {
    out.push_back(StreamValue::makeString(pc::design::toStreamText(font.name)));
    out.push_back(StreamValue::makeInteger(font.size));
    out.push_back(StreamValue::makeBoolean(font.bold));
    out.push_back(StreamValue::makeBoolean(font.italic));
}

bool readFont(ValueReader& in, ReportFont& font) {
    if (!in.string(font.name)) return false;
    const auto size = in.integer(1, 1638);
    if (!size) return false;
    font.size = static_cast<int>(*size);
    return in.boolean(font.bold) && in.boolean(font.italic);
}

}  // namespace

BandFrame defaultFrame() {
    BandFrame f;
    f.lineWidth = 1;
    f.shadeColor = QColor(255, 255, 255);
    return f;
}

QColor mixWithWhite(const QColor& color, int percent) {
    const auto mix = [percent](int c) { return c + (100 - percent) * (255 - c) / 100; };
    return QColor(mix(color.red()), mix(color.green()), mix(color.blue()));
}

ReportSettings newReportSettings(int ppi, const std::array<BandFrame, kReportBands>& frames) {
    ReportSettings s;
    s.ppi = ppi;
    s.pageWidth = inchPixels(8.5, ppi);
    s.pageHeight = inchPixels(11, ppi);
    s.leftMargin = s.topMargin = s.rightMargin = s.bottomMargin = inchPixels(0.5, ppi);
    s.frames = frames;
    return s;
}

ReportSettings& programReportSettings() {
    static ReportSettings settings = newReportSettings(96);
    return settings;
}

int toThousandths(int pixels, int ppi) {
    // In whole numbers: 1020 / 120 must give 8500, not 8499.
    return static_cast<int>(qint64(pixels) * 1000 / ppi);
}

int fromThousandths(qint64 thousandths, int ppi) {
    return static_cast<int>(std::lround(double(thousandths) * 0.001 * ppi));
}

std::vector<StreamValue> settingsValues(const ReportSettings& s) {
    std::vector<StreamValue> out;
    for (int pixels : {s.pageWidth, s.pageHeight, s.leftMargin, s.topMargin, s.rightMargin,
                       s.bottomMargin, s.headerHeight, s.detailHeight, s.footerHeight})
        out.push_back(StreamValue::makeInteger(toThousandths(pixels, s.ppi)));
    for (bool on : {s.useHeader, s.useDetail, s.useMemo, s.useFooter})
        out.push_back(StreamValue::makeBoolean(on));
    putFont(out, s.memoFont);
    out.push_back(StreamValue::makeInteger(static_cast<int>(s.memoAlignment)));
    putFont(out, s.defaultFont);
    for (const BandFrame& f : s.frames) {
        for (bool side : {f.left, f.top, f.right, f.bottom})
            out.push_back(StreamValue::makeBoolean(side));
        out.push_back(StreamValue::makeInteger(f.lineWidth));
        out.push_back(StreamValue::makeInteger(f.shadePercent));
        // A colour value: red in the low byte, then green, then blue.
        out.push_back(StreamValue::makeInteger(f.shadeColor.red() | f.shadeColor.green() << 8 |
                                               f.shadeColor.blue() << 16));
    }
    return out;
}

QString readSettingsValues(const std::vector<StreamValue>& values, ReportSettings& settings) {
    ValueReader in(values);
    ReportSettings s = settings;
    int* lengths[] = {&s.pageWidth,    &s.pageHeight,   &s.leftMargin,
                      &s.topMargin,    &s.rightMargin,  &s.bottomMargin,
                      &s.headerHeight, &s.detailHeight, &s.footerHeight};
    for (int* length : lengths) {
        const auto v = in.integer(0, kMaxThousandths);
        if (!v) return in.error();
        *length = fromThousandths(*v, s.ppi);
    }
    for (bool* on : {&s.useHeader, &s.useDetail, &s.useMemo, &s.useFooter})
        if (!in.boolean(*on)) return in.error();
    if (!readFont(in, s.memoFont)) return in.error();
    const auto alignment = in.integer(0, 2);
    if (!alignment) return in.error();
    s.memoAlignment = static_cast<MemoAlignment>(*alignment);
    if (!readFont(in, s.defaultFont)) return in.error();
    for (BandFrame& f : s.frames) {
        for (bool* side : {&f.left, &f.top, &f.right, &f.bottom})
            if (!in.boolean(*side)) return in.error();
        const auto width = in.integer(0, 100);
        const auto shade = width ? in.integer(0, 100) : std::nullopt;
        const auto colour = shade ? in.integer(0, 0xFFFFFF) : std::nullopt;
        if (!colour) return in.error();
        f.lineWidth = static_cast<int>(*width);
        f.shadePercent = static_cast<int>(*shade);
        f.shadeColor = QColor(int(*colour & 0xFF), int(*colour >> 8 & 0xFF), int(*colour >> 16));
    }
    settings = s;
    return {};
}

QString layoutText(const ReportSettings& s) {
    struct Page {
        double shortSide, longSide;
        const char* name;
    };
    for (const Page& page : {Page{8.5, 11, "Letter"}, Page{8.27, 11.68, "A4"}}) {
        const int w = inchPixels(page.shortSide, s.ppi), h = inchPixels(page.longSide, s.ppi);
        if (s.pageWidth == w && s.pageHeight == h)
            return QLatin1String(page.name) + QStringLiteral(" Size, Portrait");
        if (s.pageWidth == h && s.pageHeight == w)
            return QLatin1String(page.name) + QStringLiteral(" Size, Landscape");
    }
    return {};
}

}  // namespace pc::reports
