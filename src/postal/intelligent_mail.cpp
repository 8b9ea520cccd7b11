#include "postal/intelligent_mail.h"

#include <bit>
#include <vector>

namespace pc::postal {
namespace {

// 102 bits fit comfortably in 128.
using Wide = unsigned __int128;

// The characters of n-of-13 codes in the standard's table order: a code and
// its bit reverse side by side from the front, palindromes from the back.
std::vector<int> nOf13Table(int n, int length) {
    std::vector<int> table(static_cast<std::size_t>(length));
    int lower = 0;
    int upper = length - 1;
    for (int code = 0; code < 8192; ++code) {
        if (std::popcount(static_cast<unsigned>(code)) != n) continue;
        int reverse = 0;
        for (int bit = 0; bit < 13; ++bit)
            if (code & (1 << bit)) reverse |= 1 << (12 - bit);
        if (reverse < code) continue;
        if (reverse == code) {
            table[static_cast<std::size_t>(upper--)] = code;
        } else {
            table[static_cast<std::size_t>(lower++)] = code;
            table[static_cast<std::size_t>(lower++)] = reverse;
        }
    }
    return table;
}

const std::vector<int>& fiveOf13() {
    static const std::vector<int> table = nOf13Table(5, 1287);
    return table;
}

const std::vector<int>& twoOf13() {
    static const std::vector<int> table = nOf13Table(2, 78);
    return table;
}

// Which character bit makes each bar's descender and ascender: character
// index (A = 0) and bit, bar by bar from the left.
struct BarSource {
    std::uint8_t descenderCharacter, descenderBit, ascenderCharacter, ascenderBit;
};

constexpr std::array<BarSource, kImbBarCount> kBarSources = {{
    {7, 2, 4, 3},  {1, 10, 0, 0},  {9, 12, 2, 8}, {5, 5, 6, 11}, {8, 9, 3, 1},  {0, 1, 5, 12},
    {2, 5, 1, 8},  {4, 4, 9, 11},  {6, 3, 8, 10}, {3, 9, 7, 6},  {5, 11, 1, 4}, {8, 5, 2, 12},
    {9, 10, 0, 2}, {7, 1, 6, 7},   {3, 6, 4, 9},  {0, 3, 8, 6},  {6, 4, 2, 7},  {1, 1, 9, 9},
    {7, 10, 5, 2}, {4, 0, 3, 8},   {6, 2, 0, 4},  {8, 11, 1, 0}, {9, 8, 3, 12}, {2, 6, 7, 7},
    {5, 1, 4, 10}, {1, 12, 6, 9},  {7, 3, 8, 0},  {5, 8, 9, 7},  {4, 6, 2, 10}, {3, 4, 0, 5},
    {8, 4, 5, 7},  {7, 11, 1, 9},  {6, 0, 9, 6},  {0, 6, 4, 8},  {2, 1, 3, 2},  {5, 9, 8, 12},
    {4, 11, 6, 1}, {9, 5, 7, 4},   {3, 3, 1, 2},  {0, 7, 2, 0},  {1, 3, 4, 1},  {6, 10, 3, 5},
    {8, 7, 9, 4},  {2, 11, 5, 6},  {0, 8, 7, 12}, {4, 2, 8, 1},  {5, 10, 3, 0}, {9, 3, 0, 9},
    {6, 5, 2, 4},  {7, 8, 1, 7},   {5, 0, 4, 5},  {2, 3, 0, 10}, {6, 12, 9, 2}, {3, 11, 1, 6},
    {8, 8, 7, 9},  {5, 4, 0, 11},  {1, 5, 2, 2},  {9, 1, 4, 12}, {8, 3, 6, 6},  {7, 0, 3, 7},
    {4, 7, 7, 5},  {0, 12, 1, 11}, {2, 9, 9, 0},  {6, 8, 5, 3},  {3, 10, 8, 2},
}};

bool allDigits(const QString& text) {
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

Wide digitsValue(const QString& digits) {
    Wide value = 0;
    for (const QChar c : digits) value = value * 10 + static_cast<unsigned>(c.unicode() - '0');
    return value;
}

// The routing code's value: each length has its own range, so a shorter
// code never collides with a longer one.
Wide routingValue(const QString& routing) {
    const Wide r = digitsValue(routing);
    switch (routing.size()) {
        case 5:
            return r + 1;
        case 9:
            return r + 100000 + 1;
        case 11:
            return r + 1000000000 + 100000 + 1;
        default:
            return 0;
    }
}

std::uint16_t frameCheckSequence(const std::array<std::uint8_t, 13>& bytes) {
    constexpr unsigned kPolynomial = 0x0F35;
    unsigned fcs = 0x07FF;
    auto feed = [&fcs](unsigned data, int bits) {
        for (int i = 0; i < bits; ++i) {
            fcs = ((fcs ^ data) & 0x400) ? (fcs << 1) ^ kPolynomial : fcs << 1;
            fcs &= 0x7FF;
            data <<= 1;
        }
    };
    // The first byte's top two bits are outside the 102-bit value.
    feed(static_cast<unsigned>(bytes[0]) << 5, 6);
    for (std::size_t i = 1; i < bytes.size(); ++i) feed(static_cast<unsigned>(bytes[i]) << 3, 8);
    return static_cast<std::uint16_t>(fcs);
}

}  // namespace

QString ImbErrorText(ImbError error) {
    switch (error) {
        case ImbError::None:
            return {};
        case ImbError::TrackingLength:
            return QStringLiteral("the tracking code must have 20 digits");
        case ImbError::TrackingNotDigits:
            return QStringLiteral("the tracking code may hold digits only");
        case ImbError::TrackingSecondDigit:
            return QStringLiteral("the second digit of the tracking code must be 0 to 4");
        case ImbError::RoutingLength:
            return QStringLiteral("the routing code must have 0, 5, 9 or 11 digits");
        case ImbError::RoutingNotDigits:
            return QStringLiteral("the routing code may hold digits only");
    }
    return {};
}

ImbError CheckIntelligentMailInput(const QString& tracking, const QString& routing) {
    if (!allDigits(tracking)) return ImbError::TrackingNotDigits;
    if (tracking.size() != 20) return ImbError::TrackingLength;
    if (tracking.at(1) > QLatin1Char('4')) return ImbError::TrackingSecondDigit;
    if (!allDigits(routing)) return ImbError::RoutingNotDigits;
    const auto n = routing.size();
    if (n != 0 && n != 5 && n != 9 && n != 11) return ImbError::RoutingLength;
    return ImbError::None;
}

ImbEncoding EncodeIntelligentMail(const QString& tracking, const QString& routing) {
    ImbEncoding e;
    e.error = CheckIntelligentMailInput(tracking, routing);
    if (e.error != ImbError::None) return e;

    auto digit = [&tracking](int i) {
        return static_cast<unsigned>(tracking.at(i).unicode() - '0');
    };
    Wide value = routingValue(routing);
    value = value * 10 + digit(0);
    value = value * 5 + digit(1);
    for (int i = 2; i < 20; ++i) value = value * 10 + digit(i);

    Wide rest = value;
    for (int i = 12; i >= 0; --i) {
        e.binary[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(rest & 0xFF);
        rest >>= 8;
    }
    e.frameCheck = frameCheckSequence(e.binary);

    rest = value;
    e.codewords[9] = static_cast<int>(rest % 636);
    rest /= 636;
    for (int i = 8; i >= 1; --i) {
        e.codewords[static_cast<std::size_t>(i)] = static_cast<int>(rest % 1365);
        rest /= 1365;
    }
    e.codewords[0] = static_cast<int>(rest);
    // Orientation and the frame check's eleventh bit ride in the codewords.
    e.codewords[9] *= 2;
    if (e.frameCheck & 0x400) e.codewords[0] += 659;

    for (std::size_t i = 0; i < 10; ++i) {
        const int cw = e.codewords[i];
        int ch = cw < 1287 ? fiveOf13()[static_cast<std::size_t>(cw)]
                           : twoOf13()[static_cast<std::size_t>(cw - 1287)];
        if (e.frameCheck & (1u << i)) ch = ~ch & 0x1FFF;
        e.characters[i] = ch;
    }

    e.bars.reserve(kImbBarCount);
    for (const BarSource& s : kBarSources) {
        const bool descender = e.characters[s.descenderCharacter] & (1 << s.descenderBit);
        const bool ascender = e.characters[s.ascenderCharacter] & (1 << s.ascenderBit);
        e.bars += QLatin1Char(ascender ? (descender ? 'F' : 'A') : (descender ? 'D' : 'T'));
    }
    return e;
}

QString IntelligentMailBars(const QString& tracking, const QString& routing) {
    return EncodeIntelligentMail(tracking, routing).bars;
}

double IntelligentMailWidthInches() {
    return (kImbBarCount - 1) * kImbBarPitch + kImbBarWidth;
}

}  // namespace pc::postal
