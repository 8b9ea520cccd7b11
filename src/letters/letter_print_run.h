#pragma once
// One print run of a letter over the address table, as the letter window
// and the command line make it: the chosen records from the start record,
// each merged into a copy of the template and printed in its copies, every
// letter starting on a new page of the template's paper. The table's
// filter and record are put back when the run goes.
#include <QDate>
#include <QTextDocument>
#include <functional>
#include <memory>

#include "data/record_choice.h"

namespace pc::data {
class TApollo;
class TTable;
class QuerySetting;
}  // namespace pc::data

namespace pc::print {
class PrintEngine;
}

namespace pc::letters {

struct LetterPrintChoices {
    using Records = pc::data::RecordChoice;
    Records records = Records::MatchingFilter;
    bool startFromCurrent = false;
    int copies = 1;  // 1 to 999
    QDate today = QDate::currentDate();
};

class LetterPrintRun {
  public:
    // `templateDocument` is copied; the engine gets the template's paper.
    LetterPrintRun(data::TTable& addresses, data::TApollo& engine,
                   const QTextDocument& templateDocument, LetterPrintChoices choices,
                   print::PrintEngine& printer);
    ~LetterPrintRun();
    LetterPrintRun(const LetterPrintRun&) = delete;
    LetterPrintRun& operator=(const LetterPrintRun&) = delete;

    // The job's print callback. `keepGoing` runs after every record (the
    // window lets events through there); false stops the loop.
    void print(print::PrintEngine& printer, const std::function<bool()>& keepGoing = {});
    int pagesPrinted() const { return pages_; }
    int lettersPrinted() const { return letters_; }

  private:
    void chooseStart();
    bool printRecord(print::PrintEngine& printer);

    data::TTable& addresses_;
    data::TApollo& engine_;
    std::unique_ptr<QTextDocument> template_;
    LetterPrintChoices choices_;
    int rememberedRecord_ = 0;
    std::unique_ptr<data::QuerySetting> query_;
    int pages_ = 0;
    int letters_ = 0;
};

// The template merged with the table's current record.
std::unique_ptr<QTextDocument> mergedLetter(const QTextDocument& templateDocument,
                                            const data::TTable& addresses, const QDate& today);

}  // namespace pc::letters
