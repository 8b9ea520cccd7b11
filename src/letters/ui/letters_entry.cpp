#include "letters/ui/letters_entry.h"

#include "data/session.h"
#include "data/system_tables.h"
#include "data/t_table.h"
#include "letters/ui/pk_letters.h"
#include "print/printer_check.h"
#include "widgets/window_placement.h"

namespace pc::letters {

void printLetters(data::Session& session, QWidget* parent) {
    if (!print::readyToPrint(session)) return;
    data::TTable letters;
    if (!data::openListedSystemTable(QStringLiteral("LETTER.DBF"), letters)) return;
    TPKLetters window(session, letters, !session.filter().isEmpty(), parent);
    widgets::centreWindow(&window, parent);
    window.exec();
}

}  // namespace pc::letters
