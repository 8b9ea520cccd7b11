#pragma once
// Reads ZSoft PCX pictures: 1, 2, 4 and 8 bits per pixel in one plane,
// 1 bit in four planes (16 colours), 8 bits in three or four planes (true
// colour). A damaged, truncated or oversized file gives a null image.
#include <QByteArray>
#include <QImage>

namespace pc::design {

QImage readPcx(const QByteArray& file);

}  // namespace pc::design
