#include "letters/ui/letter_format_bar.h"

#include <QActionGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QFontComboBox>
#include <QLabel>
#include <QTextEdit>

namespace pc::letters {

LetterFormatBar::LetterFormatBar(QTextEdit& editor, QWidget* parent)
    : QToolBar(parent), editor_(editor) {
    setObjectName(QStringLiteral("FormatBar"));
    addWidget(new QLabel(QStringLiteral("Font "), this));
    font_ = new QFontComboBox(this);
    font_->setObjectName(QStringLiteral("FontList"));
    addWidget(font_);
    addWidget(new QLabel(QStringLiteral(" Font Size "), this));
    size_ = new QComboBox(this);
    size_->setObjectName(QStringLiteral("FontSizeList"));
    size_->setEditable(true);
    for (int s : {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        size_->addItem(QString::number(s));
    addWidget(size_);
    connect(font_, &QFontComboBox::currentFontChanged, this, [this](const QFont& f) {
        if (showing_) return;
        QTextCharFormat format;
        format.setFontFamilies({f.family()});
        merge(format);
    });
    connect(size_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        const double points = text.toDouble();
        if (showing_ || points < 1 || points > 1638) return;
        QTextCharFormat format;
        format.setFontPointSize(points);
        merge(format);
    });
    addSeparator();
    const auto make = [this](const QString& text, const char* name, const QString& tip) {
        QAction* a = addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        a->setToolTip(tip);
        return a;
    };
    connect(make(QStringLiteral("A"), "FontColorAction", QStringLiteral("Font colour")),
            &QAction::triggered, this, [this] { chooseColor(false); });
    connect(make(QStringLiteral("▒"), "BackColorAction", QStringLiteral("Background colour")),
            &QAction::triggered, this, [this] { chooseColor(true); });
    addSeparator();
    connect(make(QStringLiteral("N"), "NormalAction", QStringLiteral("Normal")),
            &QAction::triggered, this, [this] {
                QTextCharFormat format;
                format.setFontWeight(QFont::Normal);
                format.setFontItalic(false);
                format.setFontUnderline(false);
                merge(format);
            });
    bold_ = make(QStringLiteral("B"), "BoldAction", QStringLiteral("Bold"));
    italic_ = make(QStringLiteral("I"), "ItalicAction", QStringLiteral("Italic"));
    underline_ = make(QStringLiteral("U"), "UnderlineAction", QStringLiteral("Underline"));
    for (QAction* a : {bold_, italic_, underline_}) a->setCheckable(true);
    connect(bold_, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontWeight(on ? QFont::Bold : QFont::Normal);
        merge(f);
    });
    connect(italic_, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontItalic(on);
        merge(f);
    });
    connect(underline_, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontUnderline(on);
        merge(f);
    });
    addSeparator();
    auto* alignments = new QActionGroup(this);
    left_ = make(QStringLiteral("Left"), "AlignLeftAction", QStringLiteral("Align left"));
    right_ = make(QStringLiteral("Right"), "AlignRightAction", QStringLiteral("Align right"));
    justify_ = make(QStringLiteral("Justify"), "JustifyAction", QStringLiteral("Justify"));
    centre_ = make(QStringLiteral("Centre"), "CenterAction", QStringLiteral("Centre"));
    const std::pair<QAction*, Qt::Alignment> aligned[] = {{left_, Qt::AlignLeft},
                                                          {right_, Qt::AlignRight},
                                                          {justify_, Qt::AlignJustify},
                                                          {centre_, Qt::AlignHCenter}};
    for (const auto& [a, alignment] : aligned) {
        a->setCheckable(true);
        alignments->addAction(a);
        connect(a, &QAction::triggered, this,
                [this, alignment] { editor_.setAlignment(alignment); });
    }
    addSeparator();
    connect(make(QStringLiteral("Copy"), "CopyAction", QStringLiteral("Copy")), &QAction::triggered,
            &editor_, &QTextEdit::copy);
    connect(make(QStringLiteral("Cut"), "CutAction", QStringLiteral("Cut")), &QAction::triggered,
            &editor_, &QTextEdit::cut);
    connect(make(QStringLiteral("Paste"), "PasteAction", QStringLiteral("Paste")),
            &QAction::triggered, &editor_, &QTextEdit::paste);

    connect(&editor_, &QTextEdit::currentCharFormatChanged, this, [this] { showFormat(); });
    connect(&editor_, &QTextEdit::cursorPositionChanged, this, [this] { showFormat(); });
    showFormat();
}

QAction* LetterFormatBar::action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void LetterFormatBar::merge(const QTextCharFormat& format) {
    editor_.mergeCurrentCharFormat(format);
    editor_.setFocus();
}

void LetterFormatBar::chooseColor(bool background) {
    const QTextCharFormat current = editor_.currentCharFormat();
    const QColor initial = background ? current.background().color() : current.foreground().color();
    const QColor color = QColorDialog::getColor(initial, this);
    if (!color.isValid()) return;
    QTextCharFormat format;
    if (background)
        format.setBackground(color);
    else
        format.setForeground(color);
    merge(format);
}

void LetterFormatBar::showFormat() {
    showing_ = true;
    const QTextCharFormat f = editor_.currentCharFormat();
    const QFont font = f.font();
    font_->setCurrentFont(font);
    if (font.pointSizeF() > 0) size_->setCurrentText(QString::number(font.pointSizeF()));
    bold_->setChecked(font.bold());
    italic_->setChecked(font.italic());
    underline_->setChecked(font.underline());
    const Qt::Alignment a = editor_.alignment();
    (a & Qt::AlignHCenter   ? centre_
     : a & Qt::AlignRight   ? right_
     : a & Qt::AlignJustify ? justify_
                            : left_)
        ->setChecked(true);
    showing_ = false;
}

}  // namespace pc::letters
