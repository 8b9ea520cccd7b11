#pragma once
// Reads Truevision TGA pictures: colour-mapped, true-colour and grey, plain
// or run-length encoded, 8, 15, 16, 24 and 32 bits per pixel, either row
// order. A damaged, truncated or oversized file gives a null image.
#include <QByteArray>
#include <QImage>

namespace pc::design {

QImage readTga(const QByteArray& file);

}  // namespace pc::design
