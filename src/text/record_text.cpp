#include "text/record_text.h"

#include <QStringList>

#include "text/text_utils.h"

namespace pc::text {
namespace {

constexpr qsizetype kCalculatedWidth = 35;
constexpr qsizetype kClipboardLimit = 1000;

}  // namespace

QString fullName(const QString& fname, const QString& middle, const QString& lname) {
    return (rightTrim(fname + u' ' + middle) + u' ' + lname).left(kCalculatedWidth);
}

QString fullNameWithPrefix(const QString& prefix, const QString& fname, const QString& middle,
                           const QString& lname) {
    return (trim(prefix + u' ' + fname + u' ' + middle) + u' ' + lname).left(kCalculatedWidth);
}

QString cityStateZip(const QString& city, const QString& state, const QString& zip) {
    return (leftTrim(city + u' ') + leftTrim(state + u' ') + zip).left(kCalculatedWidth);
}

QString recordClipboardText(const FieldText& field, const ClipboardGroups& groups) {
    auto f = [&](const char* name) { return rightTrim(field(QString::fromLatin1(name))); };
    QString text;
    // A line of blanks only (a record without city, state and zip) is left
    // out like an empty one.
    auto add = [&](const QString& line) {
        if (!trim(line).isEmpty()) text += line + QStringLiteral("\r\n");
    };
    auto labelled = [&](const QString& label, const QString& value) {
        if (!value.isEmpty()) add(label + value);
    };

    if (groups.name) {
        const QString middle = trim(f("MIDDLE")).isEmpty() ? QString() : f("MIDDLE") + u'.';
        add(leftTrim(f("PREFIX") + u' ') + leftTrim(f("FNAME") + u' ') + leftTrim(middle + u' ') +
            leftTrim(f("LNAME") + u' '));
        add(f("TITLE"));
        add(f("ORG"));
    }
    if (groups.address) {
        add(f("STREET"));
        add(f("STREET2"));
        add(leftTrim(f("CITY") + u' ') + u' ' + leftTrim(f("STATE") + u' ') + leftTrim(f("ZIP")));
        add(leftTrim(f("COUNTRY") + u' '));
    }
    if (groups.phones) {
        labelled(QStringLiteral("Phone  :"), f("PHONE"));
        labelled(QStringLiteral("Phone 2:"), f("PHONE2"));
    }
    if (groups.codes) labelled(QStringLiteral("Codes :"), f("CODES"));
    if (groups.comments) {
        labelled(QStringLiteral("Comment 1 :"), f("USER1"));
        labelled(QStringLiteral("Comment 2 :"), f("USER2"));
    }
    return text.left(kClipboardLimit);
}

}  // namespace pc::text
