#include "letters/paragraph_settings.h"

#include <QTextBlockFormat>
#include <cmath>

#include "richtext/page_setup.h"

namespace pc::letters {
namespace {

int twips(double units) {
    return int(std::lround(units * richtext::kTwipsPerDocumentUnit));
}

double units(int twips) {
    return twips / richtext::kTwipsPerDocumentUnit;
}

}  // namespace

ParagraphSettings paragraphSettings(const QTextBlockFormat& f) {
    ParagraphSettings s;
    s.leftIndent = twips(f.leftMargin());
    s.firstIndent = s.leftIndent + twips(f.textIndent());
    s.rightIndent = twips(f.rightMargin());
    s.spaceBefore = twips(f.topMargin());
    s.spaceAfter = twips(f.bottomMargin());
    const int type = f.lineHeightType();
    if (type == QTextBlockFormat::MinimumHeight || type == QTextBlockFormat::FixedHeight)
        s.lineHeight = twips(f.lineHeight());
    return s;
}

void applyParagraphSettings(const ParagraphSettings& s, QTextBlockFormat& f) {
    f.setTopMargin(units(std::max(0, s.spaceBefore)));
    if (s.lineHeight > 0)
        f.setLineHeight(units(s.lineHeight), QTextBlockFormat::MinimumHeight);
    else
        f.setLineHeight(100, QTextBlockFormat::SingleHeight);
    f.setBottomMargin(units(std::max(0, s.spaceAfter)));
    f.setTextIndent(units(s.firstIndent - s.leftIndent));
    f.setLeftMargin(units(s.leftIndent));
    f.setRightMargin(units(s.rightIndent));
}

}  // namespace pc::letters
