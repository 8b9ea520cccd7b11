#include "design/pcx_reader.h"

#include <QtEndian>
#include <vector>

#include "design/stored_picture.h"

namespace pc::design {
namespace {

constexpr int kHeaderSize = 128;

QRgb egaColour(int i) {
    // The default 16-colour palette, for files whose header palette is empty.
    static constexpr QRgb colours[16] = {0xFF000000, 0xFF0000AA, 0xFF00AA00, 0xFF00AAAA,
                                         0xFFAA0000, 0xFFAA00AA, 0xFFAA5500, 0xFFAAAAAA,
                                         0xFF555555, 0xFF5555FF, 0xFF55FF55, 0xFF55FFFF,
                                         0xFFFF5555, 0xFFFF55FF, 0xFFFFFF55, 0xFFFFFFFF};
    return colours[i & 15];
}

}  // namespace

QImage readPcx(const QByteArray& file) {
    if (file.size() < kHeaderSize) return {};
    const auto* h = reinterpret_cast<const uchar*>(file.constData());
    if (h[0] != 0x0A || h[2] > 1) return {};
    const int bits = h[3];
    const int xMin = qFromLittleEndian<quint16>(h + 4), yMin = qFromLittleEndian<quint16>(h + 6);
    const int xMax = qFromLittleEndian<quint16>(h + 8), yMax = qFromLittleEndian<quint16>(h + 10);
    const int planes = h[65];
    const int bytesPerLine = qFromLittleEndian<quint16>(h + 66);
    const qint64 width = qint64(xMax) - xMin + 1, height = qint64(yMax) - yMin + 1;
    if (!pictureSizeAllowed(width, height)) return {};

    const bool supported = (planes == 1 && (bits == 1 || bits == 2 || bits == 4 || bits == 8)) ||
                           (planes == 4 && bits == 1) ||
                           ((planes == 3 || planes == 4) && bits == 8);
    if (!supported) return {};
    // Lines are padded to an even count at most; more is a damaged header.
    const qint64 needed = (width * bits + 7) / 8;
    if (bytesPerLine < needed || bytesPerLine > needed + 16) return {};
    // Run-length data can expand at most 63 times; a file far too short for
    // its declared size is damaged, and refused before allocating.
    const qint64 scanBytes = qint64(bytesPerLine) * planes;
    if (scanBytes * height > qint64(file.size() - kHeaderSize) * 63) return {};

    // The whole picture as one stream of scan lines: runs may cross lines.
    std::vector<uchar> pixels(static_cast<size_t>(scanBytes * height));
    const bool encoded = h[2] == 1;
    qsizetype in = kHeaderSize;
    size_t out = 0;
    while (out < pixels.size()) {
        if (in >= file.size()) return {};
        uchar byte = static_cast<uchar>(file.at(in++));
        size_t count = 1;
        if (encoded && (byte & 0xC0) == 0xC0) {
            count = byte & 0x3F;
            if (in >= file.size()) return {};
            byte = static_cast<uchar>(file.at(in++));
        }
        count = std::min(count, pixels.size() - out);
        std::fill_n(pixels.begin() + static_cast<std::ptrdiff_t>(out), count, byte);
        out += count;
    }

    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull()) return {};
    QRgb palette[256];
    if (bits == 8 && planes == 1) {
        // The 256-colour palette follows a 0x0C byte at the file's end.
        const qsizetype at = file.size() - 769;
        if (at < kHeaderSize || file.at(at) != 0x0C) return {};
        const auto* p = reinterpret_cast<const uchar*>(file.constData()) + at + 1;
        for (int i = 0; i < 256; ++i) palette[i] = qRgb(p[3 * i], p[3 * i + 1], p[3 * i + 2]);
    } else {
        bool empty = true;
        for (int i = 0; i < 16; ++i) {
            palette[i] = qRgb(h[16 + 3 * i], h[17 + 3 * i], h[18 + 3 * i]);
            if (palette[i] != qRgb(0, 0, 0)) empty = false;
        }
        if (empty && bits * planes == 4)
            for (int i = 0; i < 16; ++i) palette[i] = egaColour(i);
        if (bits == 1 && planes == 1) {
            palette[0] = qRgb(0, 0, 0);
            palette[1] = qRgb(255, 255, 255);
        }
    }

    for (int y = 0; y < height; ++y) {
        const uchar* line = pixels.data() + static_cast<size_t>(scanBytes * y);
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (bits == 8 && planes >= 3) {
                row[x] = qRgb(line[x], line[bytesPerLine + x], line[2 * bytesPerLine + x]);
            } else if (planes == 4) {
                int index = 0;
                for (int p = 0; p < 4; ++p)
                    index |= ((line[p * bytesPerLine + x / 8] >> (7 - x % 8)) & 1) << p;
                row[x] = palette[index];
            } else {
                const int perByte = 8 / bits;
                const int shift = (perByte - 1 - x % perByte) * bits;
                const int index = (line[x / perByte] >> shift) & ((1 << bits) - 1);
                row[x] = palette[index];
            }
        }
    }
    return image;
}

}  // namespace pc::design
