#pragma once
// The four built-in list reports: names, addresses and phones in columns
// under a page header with title, page number, date and headings; codes and
// memo blocks on request; report 4 prints three lines per record with a
// silver rule between records. Prints the table's records from where it
// stands to its end.
#include <QDate>
#include <QString>
#include <functional>

namespace pc::data {
class TTable;
}
namespace pc::print {
class PrintEngine;
class TextSection;
}  // namespace pc::print

namespace pc::reports {

struct BuiltInOptions {
    int report = 1;  // 1 to 4
    QString title = QStringLiteral("Report 1");
    bool codes = false;
    bool memo = false;
    QDate date = QDate::currentDate();  // printed in the page header
};

// "1. Name,Address,City,State,Zip,Phone" and so on, as the list shows them.
QString builtInReportName(int report);

class BuiltInReport {
  public:
    BuiltInReport(pc::data::TTable& table, BuiltInOptions options);

    // The job's print callback; `keepGoing` runs after every record and
    // stops the run when it returns false.
    void print(pc::print::PrintEngine& engine, const std::function<bool()>& keepGoing = {});
    int recordsPrinted() const { return printed_; }

  private:
    void pageHeader(pc::print::TextSection& text);
    void setColumns(pc::print::TextSection& text);
    void setBodyFont(pc::print::TextSection& text);
    void setSection(pc::print::TextSection& text, double bottomInset);
    void printRecord(pc::print::TextSection& text);
    void printCodesAndMemo(pc::print::TextSection& text);
    void newPage(pc::print::TextSection& text);

    pc::data::TTable& table_;
    BuiltInOptions options_;
    double pageWidth_ = 8.5, pageHeight_ = 11;
    int printed_ = 0;
};

}  // namespace pc::reports
