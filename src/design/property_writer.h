#pragma once
// Stored properties to and from stream values, with the saving rules in
// one place: a property with a declared default is written only when it
// differs from it; ordinals without a default are always written; texts
// only when not empty; lists only when they hold lines; binaries only when
// they hold data. Texts are Windows-1252 bytes in the stream.
#include <QStringList>
#include <initializer_list>
#include <optional>

#include "design/pen_brush.h"
#include "design/stored_font.h"
#include "design/stream_value.h"

namespace pc::design {

class PropertyWriter {
  public:
    void integer(const char* name, qint64 value);
    void integer(const char* name, qint64 value, qint64 byDefault);
    void boolean(const char* name, bool value);
    void boolean(const char* name, bool value, bool byDefault);
    void enumeration(const char* name, const char* identifier);
    void enumeration(const char* name, const char* identifier, const char* byDefault);
    void color(const char* name, quint32 value);
    void color(const char* name, quint32 value, quint32 byDefault);
    void text(const char* name, const QString& value);
    void set(const char* name, const QList<QByteArray>& members);  // always written
    void strings(const char* name, const QStringList& lines);
    void binary(const char* name, const QByteArray& data);
    // Sub-objects under their prefix ("Font.Color", "Pen.Width", ...).
    void font(const char* prefix, const FontSpec& font);
    void pen(const char* prefix, const PenSpec& pen);
    void brush(const char* prefix, const BrushSpec& brush);

    std::vector<StreamProperty> take() { return std::move(properties_); }

  private:
    void add(QByteArray name, StreamValue value);
    std::vector<StreamProperty> properties_;
};

// Reading: each gives nothing when the value has the wrong kind, so a
// hostile file cannot set a property to nonsense.
namespace read {

// Integers; colour names too (a reader takes either form).
std::optional<qint64> integer(const StreamValue& v);
std::optional<bool> boolean(const StreamValue& v);
std::optional<QString> text(const StreamValue& v);
std::optional<QStringList> strings(const StreamValue& v);
std::optional<QByteArray> binary(const StreamValue& v);
std::optional<QList<QByteArray>> set(const StreamValue& v);
// The ordinal of an identifier among `names` (exact spelling, any case).
std::optional<int> enumeration(const StreamValue& v, std::initializer_list<const char*> names);
template <typename E>
bool enumeration(const StreamValue& v, std::initializer_list<const char*> names, E& out) {
    const auto i = enumeration(v, names);
    if (i) out = static_cast<E>(*i);
    return i.has_value();
}
// A "Font.*", "Pen.*" or "Brush.*" property under `prefix`; false when the
// name is not one of the sub-object's (the value may still be ignored).
bool fontProperty(const char* prefix, const QByteArray& name, const StreamValue& v, FontSpec& font);
bool penProperty(const char* prefix, const QByteArray& name, const StreamValue& v, PenSpec& pen);
bool brushProperty(const char* prefix, const QByteArray& name, const StreamValue& v,
                   BrushSpec& brush);

}  // namespace read

// Windows-1252 bytes of a text (characters it lacks become "?") and back.
QByteArray toStreamText(const QString& text);
QString fromStreamText(const QByteArray& bytes);

}  // namespace pc::design
