#pragma once
// The three letter-case conversions of the case conversion window, on plain
// ASCII letters only (other characters stay as they are), and the fields it
// offers, in the order it converts them.
#include <QString>
#include <QStringList>
#include <vector>

namespace pc::maintenance {

enum class CaseConversion { Upper, FirstCapital, Lower };

QString convertCase(const QString& text, CaseConversion conversion);

struct ConvertibleField {
    const char* caption;  // the check box
    const char* field;
};
// Last, First, Middle, ... Codes: fifteen, in conversion order.
const std::vector<ConvertibleField>& convertibleFields();
// The fields of `chosen` in conversion order; unknown names are dropped.
QStringList inConversionOrder(const QStringList& chosen);

}  // namespace pc::maintenance
