#include "design/layout_stream.h"

#include <QFile>
#include <QSaveFile>

#include "design/component_stream.h"
#include "design/graphic_object.h"
#include "design/property_writer.h"

namespace pc::design {
namespace {

// Far beyond any layout (pictures included); a larger file is not read
// into memory at all.
constexpr qint64 kMaxLayoutFileBytes = qint64(256) << 20;

// A stored reference to an event handler: the designs' files may hold
// them, but a layout has no code to bind them to.
bool isEventReference(const StreamProperty& p) {
    return p.name.startsWith("On") && p.value.kind == StreamValue::Kind::Identifier;
}

}  // namespace

ObjectFactory registryFactory(LayoutKind kind) {
    return [kind](const QByteArray& className) { return createObject(kind, className); };
}

StreamComponent toComponent(const TGGraphicControl& object) {
    StreamComponent c;
    c.className = object.className();
    c.name = toStreamText(object.name());
    PropertyWriter writer;
    object.writeProperties(writer);
    c.properties = writer.take();
    return c;
}

std::unique_ptr<TGGraphicControl> fromComponent(const StreamComponent& component, LayoutKind kind,
                                                QString* error) {
    return fromComponent(component, registryFactory(kind), error);
}

std::unique_ptr<TGGraphicControl> fromComponent(const StreamComponent& component,
                                                const ObjectFactory& factory, QString* error) {
    std::unique_ptr<TGGraphicControl> object = factory ? factory(component.className) : nullptr;
    if (!object) {
        if (error)
            *error = QStringLiteral(
                         "The layout holds an object of the class \"%1\", "
                         "which this layout cannot hold")
                         .arg(QString::fromLatin1(component.className));
        return nullptr;
    }
    object->setName(fromStreamText(component.name));
    object->setLoading(true);
    for (const StreamProperty& p : component.properties) {
        if (isEventReference(p)) continue;
        object->readProperty(p.name, p.value);  // unknown names are ignored
    }
    object->setLoading(false);
    return object;
}

QByteArray writeObjects(const std::vector<const TGGraphicControl*>& objects) {
    std::vector<StreamComponent> components;
    components.reserve(objects.size());
    for (const TGGraphicControl* o : objects)
        if (o) components.push_back(toComponent(*o));
    return writeComponents(components);
}

ReadObjects readObjects(const QByteArray& bytes, LayoutKind kind) {
    return readObjects(bytes, registryFactory(kind));
}

ReadObjects readObjects(const QByteArray& bytes, const ObjectFactory& factory) {
    ReadObjects result;
    ComponentList list = readComponents(bytes);
    if (!list.ok()) {
        result.error = list.error;
        return result;
    }
    for (const StreamComponent& c : list.components) {
        QString error;
        auto object = fromComponent(c, factory, &error);
        if (!object) {
            result.objects.clear();
            result.error = error;
            return result;
        }
        result.objects.push_back(std::move(object));
    }
    return result;
}

bool writeLayoutFile(const QString& path, const std::vector<const TGGraphicControl*>& objects,
                     QString* error) {
    const QByteArray bytes = writeObjects(objects);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error =
                QStringLiteral("Cannot write the layout file %1: %2").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

ReadObjects readLayoutFile(const QString& path) {
    ReadObjects result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error =
            QStringLiteral("Cannot open the layout file %1: %2").arg(path, file.errorString());
        return result;
    }
    if (file.size() > kMaxLayoutFileBytes) {
        result.error =
            QStringLiteral("The layout file %1 is too large (%2 bytes)").arg(path).arg(file.size());
        return result;
    }
    const QByteArray bytes = file.read(kMaxLayoutFileBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxLayoutFileBytes) {
        result.error =
            QStringLiteral("Cannot read the layout file %1: %2").arg(path, file.errorString());
        return result;
    }
    result = readObjects(bytes, layoutKindOf(path));
    if (!result.ok()) result.error = QStringLiteral("%1: %2").arg(path, result.error);
    return result;
}

}  // namespace pc::design
