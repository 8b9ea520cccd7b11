#include "envelopes/ui/envelopes_entry.h"

#include "data/session.h"
#include "data/system_tables.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "envelopes/envelope_tables.h"
#include "envelopes/ui/print_envelopes_window.h"
#include "print/printer_check.h"
#include "text/message_service.h"
#include "widgets/window_placement.h"

namespace pc::envelopes {

void printEnvelopes(data::Session& session, QWidget* parent) {
    if (!print::checkPrinters()) return;
    if (!session.active()) {
        text::messages().inform(QStringLiteral("You need to have a database file open first"));
        return;
    }
    registerEnvelopeTables();
    data::TTable layouts;
    if (!data::openSystemTable(QStringLiteral("ENVELOPE.DBF"), layouts)) return;
    data::TApollo engine(&layouts);
    engine.setQuery(QStringLiteral("not DELETED()"));
    engine.setOrder(1);
    layouts.first();

    const bool shown = session.calculatedFieldsShown();
    session.showCalculatedFields(true);
    {
        TPKEnvelopes window(session, layouts, !session.filter().isEmpty(), parent);
        widgets::centreWindow(&window, parent);
        window.exec();
    }
    session.showCalculatedFields(shown);
    layouts.setActive(false);
}

}  // namespace pc::envelopes
