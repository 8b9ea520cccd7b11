#pragma once
// The lines of an INI file in memory: sections in brackets, key=value
// entries, and everything else (comments, blank lines, junk) kept verbatim
// so a rewrite changes only the entries it touches.
#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace pc::text {

class IniDocument {
  public:
    // Never fails: bytes that are not UTF-8 become replacement characters,
    // lines that are neither a section nor an entry are kept as they are.
    static IniDocument parse(const QByteArray& bytes);
    QByteArray serialize() const;

    // The first entry of that name in any section of that name (a section
    // may appear twice in a hand-edited file), surrounding blanks removed.
    std::optional<QString> value(const QString& section, const QString& key) const;
    // Replaces the first such entry; otherwise adds the entry after the last
    // line of the section's first occurrence, or adds the section at the end.
    void setValue(const QString& section, const QString& key, const QString& value);
    // Removes every such entry; false when there was none.
    bool remove(const QString& section, const QString& key);

  private:
    enum class Kind { Other, Section, Entry };
    struct Line {
        QString text;
        Kind kind = Kind::Other;
        QString name;  // section name or key
    };
    static Line classify(const QString& text);
    int findEntry(const QString& section, const QString& key) const;

    std::vector<Line> lines_;
    QString eol_ = QStringLiteral("\n");
    bool bom_ = false;
};

}  // namespace pc::text
