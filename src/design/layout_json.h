#pragma once
// Layouts as JSON lines, for looking at and making layout files by hand:
// one object per line, {"class": ..., "name": ..., "properties": {...}},
// properties by their stored names in stored order. Integers and floats
// are numbers, strings and identifiers strings, booleans booleans, sets
// and lists arrays, binaries {"base64": ...}, nil null.
#include <QByteArray>
#include <QString>
#include <vector>

#include "design/layout_stream.h"
#include "design/stream_value.h"

namespace pc::design {

// One line, without the line break.
QByteArray componentToJson(const StreamComponent& component);
// One value as the lines show it.
QByteArray valueToJson(const StreamValue& value);
// Every component, each line ended by "\n".
QByteArray componentsToJsonLines(const std::vector<StreamComponent>& components);

struct JsonComponents {
    std::vector<StreamComponent> components;
    QString error;  // what is wrong and where (line and column); empty when all was read
    bool ok() const { return error.isEmpty(); }
};

// JSON cannot tell a string from an identifier, a set from a list of
// strings, nor a whole float from an integer. Such a property appears in
// the component once in each form it may take, the narrower first
// (identifier, set, integer), so that an object reading the component
// keeps the form its property reads and ignores the other. Only strings
// that look like identifiers (a letter or "_", then letters, digits and
// "_") are offered as identifiers or set members. Items of lists are
// taken as they look (strings as strings). Malformed JSON, a missing or
// non-string class or name, and names too long for the stream are errors.
JsonComponents componentsFromJsonLines(const QByteArray& text);

// The objects the lines describe, each made through `factory` (usually the
// registry of the layout's kind) at its class's initial values with the
// given properties applied; saved again, they follow the save rules. All
// or nothing, like reading a layout file.
ReadObjects objectsFromJsonLines(const QByteArray& text, const ObjectFactory& factory);

}  // namespace pc::design
