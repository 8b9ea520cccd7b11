#pragma once
// Reading vCard 2.1, 3.0 and 4.0 files (the address book exports of phones
// and contact programs): folded lines, quoted-printable, UTF-8 or
// Windows-1252 text, and the properties an address record can hold.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace pc::import {

struct VCardTyped {
    QString value;
    QStringList types;  // lower case: "work", "fax", "pref", ...
    bool preferred() const { return types.contains(QStringLiteral("pref")); }
};

struct VCardAddress {
    QString poBox, extended, street, locality, region, postalCode, country;
    QStringList types;
    bool preferred() const { return types.contains(QStringLiteral("pref")); }
};

struct VCardContact {
    QString formattedName;                              // FN
    QString family, given, additional, prefix, suffix;  // N
    QString organization;                               // ORG, first part
    QString title;                                      // TITLE
    std::vector<VCardAddress> addresses;                // ADR
    std::vector<VCardTyped> phones;                     // TEL
    std::vector<VCardTyped> emails;                     // EMAIL
    QString note;                                       // NOTE
};

// Every BEGIN:VCARD ... END:VCARD block of the bytes, in order. Anything
// that is not a vCard property is passed over; nothing here throws.
std::vector<VCardContact> readVCards(const QByteArray& bytes);

// The address fields (by name) a contact fills, in the table's field order.
std::vector<std::pair<QString, QString>> vcardFieldValues(const VCardContact& contact);

}  // namespace pc::import
