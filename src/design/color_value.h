#pragma once
// Stored colours: 32-bit values 0x00BBGGRR, some of which have names in the
// layout stream (clRed, clWindow, ...). System colours (0x80000000 + n)
// stand for the desktop's palette entries.
#include <QByteArray>
#include <QColor>
#include <optional>

namespace pc::design {

inline constexpr quint32 clBlack = 0x000000;
inline constexpr quint32 clGray = 0x808080;
inline constexpr quint32 clSilver = 0xC0C0C0;
inline constexpr quint32 clWhite = 0xFFFFFF;
inline constexpr quint32 clAqua = 0xFFFF00;
inline constexpr quint32 clNone = 0x1FFFFFFF;

// The stream name of a colour value, or an empty array when it has none.
QByteArray colorIdentifier(quint32 value);
// The value of a colour name (any letter case); nothing for unknown names.
std::optional<quint32> colorFromIdentifier(const QByteArray& name);

// For drawing. clNone is transparent; system colours take the desktop's.
QColor toQColor(quint32 value);
// 0x00BBGGRR of an opaque colour.
quint32 fromQColor(const QColor& color);

}  // namespace pc::design
