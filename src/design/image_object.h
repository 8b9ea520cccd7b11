#pragma once
// A picture on the label: a bitmap or icon drawn stretched over the
// object, or a stored metafile (kept, not drawn).
#include "design/graphic_object.h"
#include "design/stored_picture.h"

namespace pc::design {

class TGImage : public TGGraphicControl {
  public:
    enum class BorderStyle { bsNone, bsSingle };

    TGImage();
    const char* className() const override { return "TGImage"; }

    // Stored after the common ones: AutoSize, BorderStyle, Picture, Stretch.
    // AutoSize and Stretch exclude each other: setting one clears the other.
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);
    BorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(BorderStyle style);
    const StoredPicture& picture() const { return picture_; }
    void setPicture(const StoredPicture& picture);
    bool stretch() const { return stretch_; }
    void setStretch(bool stretch);

    // With AutoSize and a picture: the picture's size at the zoom.
    void boundsChanged() override;
    void paint(QPainter& painter) override;
    void printTo(print::PageCanvas& page, print::Inches top, print::Inches left) override;
    void writeProperties(PropertyWriter& out) const override;
    bool readProperty(const QByteArray& name, const StreamValue& value) override;

    // Menu commands: each changes the design and notifies the host.
    // Loading gives false (and an empty picture) when the file cannot be
    // read; the caller shows "Error loading file!".
    bool commandLoadImage(const QString& path);
    void commandBorder();
    void commandStretch();
    void commandAutoSize();

  private:
    bool autoSize_ = false;
    BorderStyle borderStyle_ = BorderStyle::bsNone;
    StoredPicture picture_;
    bool stretch_ = true;
    bool sizing_ = false;
};

}  // namespace pc::design
