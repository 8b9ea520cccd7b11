#include "richtext/rtf_reader.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <optional>
#include <string_view>
#include <vector>

#include "richtext/code_page_text.h"
#include "richtext/page_setup.h"
#include "richtext/rtf_tokenizer.h"

namespace pc::richtext {

namespace {

constexpr int kMaxTabStops = 64;

enum class Destination { Text, Skip, FontTable, ColorTable };

struct CharState {
    int font = -1;  // -1: the document's default font
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int foreground = 0;  // colour table index; 0 is "auto"
    int background = 0;
    int vertical = 0;  // -1 subscript, 1 superscript
    bool hidden = false;
};

struct ParaState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0;  // twips
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0;
    bool lineMultiple = false;
    bool pageBreakBefore = false;
    QTextOption::TabType nextTabType = QTextOption::LeftTab;
    QList<QTextOption::Tab> tabs;
};

struct GroupState {
    CharState ch;
    ParaState para;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;
};

struct FontEntry {
    QString name;
    int codePage = 0;  // 0: the document's code page
};

// Reading is not an edit the user could undo, and undo records make long
// runs of small insertions slow.
class UndoPaused {
  public:
    explicit UndoPaused(QTextDocument& doc) : doc_(doc), was_(doc.isUndoRedoEnabled()) {
        doc_.setUndoRedoEnabled(false);
    }
    ~UndoPaused() { doc_.setUndoRedoEnabled(was_); }
    UndoPaused(const UndoPaused&) = delete;
    UndoPaused& operator=(const UndoPaused&) = delete;

  private:
    QTextDocument& doc_;
    bool was_;
};

double toUnits(int twips) {
    return twips / kTwipsPerDocumentUnit;
}

class Reader {
  public:
    explicit Reader(QTextDocument& document) : doc_(document), cursor_(&document) {}

    bool read(const QByteArray& rtf, QString* error);

  private:
    bool handle(RtfTokenizer& tokens, const RtfToken& t);
    void word(std::string_view name, bool has, int32_t value, RtfTokenizer& tokens);
    void symbol(char c);
    void text(std::string_view bytes);
    void fontTableText(std::string_view bytes);
    void colorTableText(std::string_view bytes);

    void appendText(const QString& s);
    void appendBytes(std::string_view bytes);
    void flushBytes();
    void flushRun();
    void endParagraph();
    void pageBreak();
    void finish();

    QTextCharFormat charFormat() const;
    QTextBlockFormat blockFormat() const;
    int codePage() const;
    GroupState& state() { return stack_.back(); }

    QTextDocument& doc_;
    QTextCursor cursor_;
    std::vector<GroupState> stack_;
    QHash<int, FontEntry> fonts_;
    std::vector<std::optional<QColor>> colors_;
    int defaultFont_ = 0;
    int documentCodePage_ = 1252;
    PageSetup page_;

    // Font table entry being read.
    int tableFont_ = 0;
    int tableCharset_ = 0;
    QByteArray tableFontName_;
    // Colour table entry being read.
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorSet_ = false;

