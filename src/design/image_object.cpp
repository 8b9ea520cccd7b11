#include "design/image_object.h"

#include <QPainter>

#include "design/image_file.h"
#include "design/property_writer.h"
#include "print/page_canvas.h"

namespace pc::design {

TGImage::TGImage() {
    setBounds(0, 0, 105, 105);
}

void TGImage::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    if (autoSize) stretch_ = false;
    boundsChanged();
    repaint();
}

void TGImage::setBorderStyle(BorderStyle style) {
    borderStyle_ = style;
    repaint();
}

void TGImage::setPicture(const StoredPicture& picture) {
    picture_ = picture;
    boundsChanged();
    repaint();
}

void TGImage::setStretch(bool stretch) {
    stretch_ = stretch;
    if (stretch) autoSize_ = false;
    repaint();
}

void TGImage::boundsChanged() {
    if (sizing_ || loading() || !autoSize_ || picture_.size().isEmpty()) return;
    const QSize size(roundHalfEven(picture_.size().width() * static_cast<double>(zoom())),
                     roundHalfEven(picture_.size().height() * static_cast<double>(zoom())));
    if (size == bounds().size()) return;
    sizing_ = true;
    setBounds(QRect(bounds().topLeft(), size));
    sizing_ = false;
}

void TGImage::paint(QPainter& painter) {
    const QRect client(0, 0, width(), height());
    painter.save();
    if (!picture_.image().isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(client, picture_.image());
    } else {
        // No picture, or one that cannot be drawn here (a metafile).
        painter.setPen(Qt::black);
        painter.setBrush(Qt::white);
        painter.drawRect(client.adjusted(0, 0, -1, -1));
    }
    if (borderStyle_ == BorderStyle::bsSingle) {
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(client.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

void TGImage::printTo(print::PageCanvas& page, print::Inches top, print::Inches left) {
    const print::InchRect r = inchRect(top, left);
    // A metafile has no reader here, so it prints nothing, like other kinds.
    if (!picture_.image().isNull()) page.drawImage(picture_.image(), r);
    if (borderStyle_ == BorderStyle::bsSingle) {
        page.setDevicePixelPen(Qt::black);
        page.clearBrush();
        page.rectangle(r);
    }
}

void TGImage::writeProperties(PropertyWriter& out) const {
    TGGraphicControl::writeProperties(out);
    out.boolean("AutoSize", autoSize_, false);
    out.enumeration("BorderStyle", borderStyle_ == BorderStyle::bsSingle ? "bsSingle" : "bsNone");
    out.binary("Picture.Data", picture_.streamData());
    out.boolean("Stretch", stretch_, true);
}

bool TGImage::readProperty(const QByteArray& name, const StreamValue& value) {
    if (name == "AutoSize") {
        if (const auto b = read::boolean(value)) autoSize_ = *b;
    } else if (name == "BorderStyle") {
        read::enumeration(value, {"bsNone", "bsSingle"}, borderStyle_);
    } else if (name == "Picture.Data") {
        const auto data = read::binary(value);
        const auto picture = data ? StoredPicture::fromStreamData(*data) : std::nullopt;
        picture_ = picture.value_or(StoredPicture());
    } else if (name == "Stretch") {
        if (const auto b = read::boolean(value)) stretch_ = *b;
    } else {
        return TGGraphicControl::readProperty(name, value);
    }
    return true;
}

bool TGImage::commandLoadImage(const QString& path) {
    StoredPicture picture;
    const bool loaded = loadImageFile(path, picture);
    setPicture(picture);
    notifyChanged();
    return loaded;
}

void TGImage::commandBorder() {
    setBorderStyle(borderStyle_ == BorderStyle::bsSingle ? BorderStyle::bsNone
                                                         : BorderStyle::bsSingle);
    notifyChanged();
}

void TGImage::commandStretch() {
    setStretch(!stretch_);
    notifyChanged();
}

void TGImage::commandAutoSize() {
    setAutoSize(!autoSize_);
    notifyChanged();
}

}  // namespace pc::design
