#include "reports/built_in_report.h"

#include <cmath>

#include "data/t_table.h"
#include "print/print_engine.h"
#include "print/text_section.h"
#include "reports/report_record_text.h"
#include "text/stored_date.h"

namespace pc::reports {
namespace {

using pc::print::Inches;
using pc::print::TabColumn;
using pc::print::TextSection;

constexpr double kLeftMargin = 1.0;
constexpr double kTopMargin = 0.5;
constexpr double kBottomMargin = 0.5;
constexpr int kScreenPpi = 96;
// Each value is clipped this much short of its column.
constexpr Inches kColumnInset{0.2};

struct ReportColumns {
    double widths[4];
    const char* headings[4];
};

const ReportColumns& columnsOf(int report) {
    static const ReportColumns all[] = {
        {{1.75, 2.15, 2, 1.5}, {"Name", "Address", "City/St/Zip", "Phone"}},
        {{2, 2.5, 1.5, 1.35}, {"Name", "Organization", "Phone", "Fax"}},
        {{2.5, 2, 1.5, 1.35}, {"Organization", "Name", "Phone", "Fax"}},
        {{0.5, 2.25, 3, 1.5}, {"", "", "", ""}},
    };
    return all[std::clamp(report, 1, 4) - 1];
}

}  // namespace

QString builtInReportName(int report) {
    switch (report) {
        case 1:
            return QStringLiteral("1. Name,Address,City,State,Zip,Phone");
        case 2:
            return QStringLiteral("2. Name,Organization,Phone,Fax");
        case 3:
            return QStringLiteral("3. Organization,Name,Phone,Fax ");
        default:
            return QStringLiteral("4. All major fields (takes several lines)");
    }
}

BuiltInReport::BuiltInReport(pc::data::TTable& table, BuiltInOptions options)
    : table_(table), options_(std::move(options)) {
    options_.report = std::clamp(options_.report, 1, 4);
}

void BuiltInReport::setBodyFont(TextSection& text) {
    text.setFont(QStringLiteral("Arial"), options_.report == 4 ? 8 : 9);
}

void BuiltInReport::setSection(TextSection& text, double bottomInset) {
    text.setSection(Inches(kLeftMargin), Inches(kTopMargin + 1), Inches(pageWidth_ - kLeftMargin),
                    Inches(pageHeight_ - kBottomMargin - bottomInset));
}

void BuiltInReport::setColumns(TextSection& text) {
    const ReportColumns& c = columnsOf(options_.report);
    std::vector<TabColumn> columns;
    for (double w : c.widths) columns.push_back({Inches(w)});
    text.setColumns(Inches(kLeftMargin), std::move(columns));
}

void BuiltInReport::pageHeader(TextSection& text) {
    text.setSection(Inches(kLeftMargin), Inches(kTopMargin), Inches(pageWidth_ - kLeftMargin),
                    Inches(pageHeight_ - kBottomMargin));
    text.home();
    text.setFont(QStringLiteral("Times New Roman"), 14, true);
    text.printLeft(options_.title, text.left());
    text.printRight(QStringLiteral("Page ") + QString::number(text.pageNumber()), text.right());
    text.newLine();
    text.printRight(text::formatDate(options_.date, text::programShortDateFormat()), text.right());
    text.setFont(QStringLiteral("Arial"), 9, true);
    text.setY(Inches(kTopMargin + (options_.report == 4 ? 0.5 : 0.8)));
    if (options_.report == 4) {
        const auto at = [this, &text](size_t column, const char* heading) {
            text.printClipped(QLatin1String(heading), text.columnLeft(column),
                              Inches(pageWidth_) - text.columnLeft(column));
        };
        setColumns(text);
        at(0, "Name");
        at(2, "Title and Organization");
        text.newLine();
        at(1, "Street");
        at(2, "City/State/Zip");
        at(3, "Country");
        text.newLine();
        at(1, "Phone,Fax");
        at(2, "Email");
        at(3, "Date");
    } else {
        setColumns(text);
        for (const char* heading : columnsOf(options_.report).headings)
            text.printColumn(QLatin1String(heading), kColumnInset);
    }
    setBodyFont(text);
    setSection(text, 0.5);
    text.horizontalLine(text.top());
    text.horizontalLine(text.bottom());
    text.home();
    text.firstColumn();
}

void BuiltInReport::newPage(TextSection& text) {
    text.newPage();
}

void BuiltInReport::printRecord(TextSection& text) {
    const auto column = [&text](const QString& value) { text.printColumn(value, kColumnInset); };
    switch (options_.report) {
        case 1:
            column(lastFirstName(table_));
            column(fieldText(table_, "STREET"));
            column(cityStateZip(table_));
            column(fieldText(table_, "PHONE"));
            break;
        case 2:
            column(lastFirstName(table_));
            column(fieldText(table_, "ORG"));
            column(fieldText(table_, "PHONE"));
            column(fieldText(table_, "FAX"));
            break;
        case 3:
            column(fieldText(table_, "ORG"));
            column(lastFirstName(table_));
            column(fieldText(table_, "PHONE"));
            column(fieldText(table_, "FAX"));
            break;
        default: {
            const QString name = fullNameLine(table_);
            if (!name.isEmpty()) text.printClipped(name, text.columnLeft(0), Inches(2.75));
            text.printClipped(titleAndOrganization(table_), text.columnLeft(2), Inches(4.5));
            text.newLine();
            text.printClipped(fieldText(table_, "STREET"), text.columnLeft(1), Inches(2.25));
            text.printClipped(cityLine(table_), text.columnLeft(2), Inches(3));
            text.printClipped(fieldText(table_, "COUNTRY"), text.columnLeft(3), Inches(1.5));
            text.newLine();
            text.printClipped(phoneFaxLine(table_), text.columnLeft(1), Inches(2.25));
            text.printClipped(fieldText(table_, "EMAIL"), text.columnLeft(2), Inches(3));
            text.printClipped(displayDate(table_), text.columnLeft(3), Inches(1.5));
            break;
        }
    }
    text.newLine();
    text.firstColumn();
}

void BuiltInReport::printCodesAndMemo(TextSection& text) {
    const Inches full = text.width();
    const QString codes = fieldText(table_, "CODES");
    if (options_.codes && !codes.trimmed().isEmpty()) {
        if (text.linesLeft() < 1) newPage(text);
        text.saveColumns();
        text.setColumns(text.left(), {{full, TabColumn::Justify::Left, 5}});
        text.printColumn(QStringLiteral("Codes: ") + codes);
        text.newLine();
        text.restoreColumns();
    }
    if (!options_.memo) return;
    const int boxWidth = static_cast<int>(std::trunc((text.width().value - 0.25) * kScreenPpi));
    const QStringList lines = memoLines(fieldText(table_, "MEMO"), text.font(), boxWidth);
    text.saveColumns();
    text.setColumns(text.left(), {{full, TabColumn::Justify::Left, 10}});
    for (const QString& line : lines) {
        if (text.linesLeft() < 1) {
            text.restoreColumns();
            if (!text.newPage()) return;
            text.saveColumns();
            text.setColumns(text.left(), {{full, TabColumn::Justify::Left, 10}});
        }
        text.printColumn(line);
        text.newLine();
    }
    text.restoreColumns();
}

void BuiltInReport::print(pc::print::PrintEngine& engine, const std::function<bool()>& keepGoing) {
    const pc::print::InchSize page = engine.pageSize();
    pageWidth_ = page.width.value;
    pageHeight_ = page.height.value;
    TextSection text(engine);
    text.pageHeader = [this, &text] { pageHeader(text); };
    setBodyFont(text);
    setSection(text, 1);
    setColumns(text);
    pageHeader(text);
    const int minimumLines = options_.report == 4 ? 3 : 1;
    while (!table_.eof() && !engine.aborted()) {
        if (text.linesLeft() < minimumLines && !text.newPage()) break;
        printRecord(text);
        printCodesAndMemo(text);
        if (options_.report == 4 && text.linesLeft() > 3) {
            const Inches middle = text.y() + text.lineHeight() / 2;
            text.horizontalLine(middle, QColor(192, 192, 192));
            text.newLine();
        }
        ++printed_;
        table_.next();
        if (keepGoing && !keepGoing()) break;
    }
}

}  // namespace pc::reports
