#pragma once
// The text forms of an address record: the calculated name and address
// fields and the text "Copy To Clipboard" puts on the clipboard. Field
// values come through a function so this layer needs no table.
#include <QString>
#include <functional>

namespace pc::text {

// right-trim(FNAME + " " + MIDDLE) + " " + LNAME, cut to 35.
QString fullName(const QString& fname, const QString& middle, const QString& lname);
// trim(PREFIX + " " + FNAME + " " + MIDDLE) + " " + LNAME, cut to 35.
QString fullNameWithPrefix(const QString& prefix, const QString& fname, const QString& middle,
                           const QString& lname);
// left-trim(CITY + " ") + left-trim(STATE + " ") + ZIP, cut to 35.
QString cityStateZip(const QString& city, const QString& state, const QString& zip);

// A field's value by its name ("LNAME", "STREET", ...).
using FieldText = std::function<QString(const QString& fieldName)>;

// The groups of the "Copy Record To Clipboard" dialog.
struct ClipboardGroups {
    bool name = true;     // name, title, organisation
    bool address = true;  // streets, city line, country
    bool phones = true;
    bool codes = true;
    bool comments = true;  // USER1, USER2
};

// One line per non-blank item, each ending "\r\n"; at most 1000 characters.
QString recordClipboardText(const FieldText& field, const ClipboardGroups& groups);

}  // namespace pc::text
