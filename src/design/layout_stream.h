#pragma once
// Objects to and from layout files (".L", ".E", ".R"), the designers'
// clipboard file and clones: each object becomes one component of the
// stream with its stored properties, and is made again from it through the
// class registry of the layout's kind.
#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "design/object_registry.h"
#include "design/stream_value.h"

namespace pc::design {

class TGGraphicControl;

// Makes an object of a class by its stream name, or null when the class
// is not allowed. The registry of a layout kind is the usual one.
using ObjectFactory = std::function<std::unique_ptr<TGGraphicControl>(const QByteArray& className)>;
ObjectFactory registryFactory(LayoutKind kind);

StreamComponent toComponent(const TGGraphicControl& object);
// A new object of the component's class with its properties applied (at
// the class's initial values where the component is silent), its stored
// name kept. Null and `error` set for a class the kind does not register.
std::unique_ptr<TGGraphicControl> fromComponent(const StreamComponent& component, LayoutKind kind,
                                                QString* error = nullptr);
std::unique_ptr<TGGraphicControl> fromComponent(const StreamComponent& component,
                                                const ObjectFactory& factory,
                                                QString* error = nullptr);

// The stream of a list of objects: list begin, the objects, list end.
QByteArray writeObjects(const std::vector<const TGGraphicControl*>& objects);

struct ReadObjects {
    std::vector<std::unique_ptr<TGGraphicControl>> objects;
    QString error;  // empty when the whole stream was read
    bool ok() const { return error.isEmpty(); }
};
// All or nothing: a malformed, truncated or hostile stream, or a class the
// kind does not register, gives an error and no objects.
ReadObjects readObjects(const QByteArray& bytes, LayoutKind kind);
ReadObjects readObjects(const QByteArray& bytes, const ObjectFactory& factory);

// Files: written beside and renamed in, so a kill or a full disk leaves
// the old file or the new one. The kind of a file comes from its extension.
bool writeLayoutFile(const QString& path, const std::vector<const TGGraphicControl*>& objects,
                     QString* error = nullptr);
ReadObjects readLayoutFile(const QString& path);

}  // namespace pc::design
