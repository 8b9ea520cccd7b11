#include "design/ui/load_image_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "design/image_file.h"
#include "design/image_object.h"
#include "design/ui/dialog_buttons.h"
#include "text/message_service.h"

namespace pc::design::ui {
namespace {

constexpr int kPreviewSide = 160;

QString nameFilter() {
    QStringList patterns;
    for (const QString& pattern : imageFilePatterns()) patterns << pattern << pattern.toLower();
    return QObject::tr("Pictures (%1)").arg(patterns.join(QLatin1Char(' ')));
}

}  // namespace

LoadImageDialog::LoadImageDialog(bool stretch, bool autoSize, QWidget* parent)
    : QDialog(parent),
      picker_(new QFileDialog(this)),
      preview_(new QLabel(this)),
      stretch_(new QCheckBox(tr("Stretch to Fit"), this)),
      autoSize_(new QCheckBox(tr("AutoSize"), this)) {
    setWindowTitle(tr("Load Image File "));
    // The picker lives inside this dialog, which has the buttons.
    picker_->setOption(QFileDialog::DontUseNativeDialog);
    picker_->setWindowFlags(Qt::Widget);
    picker_->setFileMode(QFileDialog::ExistingFile);
    picker_->setNameFilter(nameFilter());
    for (auto* box : picker_->findChildren<QDialogButtonBox*>()) box->hide();
    connect(picker_, &QFileDialog::currentChanged, this, &LoadImageDialog::showPreview);
    connect(picker_, &QFileDialog::fileSelected, this, &QDialog::accept);
    connect(picker_, &QFileDialog::rejected, this, &QDialog::reject);

    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setFixedSize(kPreviewSide, kPreviewSide);
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setFrameShape(QFrame::StyledPanel);

    stretch_->setChecked(stretch);
    autoSize_->setChecked(autoSize);
    // The object cannot both stretch and size itself to the picture.
    connect(stretch_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) autoSize_->setChecked(false);
    });
    connect(autoSize_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) stretch_->setChecked(false);
    });

    auto* side = new QVBoxLayout;
    side->addWidget(preview_);
    side->addWidget(stretch_);
    side->addWidget(autoSize_);
    side->addStretch();
    auto* body = new QHBoxLayout;
    body->addWidget(picker_, 1);
    body->addLayout(side);

    const DialogButtons buttons = makeDialogButtons(this);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons.row);
}

QString LoadImageDialog::selectedFile() const {
    const QStringList files = picker_->selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

bool LoadImageDialog::stretch() const {
    return stretch_->isChecked();
}

bool LoadImageDialog::autoSize() const {
    return autoSize_->isChecked();
}

void LoadImageDialog::showPreview(const QString& path) {
    StoredPicture picture;
    if (!QFileInfo(path).isFile() || !loadImageFile(path, picture) || picture.image().isNull()) {
        preview_->clear();
        return;
    }
    preview_->setPixmap(QPixmap::fromImage(picture.image().scaled(
        kPreviewSide, kPreviewSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

bool loadImageFromDisk(TGImage& image, QWidget* parent) {
    LoadImageDialog dialog(image.stretch(), image.autoSize(), parent);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFile().isEmpty()) return false;
    if (!image.commandLoadImage(dialog.selectedFile())) {
        text::messages().inform(QObject::tr("Error loading file!"));
        return false;
    }
    image.setStretch(dialog.stretch());
    image.setAutoSize(dialog.autoSize());
    return true;
}

}  // namespace pc::design::ui
