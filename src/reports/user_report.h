#pragma once
// A user-defined report on paper: header and footer bands on every page,
// the detail band once per record, the record's memo across pages, each
// band's shade and frame, and "One Record Per Page". Prints the table's
// records from where it stands to its end.
#include <QDateTime>
#include <functional>

#include "reports/report_settings.h"

namespace pc::data {
class TTable;
}
namespace pc::design {
class TReportPanel;
}
namespace pc::print {
class PrintEngine;
class TextSection;
struct InchRect;
}  // namespace pc::print

namespace pc::reports {

struct UserReportBands {
    pc::design::TReportPanel& header;
    pc::design::TReportPanel& detail;
    pc::design::TReportPanel& footer;
};

// Letter or A4 from the page size (either way round): paper code 1 or 9,
// landscape when the width is the long side; code 0 for other sizes.
struct ReportPaper {
    int code = 0;
    bool landscape = false;
};
ReportPaper reportPaper(const ReportSettings& settings);

class UserReport {
  public:
    // The bands must hold the report's objects and merge the table's
    // current record (the detail band at least).
    UserReport(pc::data::TTable& table, UserReportBands bands, const ReportSettings& settings,
               bool onePerPage, QDateTime moment = QDateTime::currentDateTime());

    void print(pc::print::PrintEngine& engine, const std::function<bool()>& keepGoing = {});
    int recordsPrinted() const { return printed_; }

  private:
    void headerFooter(pc::print::PrintEngine& engine);
    void frame(pc::print::PrintEngine& engine, ReportBand band, double top, double bottom);
    void printMemo(pc::print::PrintEngine& engine, pc::print::TextSection& text);
    bool newPage(pc::print::PrintEngine& engine, pc::print::TextSection& text);

    pc::data::TTable& table_;
    UserReportBands bands_;
    ReportSettings settings_;
    bool onePerPage_;
    QDateTime moment_;
    // The section in inches.
    double left_ = 0, right_ = 0, top_ = 0, bottom_ = 0, y_ = 0;
    int printed_ = 0;
};

}  // namespace pc::reports
