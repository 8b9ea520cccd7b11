#pragma once
// The object classes a layout file may create, chosen by the file's kind:
// ".L" label classes, ".E" envelope classes (adds FIM), ".R" report
// classes. Reading a layout creates nothing else.
#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>

namespace pc::design {

class TGGraphicControl;

enum class LayoutKind { Label, Envelope, Report };

// By the file's extension (any letter case); labels for anything else.
LayoutKind layoutKindOf(const QString& path);

// A new object of a registered class at its initial values; null for a
// class the kind does not register.
std::unique_ptr<TGGraphicControl> createObject(LayoutKind kind, const QByteArray& className);
QList<QByteArray> registeredClasses(LayoutKind kind);

}  // namespace pc::design
