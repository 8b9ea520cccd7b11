#pragma once
// The current-record data sheet: the chosen fields as label and value
// lines under a page header (page number, date), then the memo block below
// a rule, continued on further pages when it is long.
#include <QDate>
#include <QString>
#include <array>
#include <functional>

namespace pc::data {
class TTable;
}
namespace pc::print {
class PrintEngine;
class TextSection;
}  // namespace pc::print

namespace pc::reports {

struct SheetField {
    const char* checkBox;  // the choice's caption
    const char* label;     // printed; null for the memo
    const char* field;     // address field; "DisplayDate" for the date
};
inline constexpr int kSheetFields = 21;
// In print order; the memo last.
const std::array<SheetField, kSheetFields>& sheetFields();

class RecordSheet {
  public:
    // `chosen[i]` is the choice of sheetFields()[i].
    RecordSheet(pc::data::TTable& table, std::array<bool, kSheetFields> chosen,
                QDate date = QDate::currentDate());

    void print(pc::print::PrintEngine& engine, const std::function<bool()>& keepGoing = {});

  private:
    void pageHeader(pc::print::TextSection& text);
    void printMemo(pc::print::TextSection& text);

    pc::data::TTable& table_;
    std::array<bool, kSheetFields> chosen_;
    QDate date_;
    double pageWidth_ = 8.5, pageHeight_ = 11;
};

}  // namespace pc::reports
