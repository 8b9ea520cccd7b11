#include "letters/letter_units.h"

#include <cmath>

namespace pc::letters {
namespace {

double number(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

int rounded(double twips) {
    // Absurd entries are held to what the stored page can carry.
    return int(std::lround(std::clamp(twips, -1.0e7, 1.0e7)));
}

}  // namespace

QString twipsToText(int twips, LengthUnit unit) {
    switch (unit) {
        case LengthUnit::Inch:
            return QString::number(twips / 1440.0, 'f', 2);
        case LengthUnit::Cm:
            return QString::number(twips * 0.0017638889, 'f', 2);
        case LengthUnit::Twips:
            break;
    }
    return QString::number(twips);
}

int textToTwips(const QString& text, LengthUnit unit) {
    const double value = number(text);
    switch (unit) {
        case LengthUnit::Inch:
            return rounded(value * 1440);
        case LengthUnit::Cm:
            return rounded(value * 566.929);
        case LengthUnit::Twips:
            break;
    }
    return rounded(value);
}

QString twipsToPoints(int twips) {
    return QString::number(std::lround(twips / 20.0));
}

int pointsToTwips(const QString& text) {
    return rounded(number(text) * 20);
}

}  // namespace pc::letters
