#include "text/profile_file.h"

#include <QFile>
#include <QSaveFile>
#include <functional>

#include "text/ini_document.h"

namespace pc::text {
namespace {

// A missing file reads as empty; a file that exists but cannot be read
// yields nothing, so a write never replaces content it could not see.
std::optional<IniDocument> load(const QString& path) {
    QFile file(path);
    if (!file.exists()) return IniDocument{};
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return IniDocument::parse(file.readAll());
}

bool validSection(const QString& s) {
    return !s.trimmed().isEmpty() && !s.contains(u']') && !s.contains(u'\n') && !s.contains(u'\r');
}

bool validKey(const QString& k) {
    const QString t = k.trimmed();
    return !t.isEmpty() && !t.contains(u'=') && !t.contains(u'\n') && !t.contains(u'\r') &&
           !t.startsWith(u'[') && !t.startsWith(u';');
}

QString oneLine(QString value) {
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    return value;
}

bool rewrite(const QString& path, const std::function<bool(IniDocument&)>& change) {
    std::optional<IniDocument> doc = load(path);
    if (!doc) return false;
    if (!change(*doc)) return true;  // nothing to change
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = doc->serialize();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace

QString ProfileFile::readString(const QString& section, const QString& key,
                                const QString& fallback) const {
    const std::optional<IniDocument> doc = load(path_);
    if (!doc) return fallback;
    return doc->value(section, key).value_or(fallback);
}

int ProfileFile::readInt(const QString& section, const QString& key, int fallback) const {
    const QString text = readString(section, key);
    bool ok = false;
    int value = 0;
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        // Full 32 bits, so colours such as 0xFFFFFFFF survive a round trip.
        value = static_cast<int>(text.mid(2).toUInt(&ok, 16));
    } else {
        value = text.toInt(&ok, 10);
    }
    return ok ? value : fallback;
}

bool ProfileFile::readBool(const QString& section, const QString& key, bool fallback) const {
    return readInt(section, key, fallback ? 1 : 0) != 0;
}

bool ProfileFile::hasKey(const QString& section, const QString& key) const {
    const std::optional<IniDocument> doc = load(path_);
    return doc && doc->value(section, key).has_value();
}

bool ProfileFile::writeString(const QString& section, const QString& key, const QString& value) {
    return writeStrings(section, {{key, value}});
}

bool ProfileFile::writeInt(const QString& section, const QString& key, int value) {
    return writeString(section, key, QString::number(value));
}

bool ProfileFile::writeBool(const QString& section, const QString& key, bool value) {
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool ProfileFile::writeStrings(const QString& section,
                               const std::vector<std::pair<QString, QString>>& values) {
    if (!validSection(section)) return false;
    for (const auto& [key, value] : values) {
        if (!validKey(key)) return false;
    }
    return rewrite(path_, [&](IniDocument& doc) {
        for (const auto& [key, value] : values) {
            doc.setValue(section.trimmed(), key.trimmed(), oneLine(value));
        }
        return true;
    });
}

bool ProfileFile::removeKey(const QString& section, const QString& key) {
    return rewrite(path_, [&](IniDocument& doc) { return doc.remove(section, key); });
}

}  // namespace pc::text
