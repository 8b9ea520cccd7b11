// The surface's objects to and from the layout stream: layout files, the
// private clipboard file and clones.
#include <QFile>
#include <QFileInfo>

#include "design/base_panel.h"
#include "design/graphic_object.h"
#include "design/layout_stream.h"
#include "text/program_paths.h"

namespace pc::design {
namespace {

constexpr int kComponentFirst = 0;
constexpr int kComponentLast = 1000;

std::vector<const TGGraphicControl*> constObjects(const std::vector<TGGraphicControl*>& objects) {
    return {objects.begin(), objects.end()};
}

ReadObjects readFile(const QString& path, const ObjectFactory& factory) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ReadObjects failed;
        failed.error = file.errorString();
        return failed;
    }
    return readObjects(file.readAll(), factory);
}

void setError(QString* error, const QString& text) {
    if (error) *error = text;
}

}  // namespace

TGBasePanel::~TGBasePanel() {
    QFile::remove(clipboardPath());
    QFile::remove(scratchPath());
}

QString TGBasePanel::clipboardPath() const {
    return text::homeDir() + QStringLiteral("Clipbrd.tmp");
}

QString TGBasePanel::scratchPath() const {
    return text::homeDir() + QStringLiteral("TempFile.tmp");
}

bool TGBasePanel::clipboardHasData() const {
    return QFileInfo::exists(clipboardPath());
}

bool TGBasePanel::copy(QString* error) {
    if (handle_.empty()) return false;
    return writeLayoutFile(clipboardPath(), constObjects(handle_.selection()), error);
}

bool TGBasePanel::cut(QString* error) {
    if (!copy(error)) return false;
    deleteSelection();
    return true;
}

bool TGBasePanel::paste(qint64 timeMs, QString* error) {
    if (pasted_ && timeMs - lastPaste_ < kPasteRepeatMs) return false;
    if (!clipboardHasData()) return false;
    ReadObjects read = readFile(clipboardPath(), factory_);
    if (!read.ok()) {
        setError(error, read.error);
        return false;
    }
    pasted_ = true;
    lastPaste_ = timeMs;
    clearSelection();
    for (auto& object : read.objects) {
        object->setBounds(object->bounds().translated(kPasteOffset, kPasteOffset));
        object->setName(freeName(QStringLiteral("Component"), kComponentFirst, kComponentLast));
        selectObject(&addObject(std::move(object)));
    }
    notifyChanged();
    return true;
}

TGGraphicControl* TGBasePanel::clone(TGGraphicControl& object, QString* error) {
    ReadObjects read = readObjects(writeObjects({&object}), factory_);
    if (!read.ok() || read.objects.size() != 1) {
        setError(error, read.error);
        return nullptr;
    }
    auto copy = std::move(read.objects.front());
    copy->setBounds(copy->bounds().translated(0, kCloneOffset));
    copy->setName(freeName(QStringLiteral("Component"), kComponentFirst, kComponentLast));
    TGGraphicControl& added = addObject(std::move(copy));
    clearSelection();
    selectObject(&added);
    notifyChanged();
    return &added;
}

bool TGBasePanel::saveLayout(const QString& path, QString* error) {
    clearSelection();
    if (zoom_ != 1.0f) setZoom(1.0f);
    std::vector<const TGGraphicControl*> all;
    for (const auto& object : objects_) {
        object->clearData();
        all.push_back(object.get());
    }
    const bool written = writeLayoutFile(path, all, error);
    refreshAllData();
    return written;
}

bool TGBasePanel::loadLayout(const QString& path, QString* error) {
    if (!QFileInfo::exists(path)) return true;
    ReadObjects read = readFile(path, factory_);
    if (!read.ok()) {
        setError(error, read.error);
        return false;
    }
    for (auto& object : read.objects) {
        object->setName(freeName(QStringLiteral("Component"), kComponentFirst, kComponentLast));
        object->setHost(this);
        // The file holds zoom-1 pixels; the objects scale to the surface.
        object->setZoom(zoom_);
        objects_.push_back(std::move(object));
    }
    refreshAllData();
    requestRepaint();
    return true;
}

}  // namespace pc::design
