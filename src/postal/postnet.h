#pragma once
// POSTNET: the digits a record's postal code and street give, the check
// digit, and the full/half bar sequence with its printed geometry.
#include <QString>
#include <cstdint>
#include <optional>

namespace pc::postal {

// Stored as one byte, in this order.
enum class TPostNetBarCodeType : std::uint8_t { pnbc5Digit = 0, pnbc9Digit = 1, pnbc11Digit = 2 };

// Printed geometry in inches. Every bar shares the bottom line.
inline constexpr double kPostNetBarWidth = 0.015;
inline constexpr double kPostNetBarPitch = 0.046;
inline constexpr double kPostNetFullBarHeight = 0.125;
inline constexpr double kPostNetHalfBarHeight = 0.055;

// The characters '0' to '9' of the text, in order.
QString DigitsOnly(const QString& text);

// The two delivery-point digits of a street address: the last two digits of
// its right-most number that is neither an ordinal (5TH) nor a fraction's
// denominator (1/2); "99" when there is none or for military mail.
QString DeliveryPointFromAddress(const QString& address);

// The digit that brings the sum of the digits to a multiple of ten.
int PostNetCheckDigit(const QString& digits);

// At least five characters between "00000" and "99999-9999" in byte order;
// anything else draws no barcode.
bool PostNetCodeIsValid(const QString& postalCode);

// The encoded digits (data digits then the check digit); nothing when the
// postal code fails the validity gate.
std::optional<QString> PostNetEncodedDigits(const QString& postalCode, const QString& address,
                                            TPostNetBarCodeType type);

// 'F' (full) and 'H' (half) for each bar, both frame bars included. The
// input is taken to be digits only.
QString PostNetBars(const QString& encodedDigits);

// Printed width of a bar sequence, first bar edge to last bar edge.
double PostNetWidthInches(int barCount);

}  // namespace pc::postal
