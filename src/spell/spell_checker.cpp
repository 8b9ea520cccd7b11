#include "spell/spell_checker.h"

#include <QFileInfo>
#include <hunspell.hxx>

#include "richtext/code_page_text.h"
#include "spell/dictionary_files.h"

namespace pc::spell {

SpellChecker::SpellChecker() = default;
SpellChecker::~SpellChecker() = default;

bool SpellChecker::open(const QString& mainDictionary, const QString& userWords) {
    hunspell_.reset();
    QString affix = affixPathFor(mainDictionary);
    if (!QFileInfo(mainDictionary).isFile() || !QFileInfo(affix).isFile()) return false;
    hunspell_ = std::make_unique<Hunspell>(QFile::encodeName(affix).constData(),
                                           QFile::encodeName(mainDictionary).constData());
    utf8_ = QString::fromStdString(hunspell_->get_dict_encoding())
                .compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0;
    user_.load(userWords);
    for (const QString& w : user_.words()) hunspell_->add(encode(w));
    return true;
}

// Dictionaries that are not UTF-8 are taken as ISO-8859-1, which is what
// the en_US family uses when it is not UTF-8.
std::string SpellChecker::encode(const QString& word) const {
    return utf8_ ? word.toStdString() : word.toLatin1().toStdString();
}

QString SpellChecker::decode(const std::string& bytes) const {
    return utf8_ ? QString::fromStdString(bytes)
                 : QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

bool SpellChecker::isCorrect(const QString& word) const {
    if (user_.contains(word)) return true;
    if (!hunspell_) return false;
    // The typographic apostrophe is how word processors write "don't".
    QString w = word;
    w.replace(QChar(0x2019), QLatin1Char('\''));
    return hunspell_->spell(encode(w));
}

QStringList SpellChecker::suggestions(const QString& word) const {
    QStringList out;
    if (!hunspell_) return out;
    for (const std::string& s : hunspell_->suggest(encode(word))) out.append(decode(s));
    return out;
}

bool SpellChecker::addWord(const QString& word) {
    if (!user_.add(word)) return false;
    if (hunspell_) hunspell_->add(encode(word.trimmed()));
    return true;
}

}  // namespace pc::spell
