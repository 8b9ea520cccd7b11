#include "reports/record_sheet.h"

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

constexpr double kMargin = 1.0;
constexpr double kHeaderTop = 0.5;
constexpr int kScreenPpi = 96;
const QString kFont = QStringLiteral("Times");
constexpr double kPoints = 10;

}  // namespace

const std::array<SheetField, kSheetFields>& sheetFields() {
    static const std::array<SheetField, kSheetFields> all = {{
        {"Prefix", "Prefix", "PREFIX"},
        {"Last", "Last", "LNAME"},
        {"First", "First", "FNAME"},
        {"Middle", "Middle", "MIDDLE"},
        {"Title", "Title", "TITLE"},
        {"Organization", "Organization", "ORG"},
        {"Address 1", "Address 1", "STREET"},
        {"Address 2", "Address 2", "STREET2"},
        {"City", "City", "CITY"},
        {"State/Province", "State", "STATE"},
        {"Zip/Postal Code", "Zip/Postal", "ZIP"},
        {"Country", "Country", "COUNTRY"},
        {"Phone 1", "Phone 1", "PHONE"},
        {"Phone 2", "Phone 2", "PHONE2"},
        {"Fax", "Fax", "FAX"},
        {"E-mail", "E-Mail", "EMAIL"},
        {"Comment 1", "Comment 1", "USER1"},
        {"Comment 2", "Comment 2", "USER2"},
        {"Codes", "Codes", "CODES"},
        {"Date", "Date", "DisplayDate"},
        {"Memo", nullptr, "MEMO"},
    }};
    return all;
}

RecordSheet::RecordSheet(pc::data::TTable& table, std::array<bool, kSheetFields> chosen, QDate date)
    : table_(table), chosen_(chosen), date_(date) {}

void RecordSheet::pageHeader(TextSection& text) {
    const Inches left(kMargin), right(pageWidth_ - kMargin), bottom(pageHeight_ - kMargin);
    text.setSection(left, Inches(kHeaderTop), right, bottom);
    text.home();
    text.printRight(QStringLiteral("Page ") + QString::number(text.pageNumber()), right);
    text.newLine();
    text.printRight(text::formatDate(date_, text::programShortDateFormat()), right);
    text.setSection(left, Inches(kMargin), right, bottom);
    text.home();
    text.horizontalLine(text.top());
    text.horizontalLine(text.bottom());
    text.firstColumn();
    text.newLine();
}

void RecordSheet::printMemo(TextSection& text) {
    text.setItalic(true);
    QFont box = text.font();
    const int width = static_cast<int>(std::trunc((pageWidth_ - 2 * kMargin) * kScreenPpi));
    const QStringList lines = memoLines(fieldText(table_, "MEMO"), box, width);
    const std::vector<TabColumn> full = {{text.width()}};
    text.saveColumns();
    text.setColumns(text.left(), {{text.width(), TabColumn::Justify::Left, 0, true}});
    text.printColumn({});
    text.newLine();
    text.setColumns(text.left(), full);
    for (const QString& line : lines) {
        if (text.linesLeft() < 1) {
            text.restoreColumns();
            text.setItalic(false);
            if (!text.newPage()) return;
            text.saveColumns();
            text.setItalic(true);
            text.setColumns(text.left(), full);
        }
        text.firstColumn();
        text.printColumn(line);
        text.newLine();
    }
    text.restoreColumns();
    text.setItalic(false);
}

void RecordSheet::print(pc::print::PrintEngine& engine, const std::function<bool()>& keepGoing) {
    const pc::print::InchSize page = engine.pageSize();
    pageWidth_ = page.width.value;
    pageHeight_ = page.height.value;
    TextSection text(engine);
    text.setFont(kFont, kPoints);
    text.pageHeader = [this, &text] { pageHeader(text); };
    pageHeader(text);
    text.setColumns(Inches(kMargin), {{Inches(1.25)}, {Inches(5.25)}});
    const auto& fields = sheetFields();
    for (int i = 0; i < kSheetFields - 1; ++i) {
        if (!chosen_[i]) continue;
        if (text.linesLeft() < 1 && !text.newPage()) return;
        text.firstColumn();
        text.setBold(true);
        text.printColumn(QLatin1String(fields[i].label));
        text.setBold(false);
        const QString value = QLatin1String(fields[i].field) == QLatin1String("DisplayDate")
                                  ? displayDate(table_)
                                  : fieldText(table_, fields[i].field);
        text.printColumn(value);
        text.newLine();
        if (keepGoing && !keepGoing()) return;
    }
    text.newLine();
    if (chosen_[kSheetFields - 1]) printMemo(text);
}

}  // namespace pc::reports
