#include "design/stored_picture.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>

namespace pc::design {
namespace {

constexpr char kBitmap[] = "TBitmap";
constexpr char kIcon[] = "TIcon";
constexpr char kMetafile[] = "TMetafile";

QImage decodeChecked(const QByteArray& fileImage, const char* format) {
    QBuffer buffer;
    buffer.setData(fileImage);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (!size.isValid() || !pictureSizeAllowed(size.width(), size.height())) return {};
    QImage image;
    if (!reader.read(&image)) return {};
    if (!pictureSizeAllowed(image.width(), image.height())) return {};
    return image;
}

}  // namespace

bool pictureSizeAllowed(qint64 width, qint64 height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

QImage decodeBmp(const QByteArray& fileImage) {
    // File header (14 bytes), then the info header's size, width and height.
    if (fileImage.size() < 26 || !fileImage.startsWith("BM")) return {};
    const auto* bytes = reinterpret_cast<const uchar*>(fileImage.constData());
    const quint32 offBits = qFromLittleEndian<quint32>(bytes + 10);
    const quint32 infoSize = qFromLittleEndian<quint32>(bytes + 14);
    qint64 width = 0, height = 0;
    int bitCount = 0;
    quint32 compression = 0;
    if (infoSize == 12) {
        width = qFromLittleEndian<quint16>(bytes + 18);
        height = qFromLittleEndian<quint16>(bytes + 20);
        bitCount = qFromLittleEndian<quint16>(bytes + 24);
    } else if (infoSize >= 40 && fileImage.size() >= 34) {
        width = qFromLittleEndian<qint32>(bytes + 18);
        height = qFromLittleEndian<qint32>(bytes + 22);
        if (height < 0) height = -height;  // top-down rows
        bitCount = qFromLittleEndian<quint16>(bytes + 28);
        compression = qFromLittleEndian<quint32>(bytes + 30);
    } else {
        return {};
    }
    if (!pictureSizeAllowed(width, height)) return {};
    // Qt fills missing rows silently; a truncated file is damaged.
    const bool rowsUncompressed = compression == 0 || compression == 3 || compression == 6;
    const qint64 rowBytes = (width * bitCount + 31) / 32 * 4;
    if (offBits >= static_cast<quint32>(fileImage.size())) return {};
    if (rowsUncompressed && qint64(offBits) + rowBytes * height > fileImage.size()) return {};
    return decodeChecked(fileImage, "BMP");
}

QImage decodeIcon(const QByteArray& fileImage) {
    // Reserved 0, type 1 (icon), at least one entry.
    if (fileImage.size() < 6) return {};
    const auto* bytes = reinterpret_cast<const uchar*>(fileImage.constData());
    if (qFromLittleEndian<quint16>(bytes) != 0 || qFromLittleEndian<quint16>(bytes + 2) != 1 ||
        qFromLittleEndian<quint16>(bytes + 4) == 0)
        return {};
    return decodeChecked(fileImage, "ICO");
}

QByteArray encodeBmp(const QImage& image) {
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
    }
    flat = flat.convertToFormat(QImage::Format_RGB888);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    flat.save(&buffer, "BMP");
    return bytes;
}

StoredPicture StoredPicture::fromImage(const QImage& image) {
    StoredPicture picture;
    if (image.isNull()) return picture;
    picture.fileImage_ = encodeBmp(image);
    picture.image_ = decodeBmp(picture.fileImage_);
    if (picture.image_.isNull()) return StoredPicture();
    picture.kind_ = Kind::Bitmap;
    return picture;
}

StoredPicture StoredPicture::fromMetafile(const QByteArray& fileImage) {
    StoredPicture picture;
    if (fileImage.isEmpty() || fileImage.size() > kMaxPictureBytes) return picture;
    picture.kind_ = Kind::Metafile;
    picture.fileImage_ = fileImage;
    return picture;
}

std::optional<StoredPicture> StoredPicture::fromStreamData(const QByteArray& data) {
    if (data.isEmpty() || data.size() > kMaxPictureBytes) return std::nullopt;
    const int nameLength = static_cast<uchar>(data.at(0));
    if (data.size() < 1 + nameLength) return std::nullopt;
    const QByteArray className = data.mid(1, nameLength);
    QByteArray rest = data.mid(1 + nameLength);
    StoredPicture picture;
    if (className == kBitmap) {
        if (rest.size() < 4) return std::nullopt;
        const quint32 length = qFromLittleEndian<quint32>(rest.constData());
        if (length > static_cast<quint32>(rest.size() - 4)) return std::nullopt;
        picture.kind_ = Kind::Bitmap;
        picture.fileImage_ = rest.mid(4, length);
        picture.image_ = decodeBmp(picture.fileImage_);
    } else if (className == kIcon) {
        picture.kind_ = Kind::Icon;
        picture.fileImage_ = rest;
        picture.image_ = decodeIcon(rest);
    } else if (className == kMetafile) {
        picture.kind_ = Kind::Metafile;
        picture.fileImage_ = rest;
    } else {
        return std::nullopt;
    }
    // An empty graphic stores nothing.
    if (picture.fileImage_.isEmpty()) return StoredPicture();
    return picture;
}

QByteArray StoredPicture::streamData() const {
    const char* name = kind_ == Kind::Bitmap     ? kBitmap
                       : kind_ == Kind::Icon     ? kIcon
                       : kind_ == Kind::Metafile ? kMetafile
                                                 : nullptr;
    if (!name) return {};
    QByteArray data;
    data.append(static_cast<char>(qstrlen(name)));
    data.append(name);
    if (kind_ == Kind::Bitmap) {
        char length[4];
        qToLittleEndian<quint32>(static_cast<quint32>(fileImage_.size()), length);
        data.append(length, 4);
    }
    data.append(fileImage_);
    return data;
}

}  // namespace pc::design