    QByteArray bytes_;  // 8-bit text not yet decoded
    int bytesCodePage_ = 1252;
    QString run_;  // decoded text not yet inserted, in the current format
    bool starred_ = false;
    int skipCharacters_ = 0;  // left to skip after \uN
    int pendingCells_ = 0;
    bool blockHasText_ = false;
    bool breakBeforeBlock_ = false;
    bool endedWithPar_ = false;
    bool fontTableSeen_ = false;
};

bool Reader::read(const QByteArray& rtf, QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    doc_.clear();
    UndoPaused paused(doc_);
    cursor_ = QTextCursor(&doc_);
    // One edit block for the whole read: outside one, every insertion lays
    // out its paragraph again, which is quadratic in a paragraph's runs.
    cursor_.beginEditBlock();
    std::string_view in(rtf.constData(), size_t(rtf.size()));
    size_t start = in.find_first_not_of(" \t\r\n");
    if (rtf.size() > kMaxRtfBytes || start == std::string_view::npos ||
        in.substr(start, 5) != "{\\rtf") {
        cursor_.endEditBlock();
        return fail(rtf.size() > kMaxRtfBytes ? QStringLiteral("the file is too large")
                                              : QStringLiteral("not an RTF document"));
    }
    RtfTokenizer tokens(in.substr(start));
    bool ok = true;
    for (;;) {
        RtfToken t = tokens.next();
        if (t.kind == RtfToken::End) break;
        if (t.kind == RtfToken::GroupStart && stack_.size() >= size_t(kMaxRtfGroupDepth)) {
            ok = fail(QStringLiteral("the groups are nested too deeply"));
            break;
        }
        if (!handle(tokens, t)) break;  // the document's group closed
    }
    finish();
    return ok;
}

// False once the outermost group has closed.
bool Reader::handle(RtfTokenizer& tokens, const RtfToken& t) {
    if (t.kind != RtfToken::Text && t.kind != RtfToken::HexByte) flushBytes();
    if (t.kind == RtfToken::GroupStart) {
        skipCharacters_ = 0;
        stack_.push_back(stack_.empty() ? GroupState{} : stack_.back());
        starred_ = false;
        return true;
    }
    if (t.kind == RtfToken::GroupEnd) {
        skipCharacters_ = 0;
        if (stack_.empty()) return false;
        Destination closing = state().destination;
        if (closing == Destination::FontTable && !tableFontName_.isEmpty()) fontTableText(";");
        flushRun();
        stack_.pop_back();
        return !stack_.empty();
    }
    if (stack_.empty()) return true;
    if (skipCharacters_ > 0 && t.kind != RtfToken::Text) {
        --skipCharacters_;
        if (t.kind == RtfToken::Word && t.name == "bin" && t.hasParameter)
            tokens.binary(t.parameter);
        return true;
    }
    switch (t.kind) {
        case RtfToken::Word:
            word(t.name, t.hasParameter, t.parameter, tokens);
            starred_ = false;
            break;
        case RtfToken::Symbol:
            symbol(t.symbol);
            break;
        case RtfToken::HexByte: {
            char b = char(t.byte);
            text(std::string_view(&b, 1));
            break;
        }
        case RtfToken::Text: {
            std::string_view s = t.name;
            if (skipCharacters_ > 0) {
                size_t n = std::min(s.size(), size_t(skipCharacters_));
                skipCharacters_ -= int(n);
                s.remove_prefix(n);
            }
            // Line ends in RTF source are layout of the file, not text.
            size_t from = 0;
            while (from < s.size()) {
                size_t eol = s.find_first_of("\r\n", from);
                if (eol == std::string_view::npos) eol = s.size();
                if (eol > from) text(s.substr(from, eol - from));
                from = eol + 1;
            }
            break;
        }
        default:
            break;
    }
    return true;
}

void Reader::text(std::string_view bytes) {
    switch (state().destination) {
        case Destination::Text:
            appendBytes(bytes);
            break;
        case Destination::FontTable:
            fontTableText(bytes);
            break;
        case Destination::ColorTable:
            colorTableText(bytes);
            break;
        case Destination::Skip:
            break;
    }
}

void Reader::fontTableText(std::string_view bytes) {
    for (char c : bytes) {
        if (c != ';') {
            if (tableFontName_.size() < 256) tableFontName_.append(c);
            continue;
        }
        FontEntry f;
        int cp = codePageOfCharset(tableCharset_);
        f.codePage = cp;
        f.name = decodeCodePage(tableFontName_, cp ? cp : documentCodePage_).trimmed();
        fonts_.insert(tableFont_, f);
        tableFontName_.clear();
    }
}

void Reader::colorTableText(std::string_view bytes) {
    for (char c : bytes) {
        if (c != ';') continue;
        if (colors_.size() < 4096)
            colors_.push_back(colorSet_ ? std::optional<QColor>(QColor(red_, green_, blue_))
                                        : std::nullopt);
        red_ = green_ = blue_ = 0;
        colorSet_ = false;
    }
}

int Reader::codePage() const {
    auto it = fonts_.constFind(stack_.back().ch.font < 0 ? defaultFont_ : stack_.back().ch.font);
    if (it != fonts_.constEnd() && it->codePage != 0) return it->codePage;
    return documentCodePage_;
}

void Reader::appendBytes(std::string_view bytes) {
    int cp = codePage();
    if (!bytes_.isEmpty() && cp != bytesCodePage_) flushBytes();
    bytesCodePage_ = cp;
    for (char c : bytes) {
        if (c == '\t') {
            flushBytes();
            appendText(QStringLiteral("\t"));
        } else if (uchar(c) >= 0x20) {
            bytes_.append(c);
        }
    }
}

void Reader::flushBytes() {
    if (bytes_.isEmpty()) return;
    QString s = decodeCodePage(bytes_, bytesCodePage_);
    bytes_.clear();
    appendText(s);
}

// Characters that would be structure, not text, inside a QTextDocument
// (block and object marks) or that no letter shows.
bool isUnwanted(QChar c) {
    return (c.unicode() < 0x20 && c != QLatin1Char('\t')) || c == QChar::ParagraphSeparator ||
           c == QChar::ObjectReplacementCharacter;
}

void Reader::appendText(const QString& text) {
    if (text.isEmpty() || state().destination != Destination::Text || state().ch.hidden) return;
    QString s = text;
    s.removeIf(isUnwanted);
    if (s.isEmpty()) return;
    if (pendingCells_ > 0) {
        run_ += QString(pendingCells_, QLatin1Char('\t'));
        pendingCells_ = 0;
    }
    run_ += s;
    blockHasText_ = true;
    endedWithPar_ = false;
}

void Reader::flushRun() {
    flushBytes();
    if (run_.isEmpty()) return;
    cursor_.insertText(run_, charFormat());
    run_.clear();
}

void Reader::endParagraph() {
    flushRun();
    cursor_.setBlockFormat(blockFormat());
    cursor_.insertBlock();
    blockHasText_ = false;
    breakBeforeBlock_ = false;
    pendingCells_ = 0;
    endedWithPar_ = true;
}

void Reader::pageBreak() {
    if (blockHasText_ || !run_.isEmpty()) endParagraph();
    breakBeforeBlock_ = true;
}

void Reader::finish() {
    flushRun();
    if (stack_.empty()) stack_.push_back(GroupState{});
    // A closing \par leaves an empty block that is not part of the text.
    if (endedWithPar_ && doc_.blockCount() > 1 && cursor_.block().length() <= 1) {
        cursor_.deletePreviousChar();
    } else {
        cursor_.setBlockFormat(blockFormat());
    }
    setPageSetup(doc_, page_);
    auto it = fonts_.constFind(defaultFont_);
    QFont font = doc_.defaultFont();
    if (it != fonts_.constEnd() && !it->name.isEmpty()) font.setFamilies({it->name});
    font.setPointSizeF(12);
    doc_.setDefaultFont(font);
    cursor_.endEditBlock();
}

QTextCharFormat Reader::charFormat() const {
    const CharState& c = stack_.back().ch;
    QTextCharFormat f;
    auto it = fonts_.constFind(c.font < 0 ? defaultFont_ : c.font);
    if (it != fonts_.constEnd() && !it->name.isEmpty()) f.setFontFamilies(QStringList{it->name});
    f.setFontPointSize(c.halfPoints / 2.0);
    if (c.bold) f.setFontWeight(QFont::Bold);
    if (c.italic) f.setFontItalic(true);
    if (c.underline) f.setFontUnderline(true);
    if (c.strike) f.setFontStrikeOut(true);
    auto color = [&](int index) -> std::optional<QColor> {
        if (index <= 0 || size_t(index) >= colors_.size()) return std::nullopt;
        return colors_[size_t(index)];
    };
    if (auto fg = color(c.foreground)) f.setForeground(*fg);
    if (auto bg = color(c.background)) f.setBackground(*bg);
    if (c.vertical < 0) f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (c.vertical > 0) f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    return f;
}

QTextBlockFormat Reader::blockFormat() const {
    const ParaState& p = stack_.back().para;
    QTextBlockFormat b;
    b.setAlignment(p.alignment);
    if (p.leftIndent) b.setLeftMargin(toUnits(p.leftIndent));
    if (p.rightIndent) b.setRightMargin(toUnits(p.rightIndent));
    if (p.firstIndent) b.setTextIndent(toUnits(p.firstIndent));
    if (p.spaceBefore) b.setTopMargin(toUnits(p.spaceBefore));
    if (p.spaceAfter) b.setBottomMargin(toUnits(p.spaceAfter));
    if (p.lineSpacing > 0 && p.lineMultiple)
        b.setLineHeight(p.lineSpacing * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
    else if (p.lineSpacing > 0)
        b.setLineHeight(toUnits(p.lineSpacing), QTextBlockFormat::MinimumHeight);
    else if (p.lineSpacing < 0)
        b.setLineHeight(toUnits(-p.lineSpacing), QTextBlockFormat::FixedHeight);
    if (!p.tabs.isEmpty()) b.setTabPositions(p.tabs);
    if (p.pageBreakBefore || breakBeforeBlock_)
        b.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return b;
}

void Reader::symbol(char c) {
    switch (c) {
        case '*':
            starred_ = true;
            return;
        case '\\':
        case '{':
        case '}':
            text(std::string_view(&c, 1));
            return;
        case '~':
            if (state().destination == Destination::Text) appendText(QString(QChar(0x00A0)));
            return;
        case '_':
            if (state().destination == Destination::Text) appendText(QString(QChar(0x2011)));
            return;
        case '\n':
        case '\r':
            if (state().destination == Destination::Text) endParagraph();
            return;
        case '\t':
            if (state().destination == Destination::Text) appendText(QStringLiteral("\t"));
            return;
        default:
            return;  // \- optional hyphen, \| \: index marks
    }
}

bool isSkippedDestination(std::string_view n) {
    static constexpr std::string_view kSkipped[] = {"stylesheet",
                                                    "info",
                                                    "pict",
                                                    "header",
                                                    "headerl",
                                                    "headerr",
                                                    "headerf",
                                                    "footer",
                                                    "footerl",
                                                    "footerr",
                                                    "footerf",
                                                    "footnote",
                                                    "object",
                                                    "objdata",
                                                    "fldinst",
                                                    "shp",
                                                    "nonshppict",
                                                    "listtable",
                                                    "listoverridetable",
                                                    "revtbl",
                                                    "rsidtbl",
                                                    "xmlnstbl",
                                                    "generator",
                                                    "themedata",
                                                    "colorschememapping",
                                                    "datastore",
                                                    "latentstyles",
                                                    "pgdsctbl",
                                                    "bkmkstart",
                                                    "bkmkend",
                                                    "annotation",
                                                    "atnid",
                                                    "atnauthor",
                                                    "private",
                                                    "ftnsep",
                                                    "ftnsepc",
                                                    "ftncn",
                                                    "aftnsep",
                                                    "aftnsepc",
                                                    "aftncn",
                                                    "userprops",
                                                    "docvar",
                                                    "template",
                                                    "filetbl",
                                                    "listpicture"};
    for (std::string_view s : kSkipped)
        if (s == n) return true;
    return false;
}

void Reader::word(std::string_view n, bool has, int32_t v, RtfTokenizer& tokens) {
    GroupState& g = state();
    CharState& c = g.ch;
    ParaState& p = g.para;
    auto on = [&] { return !has || v != 0; };

    if (n == "bin") {
        if (has) tokens.binary(v);
        return;
    }
    if (starred_ || isSkippedDestination(n)) {
        flushRun();
        g.destination = Destination::Skip;
        return;
    }
    if (g.destination == Destination::Skip) return;
    if (n == "fonttbl") {
        flushRun();
        g.destination = Destination::FontTable;
        fontTableSeen_ = true;
        return;
    }
    if (n == "colortbl") {
        flushRun();
        g.destination = Destination::ColorTable;
        return;
    }
    if (g.destination == Destination::FontTable) {
        if (n == "f") {
            tableFont_ = v;
            tableCharset_ = 0;
            tableFontName_.clear();
        } else if (n == "fcharset") {
            tableCharset_ = v;
        } else if (n == "u" && has) {
            // A Unicode font name: keep it as UTF-8 bytes of the name.
            QString s(QChar(char16_t(v < 0 ? v + 65536 : v)));
            tableFontName_ += s.toUtf8();
        }
        return;
    }
    if (g.destination == Destination::ColorTable) {
        int value = std::clamp(v, 0, 255);
        if (n == "red") red_ = value, colorSet_ = true;
        if (n == "green") green_ = value, colorSet_ = true;
        if (n == "blue") blue_ = value, colorSet_ = true;
        return;
    }

    // Document settings.
    if (n == "ansicpg") {
        if (v > 0) documentCodePage_ = v;
        return;
    }
    if (n == "mac") {
        documentCodePage_ = 10000;
        return;
    }
    if (n == "pc") {
        documentCodePage_ = 437;
        return;
    }
    if (n == "pca") {
        documentCodePage_ = 850;
        return;
    }
    if (n == "deff") {
        defaultFont_ = v;
        return;
    }
    if (n == "paperw" || n == "pgwsxn") {
        if (v > 0) page_.paperWidth = v;
        return;
    }
    if (n == "paperh" || n == "pghsxn") {
        if (v > 0) page_.paperHeight = v;
        return;
    }
    if (n == "margl" || n == "marglsxn") {
        if (v >= 0) page_.marginLeft = v;
        return;
    }
    if (n == "margr" || n == "margrsxn") {
        if (v >= 0) page_.marginRight = v;
        return;
    }
    if (n == "margt" || n == "margtsxn") {
        if (v >= 0) page_.marginTop = v;
        return;
    }
    if (n == "margb" || n == "margbsxn") {
        if (v >= 0) page_.marginBottom = v;
        return;
    }
    if (n == "uc") {
        g.unicodeSkip = std::clamp(v, 0, 16);
        return;
    }
    if (n == "u" && has) {
        flushBytes();
        appendText(QString(QChar(char16_t(v < 0 ? v + 65536 : v))));
        skipCharacters_ = g.unicodeSkip;
        return;
    }

    // Special characters and breaks.
    struct Special {
        std::string_view name;
        char16_t ch;
    };
    static constexpr Special kSpecials[] = {
        {"tab", u'\t'},        {"line", 0x2028},    {"emdash", 0x2014},  {"endash", 0x2013},
        {"bullet", 0x2022},    {"lquote", 0x2018},  {"rquote", 0x2019},  {"ldblquote", 0x201C},
        {"rdblquote", 0x201D}, {"emspace", 0x2003}, {"enspace", 0x2002}, {"qmspace", 0x2005},
        {"zwj", 0x200D},       {"zwnj", 0x200C},    {"zwbo", 0x200B},    {"zwnbo", 0xFEFF},
    };
    for (const Special& s : kSpecials)
        if (n == s.name) {
            flushBytes();
            appendText(QString(QChar(s.ch)));
            return;
        }
    if (n == "par" || n == "sect") {
        endParagraph();
        return;
    }
    if (n == "page") {
        pageBreak();
        return;
    }
    if (n == "cell" || n == "nestcell") {
        flushRun();
        ++pendingCells_;
        blockHasText_ = true;
        return;
    }
    if (n == "row") {
        endParagraph();
        return;
    }

    // Character formats.
    auto setChar = [&](auto&& change) {
        flushRun();
        change();
    };
    if (n == "plain") return setChar([&] { c = CharState{}; });
    if (n == "f") return setChar([&] { c.font = v; });
    if (n == "fs") return setChar([&] { c.halfPoints = has && v > 0 ? std::min(v, 3276) : 24; });
    if (n == "b") return setChar([&] { c.bold = on(); });
    if (n == "i") return setChar([&] { c.italic = on(); });
    if (n == "strike" || n == "striked") return setChar([&] { c.strike = on(); });
    if (n == "ulnone") return setChar([&] { c.underline = false; });
    if (n == "ul" || n == "uld" || n == "uldb" || n == "uldash" || n == "uldashd" ||
        n == "uldashdd" || n == "ulth" || n == "ulw" || n == "ulwave" || n == "uldb" ||
        n == "ulhwave" || n == "ululdbwave" || n == "ulthd" || n == "ulthdash" || n == "ulldash")
        return setChar([&] { c.underline = on(); });
    if (n == "cf") return setChar([&] { c.foreground = v; });
    if (n == "cb" || n == "chcbpat" || n == "highlight") return setChar([&] { c.background = v; });
    if (n == "super") return setChar([&] { c.vertical = 1; });
    if (n == "sub") return setChar([&] { c.vertical = -1; });
    if (n == "nosupersub") return setChar([&] { c.vertical = 0; });
    if (n == "v") return setChar([&] { c.hidden = on(); });

    // Paragraph formats: they apply to the paragraph their \par ends.
    if (n == "pard") {
        p = ParaState{};
        return;
    }
    if (n == "ql")
        p.alignment = Qt::AlignLeft;
    else if (n == "qr")
        p.alignment = Qt::AlignRight;
    else if (n == "qc")
        p.alignment = Qt::AlignHCenter;
    else if (n == "qj" || n == "qd")
        p.alignment = Qt::AlignJustify;
    else if (n == "li" || n == "lin")
        p.leftIndent = v;
    else if (n == "ri" || n == "rin")
        p.rightIndent = v;
    else if (n == "fi")
        p.firstIndent = v;
    else if (n == "sb")
        p.spaceBefore = std::max(v, 0);
    else if (n == "sa")
        p.spaceAfter = std::max(v, 0);
    else if (n == "sl")
        p.lineSpacing = (has && v != 1000) ? v : 0;
    else if (n == "slmult")
        p.lineMultiple = on();
    else if (n == "pagebb")
        p.pageBreakBefore = on();
    else if (n == "tqr")
        p.nextTabType = QTextOption::RightTab;
    else if (n == "tqc")
        p.nextTabType = QTextOption::CenterTab;
    else if (n == "tqdec")
        p.nextTabType = QTextOption::DelimiterTab;
    else if (n == "tx" || n == "tb") {
        if (p.tabs.size() < kMaxTabStops && v >= 0) {
            QTextOption::Tab tab(toUnits(v), p.nextTabType,
                                 p.nextTabType == QTextOption::DelimiterTab ? QChar('.') : QChar());
            p.tabs.append(tab);
        }
        p.nextTabType = QTextOption::LeftTab;
    }
}

}  // namespace

bool readRtf(const QByteArray& rtf, QTextDocument& document, QString* error) {
    Reader reader(document);
    return reader.read(rtf, error);
}

}  // namespace pc::richtext
