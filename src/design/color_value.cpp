#include "design/color_value.h"

#include <array>

namespace pc::design {
namespace {

struct NamedColor {
    const char* name;
    quint32 value;
};

constexpr std::array<NamedColor, 16> kPlainColors{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
}};

// In the order of their system indexes 0 to 24.
constexpr std::array<const char*, 25> kSystemColors{
    "clScrollBar",    "clBackground",  "clActiveCaption", "clInactiveCaption",
    "clMenu",         "clWindow",      "clWindowFrame",   "clMenuText",
    "clWindowText",   "clCaptionText", "clActiveBorder",  "clInactiveBorder",
    "clAppWorkSpace", "clHighlight",   "clHighlightText", "clBtnFace",
    "clBtnShadow",    "clGrayText",    "clBtnText",       "clInactiveCaptionText",
    "clBtnHighlight", "cl3DDkShadow",  "cl3DLight",       "clInfoText",
    "clInfoBk"};

constexpr quint32 kSystemBase = 0x80000000u;

// A light desktop palette for the system colours, in index order.
constexpr std::array<quint32, 25> kSystemValues{
    0xC8C8C8, 0x000000, 0x800000, 0x808080, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
    0xFFFFFF, 0xC0C0C0, 0xC0C0C0, 0x808080, 0x800000, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x808080,
    0x000000, 0xC0C0C0, 0xFFFFFF, 0x404040, 0xE0E0E0, 0x000000, 0xE1FFFF};

}  // namespace

QByteArray colorIdentifier(quint32 value) {
    for (const auto& c : kPlainColors)
        if (c.value == value) return c.name;
    if (value >= kSystemBase && value < kSystemBase + kSystemColors.size())
        return kSystemColors[value - kSystemBase];
    if (value == clNone) return "clNone";
    return {};
}

std::optional<quint32> colorFromIdentifier(const QByteArray& name) {
    for (const auto& c : kPlainColors)
        if (name.compare(c.name, Qt::CaseInsensitive) == 0) return c.value;
    for (size_t i = 0; i < kSystemColors.size(); ++i)
        if (name.compare(kSystemColors[i], Qt::CaseInsensitive) == 0)
            return kSystemBase + static_cast<quint32>(i);
    if (name.compare("clNone", Qt::CaseInsensitive) == 0) return clNone;
    return std::nullopt;
}

QColor toQColor(quint32 value) {
    if (value == clNone) return Qt::transparent;
    if (value >= kSystemBase) {
        const quint32 index = value - kSystemBase;
        value = index < kSystemValues.size() ? kSystemValues[index] : 0;
    }
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

quint32 fromQColor(const QColor& color) {
    return static_cast<quint32>(color.red()) | (static_cast<quint32>(color.green()) << 8) |
           (static_cast<quint32>(color.blue()) << 16);
}

}  // namespace pc::design
