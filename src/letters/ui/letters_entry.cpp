#include "letters/ui/letters_entry.h"

#include "data/session.h"
#include "data/system_tables.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "letters/ui/pk_letters.h"
#include "print/printer_check.h"
#include "text/message_service.h"
#include "widgets/window_placement.h"

namespace pc::letters {

void printLetters(data::Session& session, QWidget* parent) {
    if (!print::checkPrinters()) return;
    if (!session.active()) {
        text::messages().inform(QStringLiteral("You need to have a database file open first"));
        return;
    }
    data::TTable letters;
    if (!data::openSystemTable(QStringLiteral("LETTER.DBF"), letters)) return;
    data::TApollo engine(&letters);
    engine.setQuery(QStringLiteral("not DELETED()"));
    engine.setOrder(1);
    letters.first();
    {
        TPKLetters window(session, letters, !session.filter().isEmpty(), parent);
        widgets::centreWindow(&window, parent);
        window.exec();
    }
    letters.setActive(false);
}

}  // namespace pc::letters
