#pragma once
// The Intelligent Mail barcode (USPS-B-3200): a 20-digit tracking code and
// a routing code of 0, 5, 9 or 11 digits become 65 four-state bars.
#include <QString>
#include <array>
#include <cstdint>

namespace pc::postal {

// Printed geometry in inches (the standard's nominal values). A full bar
// spans the whole height; the tracker is centred; an ascender runs from the
// top to the tracker's foot, a descender from the tracker's head down.
inline constexpr int kImbBarCount = 65;
inline constexpr double kImbBarWidth = 0.020;
inline constexpr double kImbBarPitch = 1.0 / 22.0;
inline constexpr double kImbFullBarHeight = 0.145;
inline constexpr double kImbTrackerHeight = 0.048;
inline constexpr double kImbTrackerTop = (kImbFullBarHeight - kImbTrackerHeight) / 2;

enum class ImbError {
    None,
    TrackingLength,
    TrackingNotDigits,
    TrackingSecondDigit,
    RoutingLength,
    RoutingNotDigits,
};

// A sentence naming the problem, for messages.
QString ImbErrorText(ImbError error);

// The input checked, before anything is encoded.
ImbError CheckIntelligentMailInput(const QString& tracking, const QString& routing);

// Intermediate values of the encoding, kept for checks against the
// standard's worked examples.
struct ImbEncoding {
    ImbError error = ImbError::None;
    std::array<std::uint8_t, 13> binary{};  // the 102-bit value, big-endian
    std::uint16_t frameCheck = 0;           // CRC-11
    std::array<int, 10> codewords{};        // A to J, orientation inserted
    std::array<int, 10> characters{};       // A to J, 13 bits each
    QString bars;                           // 'A' 'D' 'F' 'T' per bar
};

ImbEncoding EncodeIntelligentMail(const QString& tracking, const QString& routing);

// Just the bars; empty when the input is bad.
QString IntelligentMailBars(const QString& tracking, const QString& routing);

double IntelligentMailWidthInches();

}  // namespace pc::postal
