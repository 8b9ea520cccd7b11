#include "design/ui/multi_line_text_editor.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "design/multi_line_label.h"
#include "design/text_wrap.h"
#include "design/ui/dialog_buttons.h"

namespace pc::design::ui {

MultiLineTextEditor::MultiLineTextEditor(const FontSpec& font, const QStringList& lines,
                                         QWidget* parent)
    : QDialog(parent), memo_(new QPlainTextEdit(this)) {
    setWindowTitle(tr("Multi-line Text Editor"));
    memo_->setObjectName(QStringLiteral("memo"));
    QFont shown = font.toQFont();
    shown.setPointSize(std::max(1, font.pointSize()));
    memo_->setFont(shown);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setPlainText(lines.join(QLatin1Char('\n')));
    const DialogButtons buttons = makeDialogButtons(this);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memo_);
    layout->addLayout(buttons.row);
    resize(420, 260);
}

QStringList MultiLineTextEditor::lines() const {
    return splitParagraphs(memo_->toPlainText());
}

bool editMultiLineText(TGMultiLineLabel& label, QWidget* parent) {
    MultiLineTextEditor editor(label.font(), label.items(), parent);
    if (editor.exec() != QDialog::Accepted) return false;
    label.commandText(editor.lines());
    return true;
}

}  // namespace pc::design::ui
