#include "design/page_number_label.h"

namespace pc::design {

TGPageNumberLabel::TGPageNumberLabel() {
    prepareCaption();
}

void TGPageNumberLabel::setPageNumber(int page) {
    if (page_ == page) return;
    page_ = page;
    changed();
}

void TGPageNumberLabel::prepareCaption() {
    const QString text = page_ > 0 ? QString::number(page_) : QStringLiteral("##");
    if (text != caption()) storeCaption(text);
}

}  // namespace pc::design
