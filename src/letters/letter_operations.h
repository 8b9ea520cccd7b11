#pragma once
// New, Modify, Clone and Delete on LETTER.DBF rows. The designer is reached
// through a callback, so the work runs without a screen.
#include <QString>
#include <functional>

#include "richtext/page_setup.h"

class QTextDocument;

namespace pc::data {
class TTable;
}

namespace pc::letters {

// Shows the designer on the description and the document (empty for a new
// letter, the template otherwise); true when the user saved, with both as
// the user left them.
using LetterDesigner =
    std::function<bool(QString& description, QTextDocument& document, bool isNew)>;

// Each returns true when the table changed. Modify, Clone and Delete need a
// current row. Table failures are reported through the message service and
// leave the table as it was.
bool newLetter(data::TTable& letters, const LetterDesigner& design);
bool modifyLetter(data::TTable& letters, const LetterDesigner& design);
bool cloneLetter(data::TTable& letters);
bool deleteLetter(data::TTable& letters);

// A new letter's page: US Letter with one-inch margins.
richtext::PageSetup newLetterPage();

// The description a new letter shows in the designer.
inline constexpr char16_t kUntitledLetter[] = u"{untitled}";

}  // namespace pc::letters
