#pragma once
// The picture an image object holds, in the form a layout stores it
// (Picture.Data): the graphic's class name as a short string, then for a
// bitmap a 32-bit length and the complete .BMP file image, for an icon or
// a metafile their file image. Bitmaps and icons are decoded for drawing;
// a metafile is kept as bytes but not drawn (Qt has no reader for WMF).
#include <QByteArray>
#include <QImage>
#include <optional>

namespace pc::design {

// Pictures larger than this (per side, and in pixels) are refused, so a
// hostile file cannot make the program allocate without bound.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr qint64 kMaxPicturePixels = 32LL * 1024 * 1024;
inline constexpr qint64 kMaxPictureBytes = 256LL * 1024 * 1024;

bool pictureSizeAllowed(qint64 width, qint64 height);

class StoredPicture {
  public:
    enum class Kind { Empty, Bitmap, Icon, Metafile };

    StoredPicture() = default;
    // A decoded image, stored as a 24-bit bitmap (transparency on white).
    static StoredPicture fromImage(const QImage& image);
    // A metafile's file image, kept as it is.
    static StoredPicture fromMetafile(const QByteArray& fileImage);
    // Picture.Data as stored; nothing when it is malformed or too large.
    static std::optional<StoredPicture> fromStreamData(const QByteArray& data);

    Kind kind() const { return kind_; }
    bool isEmpty() const { return kind_ == Kind::Empty; }
    // The decoded picture of a bitmap or icon (null for the others, and
    // for a stored bitmap the decoder could not read).
    const QImage& image() const { return image_; }
    // Pixels of the picture; empty when unknown.
    QSize size() const { return image_.size(); }
    // Picture.Data; empty for an empty picture.
    QByteArray streamData() const;

  private:
    Kind kind_ = Kind::Empty;
    QByteArray fileImage_;
    QImage image_;
};

// Decodes a .BMP file image (also RLE-compressed) after checking its
// header's dimensions; a null image when it is damaged or too large.
QImage decodeBmp(const QByteArray& fileImage);
// Decodes an .ICO file image; a null image when damaged or too large.
QImage decodeIcon(const QByteArray& fileImage);
// The .BMP file image of a picture, 24 bits per pixel.
QByteArray encodeBmp(const QImage& image);

}  // namespace pc::design
