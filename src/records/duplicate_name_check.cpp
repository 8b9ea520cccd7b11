#include "records/duplicate_name_check.h"

#include <QApplication>

#include "data/t_apollo.h"
#include "data/t_table.h"
#include "text/message_service.h"
#include "text/text_utils.h"
#include "xbase/engine.h"

namespace pc::app {

namespace {

QString fitted(const QString& text, int width) {
    return text.toUpper().leftJustified(std::max(width, 0), ' ', true);
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
    const QString key = duplicateNameKey(last, first, lname->width(), fname->width());

    const int recno = apollo.recNo();
    const int order = apollo.order();
    const int lnameOrder = apollo.tagArea("LNAME");
    if (lnameOrder <= 0) return true;  // no order to look in; nothing to warn about
    const bool exact = sx_SetExact(true);
    apollo.setOrder(lnameOrder);
    bool carryOn = true;
    int duplicate = 0;
    if (apollo.seek(key)) {
        duplicate = apollo.recNo();
        auto value = [&](const char* name) {
            const auto* field = table.findField(name);
            return field ? pc::text::rightTrim(field->text()) : QString();
        };
        QApplication::beep();
        carryOn = pc::text::messages().askDefaultNo(
            duplicateQuestion(value("FNAME"), value("LNAME"), value("STREET"), value("CITY"),
                              value("STATE"), value("ZIP")),
            "Possible Duplicate");
    }
    sx_SetExact(exact);
    apollo.setOrder(order);  // a failure leaves the lookup's order; nothing to lose
    apollo.go(carryOn ? recno : duplicate);
    return carryOn;
}

}  // namespace pc::app
