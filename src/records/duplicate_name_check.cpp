#include "records/duplicate_name_check.h"

#include <QApplication>

#include "data/key_text.h"
#include "data/record_lookup.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "text/message_service.h"

namespace pc::records {

namespace {

QString fitted(const QString& text, int width) {
    return pc::data::upperKeyText(text).leftJustified(std::max(width, 0), ' ', true);
}

}  // namespace

QString duplicateNameKey(const QString& last, const QString& first, int lastWidth, int firstWidth) {
    return fitted(last, lastWidth) + fitted(first, firstWidth);
}

QString duplicateQuestion(const QString& first, const QString& last, const QString& street,
                          const QString& city, const QString& state, const QString& zip) {
    return "Possible duplicate: \r\n\r\n" + first + " " + last + "\r\n" + street + "\r\n" + city +
           "," + state + " " + zip + "\r\n" + "\r\n" + "Continue adding?";
}

bool CheckDupName(pc::data::TTable& table, pc::data::TApollo& apollo, const QString& first,
                  const QString& last) {
    if (first.trimmed().isEmpty() || last.trimmed().isEmpty()) return true;
    if (!table.active()) return true;
    const auto* lname = table.findField("LNAME");
    const auto* fname = table.findField("FNAME");
    if (!lname || !fname) return true;
    const auto match = pc::data::findNameMatch(
        table, apollo, duplicateNameKey(last, first, lname->width(), fname->width()));
    if (!match) return true;
    QApplication::beep();
    const bool carryOn = pc::text::messages().askDefaultNo(
        duplicateQuestion(match->first, match->last, match->street, match->city, match->state,
                          match->zip),
        "Possible Duplicate");
    if (!carryOn) apollo.go(match->recno);
    return carryOn;
}

}  // namespace pc::records
