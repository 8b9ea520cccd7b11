#include "envelopes/ui/envelopes_entry.h"

#include "data/session.h"
#include "data/system_tables.h"
#include "data/t_table.h"
#include "envelopes/envelope_tables.h"
#include "envelopes/ui/print_envelopes_window.h"
#include "print/printer_check.h"
#include "widgets/window_placement.h"

namespace pc::envelopes {

void printEnvelopes(data::Session& session, QWidget* parent) {
    if (!print::readyToPrint(session)) return;
    registerEnvelopeTables();
    data::TTable layouts;
    if (!data::openListedSystemTable(QStringLiteral("ENVELOPE.DBF"), layouts)) return;
    data::CalculatedFieldsShown shown(session);
    TPKEnvelopes window(session, layouts, !session.filter().isEmpty(), parent);
    widgets::centreWindow(&window, parent);
    window.exec();
}

}  // namespace pc::envelopes
