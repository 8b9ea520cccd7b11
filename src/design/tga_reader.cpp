#include "design/tga_reader.h"

#include <QtEndian>
#include <vector>

#include "design/stored_picture.h"

namespace pc::design {
namespace {

constexpr int kHeaderSize = 18;

QRgb colourOf(const uchar* p, int bits) {
    switch (bits) {
        case 8:
            return qRgb(p[0], p[0], p[0]);
        case 15:
        case 16: {
            const int v = p[0] | (p[1] << 8);
            auto five = [](int c) { return (c << 3) | (c >> 2); };
            return qRgb(five((v >> 10) & 31), five((v >> 5) & 31), five(v & 31));
        }
        case 24:
            return qRgb(p[2], p[1], p[0]);
        default:
            return qRgba(p[2], p[1], p[0], p[3]);
    }
}

}  // namespace

QImage readTga(const QByteArray& file) {
    if (file.size() < kHeaderSize) return {};
    const auto* data = reinterpret_cast<const uchar*>(file.constData());
    const int idLength = data[0];
    const int mapType = data[1];
    const int type = data[2];
    const int mapFirst = qFromLittleEndian<quint16>(data + 3);
    const int mapLength = qFromLittleEndian<quint16>(data + 5);
    const int mapBits = data[7];
    const qint64 width = qFromLittleEndian<quint16>(data + 12);
    const qint64 height = qFromLittleEndian<quint16>(data + 14);
    const int bits = data[16];
    const int descriptor = data[17];

    const bool rle = type >= 9;
    const int base = rle ? type - 8 : type;
    if (base < 1 || base > 3 || mapType > 1) return {};
    if (base == 1 && (mapType != 1 || bits != 8)) return {};
    if (base == 2 && bits != 15 && bits != 16 && bits != 24 && bits != 32) return {};
    if (base == 3 && bits != 8) return {};
    if (mapType == 1 && mapBits != 15 && mapBits != 16 && mapBits != 24 && mapBits != 32) return {};
    if (!pictureSizeAllowed(width, height)) return {};

    qsizetype at = kHeaderSize + idLength;
    std::vector<QRgb> palette;
    if (mapType == 1) {
        const int entryBytes = (mapBits + 7) / 8;
        if (file.size() < at + qint64(mapLength) * entryBytes) return {};
        palette.resize(static_cast<size_t>(mapFirst + mapLength), qRgb(0, 0, 0));
        for (int i = 0; i < mapLength; ++i)
            palette[static_cast<size_t>(mapFirst + i)] =
                colourOf(data + at + i * entryBytes, mapBits);
        at += qsizetype(mapLength) * entryBytes;
    }
    const int pixelBytes = (bits + 7) / 8;
    const qint64 count = width * height;
    // Run-length data expands at most 128 times.
    const qint64 available = file.size() - at;
    if (available < 0 ||
        (rle ? available * 128 / (pixelBytes + 1) : available / pixelBytes) < count)
        return {};

    // 32-bit pixels carry alpha only when the descriptor says they do.
    const bool alpha = (descriptor & 0x0F) != 0 && (bits == 32 || (mapType == 1 && mapBits == 32));
    QImage image(static_cast<int>(width), static_cast<int>(height),
                 alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) return {};
    const bool rightToLeft = descriptor & 0x10;
    const bool topDown = descriptor & 0x20;

    auto pixel = [&](const uchar* p, QRgb& out) {
        if (base != 1) {
            out = colourOf(p, bits);
            return true;
        }
        if (p[0] >= palette.size()) return false;
        out = palette[p[0]];
        return true;
    };
    auto store = [&](qint64 i, QRgb colour) {
        const int x = static_cast<int>(i % width), y = static_cast<int>(i / width);
        const int px = rightToLeft ? static_cast<int>(width) - 1 - x : x;
        const int py = topDown ? y : static_cast<int>(height) - 1 - y;
        reinterpret_cast<QRgb*>(image.scanLine(py))[px] = alpha ? colour : colour | 0xFF000000;
    };

    qint64 i = 0;
    while (i < count) {
        if (!rle) {
            if (at + pixelBytes > file.size()) return {};
            QRgb colour;
            if (!pixel(data + at, colour)) return {};
            store(i++, colour);
            at += pixelBytes;
            continue;
        }
        if (at >= file.size()) return {};
        const int packet = data[at++];
        const qint64 n = std::min<qint64>((packet & 0x7F) + 1, count - i);
        if (packet & 0x80) {
            if (at + pixelBytes > file.size()) return {};
            QRgb colour;
            if (!pixel(data + at, colour)) return {};
            at += pixelBytes;
            for (qint64 k = 0; k < n; ++k) store(i++, colour);
        } else {
            if (at + n * pixelBytes > file.size()) return {};
            for (qint64 k = 0; k < n; ++k, at += pixelBytes) {
                QRgb colour;
                if (!pixel(data + at, colour)) return {};
                store(i++, colour);
            }
        }
    }
    return image;
}

}  // namespace pc::design
