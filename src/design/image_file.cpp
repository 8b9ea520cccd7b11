#include "design/image_file.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStringList>
#include <QtEndian>

#include "design/pcx_reader.h"
#include "design/tga_reader.h"

namespace pc::design {
namespace {

// A placeable metafile, or a plain one (memory or disk type, 9-word header).
bool looksLikeMetafile(const QByteArray& bytes) {
    if (bytes.size() < 18) return false;
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    if (qFromLittleEndian<quint32>(p) == 0x9AC6CDD7u) return true;
    const quint16 type = qFromLittleEndian<quint16>(p);
    return (type == 1 || type == 2) && qFromLittleEndian<quint16>(p + 2) == 9;
}

QImage decodeWithQt(const QByteArray& bytes) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    // Readers that cannot tell the size before decoding are bounded by Qt's
    // own allocation limit.
    if (size.isValid() && !pictureSizeAllowed(size.width(), size.height())) return {};
    QImage image;
    if (!reader.read(&image)) return {};
    if (!pictureSizeAllowed(image.width(), image.height())) return {};
    return image;
}

}  // namespace

QStringList imageFilePatterns() {
    return {QStringLiteral("*.BMP"),  QStringLiteral("*.DIB"),  QStringLiteral("*.JPG"),
            QStringLiteral("*.JIF"),  QStringLiteral("*.PCX"),  QStringLiteral("*.RLE"),
            QStringLiteral("*.TGA"),  QStringLiteral("*.WMF"),  QStringLiteral("*.ICO"),
            QStringLiteral("*.JPEG"), QStringLiteral("*.PNG"),  QStringLiteral("*.GIF"),
            QStringLiteral("*.TIF"),  QStringLiteral("*.TIFF"), QStringLiteral("*.WEBP"),
            QStringLiteral("*.XPM")};
}

bool loadImageFile(const QString& path, StoredPicture& picture) {
    picture = StoredPicture();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxPictureBytes) return false;
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty()) return false;
    const QString suffix = QFileInfo(path).suffix().toUpper();

    if (suffix == QLatin1String("WMF")) {
        if (!looksLikeMetafile(bytes)) return false;
        picture = StoredPicture::fromMetafile(bytes);
        return !picture.isEmpty();
    }
    QImage image;
    if (suffix == QLatin1String("PCX"))
        image = readPcx(bytes);
    else if (suffix == QLatin1String("TGA"))
        image = readTga(bytes);
    else if (bytes.startsWith("BM"))
        image = decodeBmp(bytes);  // .BMP, .DIB, .RLE
    else
        image = decodeWithQt(bytes);
    if (image.isNull()) return false;
    picture = StoredPicture::fromImage(image);
    return !picture.isEmpty();
}

}  // namespace pc::design
