#pragma once
// Page size and margins of a rich-text document, in twips (1/1440 inch), as
// RTF keeps them. They travel with the QTextDocument as dynamic properties so
// a reader, the designer and the writer agree on them without a side table.
#include <QString>

class QTextDocument;

namespace pc::richtext {

inline constexpr int kTwipsPerInch = 1440;
// QTextDocument lengths are 1/96 inch: 15 twips each.
inline constexpr double kTwipsPerDocumentUnit = 15.0;

struct PageSetup {
    int paperWidth = 12240;  // US Letter
    int paperHeight = 15840;
    int marginLeft = 1800;
    int marginRight = 1800;
    int marginTop = 1440;
    int marginBottom = 1440;
    bool operator==(const PageSetup&) const = default;
};

// The document's page; the defaults above when none was set.
PageSetup pageSetup(const QTextDocument& document);
void setPageSetup(QTextDocument& document, const PageSetup& page);

}  // namespace pc::richtext
