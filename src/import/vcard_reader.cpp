#include "import/vcard_reader.h"

#include <QStringDecoder>

#include "import/import_text_file.h"

namespace pc::import {

namespace {

struct Property {
    QByteArray name;           // upper case, group removed
    QList<QByteArray> params;  // as written, upper case names
    QByteArray value;          // raw, still escaped
};

bool isUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

QString decodeText(const QByteArray& bytes, const QByteArray& charset) {
    const QByteArray cs = charset.toUpper();
    if (cs.isEmpty() || cs == "UTF-8" || cs == "UTF8") {
        if (isUtf8(bytes)) return QString::fromUtf8(bytes);
        return fromWindows1252(bytes);
    }
    if (cs == "ISO-8859-1" || cs == "LATIN1") return QString::fromLatin1(bytes);
    return fromWindows1252(bytes);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

QByteArray quotedPrintable(const QByteArray& in) {
    QByteArray out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        const char c = in[i];
        if (c != '=') {
            out += c;
            continue;
        }
        const int hi = i + 1 < in.size() ? hexDigit(in[i + 1]) : -1;
        const int lo = i + 2 < in.size() ? hexDigit(in[i + 2]) : -1;
        if (hi >= 0 && lo >= 0) {
            out += static_cast<char>(hi * 16 + lo);
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

// Splits at separators that are not escaped by a backslash; unescapes parts.
QStringList splitEscaped(const QString& value, QChar separator) {
    QStringList parts;
    QString current;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\' && i + 1 < value.size()) {
            const QChar n = value[++i];
            if (n == u'n' || n == u'N')
                current += u'\n';
            else
                current += n;
        } else if (c == separator) {
            parts << current;
            current.clear();
        } else {
            current += c;
        }
    }
    parts << current;
    return parts;
}

QString unescaped(const QString& value) {
    return splitEscaped(value, QChar(0xFFFF)).front();
}

bool hasParam(const Property& p, const char* word) {
    for (const QByteArray& param : p.params) {
        const QByteArray upper = param.toUpper();
        if (upper == word) return true;
        const qsizetype eq = upper.indexOf('=');
        if (eq > 0 && upper.mid(eq + 1) == word) return true;
    }
    return false;
}

QByteArray paramValue(const Property& p, const char* name) {
    for (const QByteArray& param : p.params) {
        const qsizetype eq = param.indexOf('=');
        if (eq > 0 && param.left(eq).toUpper() == name) return param.mid(eq + 1);
    }
    return {};
}

QStringList typesOf(const Property& p) {
    QStringList types;
    for (const QByteArray& param : p.params) {
        const qsizetype eq = param.indexOf('=');
        const QByteArray key = eq > 0 ? param.left(eq).toUpper() : QByteArray("TYPE");
        QByteArray value = eq > 0 ? param.mid(eq + 1) : param;
        if (key == "PREF") {
            types << QStringLiteral("pref");
            continue;
        }
        if (key != "TYPE") continue;
        value.replace('"', "");
        for (const QByteArray& t : value.split(','))
            if (!t.trimmed().isEmpty()) types << QString::fromLatin1(t.trimmed()).toLower();
    }
    return types;
}

QString valueText(const Property& p) {
    QByteArray bytes = p.value;
    if (hasParam(p, "QUOTED-PRINTABLE")) bytes = quotedPrintable(bytes);
    return decodeText(bytes, paramValue(p, "CHARSET"));
}

// One content line: [group.]NAME[;param]*:value
bool parseLine(const QByteArray& line, Property& p) {
    qsizetype colon = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"') quoted = !quoted;
        if (line[i] == ':' && !quoted) {
            colon = i;
            break;
        }
    }
    if (colon <= 0) return false;
    QList<QByteArray> head = line.left(colon).split(';');
    QByteArray name = head.takeFirst().trimmed().toUpper();
    if (const qsizetype dot = name.lastIndexOf('.'); dot >= 0) name = name.mid(dot + 1);
    if (name.isEmpty()) return false;
    p.name = name;
    p.params = head;
    p.value = line.mid(colon + 1);
    return true;
}

// Physical lines unfolded into content lines; quoted-printable soft breaks joined.
QList<QByteArray> contentLines(const QByteArray& bytes) {
    QList<QByteArray> physical;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        if (i == bytes.size() || bytes[i] == '\n' || bytes[i] == '\r') {
            if (i < bytes.size() || i > start) physical << bytes.mid(start, i - start);
            if (i + 1 < bytes.size() && bytes[i] == '\r' && bytes[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    // Only the name and parameters before the first colon say so, which
    // keeps a long value continued over many lines from being read again
    // for every line.
    const auto isQuotedPrintable = [](const QByteArray& line) {
        const qsizetype colon = line.indexOf(':');
        return line.left(colon < 0 ? line.size() : colon).toUpper().contains("QUOTED-PRINTABLE");
    };
    QList<QByteArray> lines;
    bool lastQuotedPrintable = false;
    for (const QByteArray& l : physical) {
        const bool folded = !l.isEmpty() && (l[0] == ' ' || l[0] == '\t');
        if (folded && !lines.isEmpty()) {
            lines.back() += l.mid(1);
            lastQuotedPrintable = isQuotedPrintable(lines.back());
            continue;
        }
        // A quoted-printable value ending in "=" goes on on the next line.
        if (!lines.isEmpty() && lastQuotedPrintable && lines.back().endsWith('=')) {
            lines.back().chop(1);
            lines.back() += l;
            continue;
        }
        if (!l.isEmpty()) {
            lines << l;
            lastQuotedPrintable = isQuotedPrintable(l);
        }
    }
    return lines;
}

QString part(const QStringList& parts, int i) {
    return i < parts.size() ? parts[i].trimmed() : QString();
}

// A multi-line street: its lines without blanks.
QStringList streetLines(const QString& street) {
    QStringList lines;
    for (const QString& l : street.split(u'\n'))
        if (!l.trimmed().isEmpty()) lines << l.trimmed();
    return lines;
}

}  // namespace

std::vector<VCardContact> readVCards(const QByteArray& bytes) {
    std::vector<VCardContact> contacts;
    QByteArray data = bytes;
    if (data.startsWith("\xEF\xBB\xBF")) data.remove(0, 3);
    VCardContact current;
    bool inside = false;
    for (const QByteArray& line : contentLines(data)) {
        Property p;
        if (!parseLine(line, p)) continue;
        const QString text = valueText(p);
        if (p.name == "BEGIN" && text.trimmed().toUpper() == u"VCARD") {
            current = VCardContact{};
            inside = true;
            continue;
        }
        if (!inside) continue;
        if (p.name == "END") {
            contacts.push_back(std::move(current));
            current = VCardContact{};
            inside = false;
        } else if (p.name == "FN") {
            current.formattedName = unescaped(text).trimmed();
        } else if (p.name == "N") {
            const QStringList n = splitEscaped(text, u';');
            current.family = part(n, 0);
            current.given = part(n, 1);
            current.additional = part(n, 2);
            current.prefix = part(n, 3);
            current.suffix = part(n, 4);
        } else if (p.name == "ORG") {
            current.organization = part(splitEscaped(text, u';'), 0);
        } else if (p.name == "TITLE") {
            current.title = unescaped(text).trimmed();
        } else if (p.name == "ADR") {
            const QStringList a = splitEscaped(text, u';');
            current.addresses.push_back({part(a, 0), part(a, 1), part(a, 2), part(a, 3), part(a, 4),
                                         part(a, 5), part(a, 6), typesOf(p)});
        } else if (p.name == "TEL") {
            QString number = unescaped(text).trimmed();
            if (number.startsWith(QStringLiteral("tel:"), Qt::CaseInsensitive))
                number = number.mid(4);
            if (!number.isEmpty()) current.phones.push_back({number, typesOf(p)});
        } else if (p.name == "EMAIL") {
            const QString mail = unescaped(text).trimmed();
            if (!mail.isEmpty()) current.emails.push_back({mail, typesOf(p)});
        } else if (p.name == "NOTE") {
            current.note = unescaped(text);
        }
    }
    return contacts;
}

std::vector<std::pair<QString, QString>> vcardFieldValues(const VCardContact& c) {
    std::vector<std::pair<QString, QString>> values;
    auto put = [&values](const char* field, const QString& value) {
        if (!value.isEmpty()) values.emplace_back(QString::fromLatin1(field), value);
    };
    QString family = c.family, given = c.given;
    // A card without N (allowed in 4.0) names a person by FN alone, unless
    // FN is just the organisation's name.
    if (family.isEmpty() && given.isEmpty() && c.formattedName != c.organization)
        family = c.formattedName;
    put("LNAME", family);
    put("FNAME", given);
    put("MIDDLE", c.additional);
    put("PREFIX", c.prefix);
    put("TITLE", c.title);
    put("ORG", c.organization);

    const VCardAddress* adr = nullptr;
    for (const VCardAddress& a : c.addresses)
        if (!adr || (a.preferred() && !adr->preferred())) adr = &a;
    if (adr) {
        QStringList street = streetLines(adr->street);
        if (street.isEmpty() && !adr->poBox.isEmpty()) street << adr->poBox;
        QStringList second = streetLines(adr->extended);
        second += street.mid(1);
        put("STREET", street.value(0));
        put("STREET2", second.join(u", "));
        put("CITY", adr->locality);
        put("STATE", adr->region);
        put("ZIP", adr->postalCode);
        put("COUNTRY", adr->country);
    }

    std::vector<const VCardTyped*> voice;
    size_t preferredCount = 0;
    const VCardTyped* fax = nullptr;
    for (const VCardTyped& t : c.phones) {
        if (t.types.contains(QStringLiteral("fax"))) {
            if (!fax) fax = &t;
            continue;
        }
        if (t.types.contains(QStringLiteral("pager"))) continue;
        if (t.preferred())
            voice.insert(voice.begin() + static_cast<std::ptrdiff_t>(preferredCount++), &t);
        else
            voice.push_back(&t);
    }
    if (!voice.empty()) put("PHONE", voice[0]->value);
    if (voice.size() > 1) put("PHONE2", voice[1]->value);
    if (fax) put("FAX", fax->value);
    const VCardTyped* mail = nullptr;
    for (const VCardTyped& e : c.emails)
        if (!mail || (e.preferred() && !mail->preferred())) mail = &e;
    if (mail) put("EMAIL", mail->value);
    put("MEMO", c.note);
    return values;
}

}  // namespace pc::import
