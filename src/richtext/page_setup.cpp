#include "richtext/page_setup.h"

#include <QTextDocument>
#include <QVariant>

namespace pc::richtext {

namespace {

struct Field {
    const char* property;
    int PageSetup::*member;
};

constexpr Field kFields[] = {
    {"pcPaperWidth", &PageSetup::paperWidth}, {"pcPaperHeight", &PageSetup::paperHeight},
    {"pcMarginLeft", &PageSetup::marginLeft}, {"pcMarginRight", &PageSetup::marginRight},
    {"pcMarginTop", &PageSetup::marginTop},   {"pcMarginBottom", &PageSetup::marginBottom},
};

}  // namespace

PageSetup pageSetup(const QTextDocument& document) {
    PageSetup page;
    for (const Field& f : kFields) {
        QVariant v = document.property(f.property);
        bool ok = false;
        int value = v.toInt(&ok);
        if (v.isValid() && ok) page.*f.member = value;
    }
    return page;
}

void setPageSetup(QTextDocument& document, const PageSetup& page) {
    for (const Field& f : kFields) document.setProperty(f.property, page.*f.member);
}

}  // namespace pc::richtext
