#include "postal/postnet.h"

#include <array>

namespace pc::postal {
namespace {

// Five bars per digit, weights 7-4-2-1-0, two full bars each.
constexpr std::array<const char*, 10> kDigitBars = {"FFHHH", "HHHFF", "HHFHF", "HHFFH", "HFHHF",
                                                    "HFHFH", "HFFHH", "FHHHF", "FHHFH", "FHFHH"};

bool isOrdinalSuffix(const QString& window) {
    return window == QLatin1String("ST") || window == QLatin1String("ND") ||
           window == QLatin1String("RD") || window == QLatin1String("TH");
}

}  // namespace

QString DigitsOnly(const QString& text) {
    QString digits;
    for (const QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) digits += c;
    return digits;
}

QString DeliveryPointFromAddress(const QString& address) {
    const QString upper = address.toUpper();
    if (upper.contains(QLatin1String("APO")) || upper.contains(QLatin1String("FPO")))
        return QStringLiteral("99");

    QChar tens = QLatin1Char(' ');
    QChar ones = QLatin1Char(' ');
    bool onesTaken = false, tensTaken = false, afterSlash = false, ordinalSuffix = false;
    for (qsizetype i = upper.size() - 1; i >= 0; --i) {
        const QChar c = upper.at(i);
        const bool anyTaken = onesTaken || tensTaken;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            if (afterSlash || ordinalSuffix || (onesTaken && tensTaken)) continue;
            if (onesTaken) {
                tens = c;
                tensTaken = true;
            } else {
                ones = c;
                onesTaken = true;
            }
        } else if (c == QLatin1Char(' ')) {
            if (anyTaken) break;
            afterSlash = false;
            ordinalSuffix = false;
        } else if (c == QLatin1Char('/') && anyTaken) {
            // The digits so far were a fraction's denominator.
            tens = ones = QLatin1Char(' ');
            onesTaken = tensTaken = false;
            afterSlash = true;
        } else if (onesTaken && !tensTaken) {
            tens = QLatin1Char('0');
            tensTaken = true;
        } else if (isOrdinalSuffix(upper.mid(i, 2))) {
            ordinalSuffix = true;
        }
    }
    if (tens == QLatin1Char(' ') && ones == QLatin1Char(' ')) return QStringLiteral("99");
    if (tens == QLatin1Char(' ')) tens = QLatin1Char('0');
    return QString(tens) + ones;
}

int PostNetCheckDigit(const QString& digits) {
    int sum = 0;
    for (const QChar c : digits)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) sum += c.unicode() - '0';
    return (10 - sum % 10) % 10;
}

bool PostNetCodeIsValid(const QString& postalCode) {
    // Byte order: every character outside ASCII sorts after '9', in
    // Windows-1252 bytes as in UTF-16 units.
    return postalCode.size() >= 5 && postalCode.compare(QLatin1String("00000")) >= 0 &&
           postalCode.compare(QLatin1String("99999-9999")) <= 0;
}

std::optional<QString> PostNetEncodedDigits(const QString& postalCode, const QString& address,
                                            TPostNetBarCodeType type) {
    if (!PostNetCodeIsValid(postalCode)) return std::nullopt;
    const QString deliveryPoint =
        type == TPostNetBarCodeType::pnbc11Digit ? DeliveryPointFromAddress(address) : QString();
    QString digits = DigitsOnly(postalCode + deliveryPoint);
    if (type == TPostNetBarCodeType::pnbc5Digit) digits.truncate(5);
    return digits + QChar(u'0' + PostNetCheckDigit(digits));
}

QString PostNetBars(const QString& encodedDigits) {
    QString bars = QStringLiteral("F");
    for (const QChar c : encodedDigits) {
        const int d = c.unicode() - '0';
        if (d >= 0 && d <= 9) bars += QLatin1String(kDigitBars[static_cast<std::size_t>(d)]);
    }
    return bars + QLatin1Char('F');
}

double PostNetWidthInches(int barCount) {
    return barCount <= 0 ? 0.0 : (barCount - 1) * kPostNetBarPitch + kPostNetBarWidth;
}

}  // namespace pc::postal
