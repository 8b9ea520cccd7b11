#include "text/ini_document.h"

#include <QStringList>

namespace pc::text {
namespace {

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

IniDocument::Line IniDocument::classify(const QString& text) {
    Line line{text, Kind::Other, {}};
    const QString t = text.trimmed();
    if (t.startsWith(u'[')) {
        const qsizetype close = t.indexOf(u']');
        line.kind = Kind::Section;
        line.name = (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
    } else if (!t.startsWith(u';')) {
        const qsizetype eq = t.indexOf(u'=');
        if (eq > 0) {
            line.kind = Kind::Entry;
            line.name = t.left(eq).trimmed();
        }
    }
    return line;
}

IniDocument IniDocument::parse(const QByteArray& bytes) {
    IniDocument doc;
    static const QByteArray bom("\xEF\xBB\xBF");
    doc.bom_ = bytes.startsWith(bom);
    const QString text = QString::fromUtf8(doc.bom_ ? bytes.mid(bom.size()) : bytes);
    if (text.contains(QStringLiteral("\r\n"))) doc.eol_ = QStringLiteral("\r\n");
    QStringList parts = text.split(u'\n');
    if (!parts.isEmpty() && parts.last().isEmpty()) parts.removeLast();
    doc.lines_.reserve(parts.size());
    for (QString& part : parts) {
        if (part.endsWith(u'\r')) part.chop(1);
        doc.lines_.push_back(classify(part));
    }
    return doc;
}

QByteArray IniDocument::serialize() const {
    QString text;
    for (const Line& line : lines_) text += line.text + eol_;
    return bom_ ? QByteArray("\xEF\xBB\xBF") + text.toUtf8() : text.toUtf8();
}

int IniDocument::findEntry(const QString& section, const QString& key) const {
    bool inSection = false;
    for (size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == Kind::Section) {
            inSection = sameName(line.name, section);
        } else if (inSection && line.kind == Kind::Entry && sameName(line.name, key)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const {
    const int at = findEntry(section, key);
    if (at < 0) return std::nullopt;
    const QString& text = lines_[at].text;
    return text.mid(text.indexOf(u'=') + 1).trimmed();
}

void IniDocument::setValue(const QString& section, const QString& key, const QString& value) {
    const int at = findEntry(section, key);
    if (at >= 0) {
        Line& line = lines_[at];
        line.text = line.name + u'=' + value;
        return;
    }
    Line entry{key + u'=' + value, Kind::Entry, key};
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind != Kind::Section || !sameName(lines_[i].name, section)) continue;
        // After the section's last non-blank line, so a blank line that
        // separates it from the next section stays where it is.
        size_t last = i;
        for (size_t j = i + 1; j < lines_.size() && lines_[j].kind != Kind::Section; ++j) {
            if (!lines_[j].text.trimmed().isEmpty()) last = j;
        }
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last + 1), entry);
        return;
    }
    lines_.push_back(Line{u'[' + section + u']', Kind::Section, section});
    lines_.push_back(entry);
}

bool IniDocument::remove(const QString& section, const QString& key) {
    bool removed = false;
    for (int at = findEntry(section, key); at >= 0; at = findEntry(section, key)) {
        lines_.erase(lines_.begin() + at);
        removed = true;
    }
    return removed;
}

}  // namespace pc::text
