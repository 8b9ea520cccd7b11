#pragma once
// "Load Image File ": a file picker with a preview of the chosen picture and
// the object's stretch and auto-size choices.
#include <QDialog>

class QCheckBox;
class QFileDialog;
class QLabel;

namespace pc::design {
class TGImage;
}

namespace pc::design::ui {

class LoadImageDialog : public QDialog {
    Q_OBJECT
  public:
    LoadImageDialog(bool stretch, bool autoSize, QWidget* parent = nullptr);

    QString selectedFile() const;
    bool stretch() const;
    bool autoSize() const;

    QFileDialog* picker() const { return picker_; }
    QLabel* preview() const { return preview_; }
    QCheckBox* stretchBox() const { return stretch_; }
    QCheckBox* autoSizeBox() const { return autoSize_; }
    void showPreview(const QString& path);

  private:
    QFileDialog* picker_;
    QLabel* preview_;
    QCheckBox* stretch_;
    QCheckBox* autoSize_;
};

// Opens the dialog for the object; on OK the file is loaded ("Error loading
// file!" and an empty picture when it cannot be) and the choices taken.
// True when a picture was loaded.
bool loadImageFromDisk(TGImage& image, QWidget* parent = nullptr);

}  // namespace pc::design::ui
