#include "app/subsystem_tables.h"

#include "envelopes/envelope_tables.h"
#include "labels/label_tables.h"
#include "letters/letter_tables.h"
#include "postal/postal_tables.h"
#include "reports/report_tables.h"

namespace pc::app {

void registerSubsystemTables() {
    pc::letters::registerLetterTables();
    pc::labels::registerLabelTables();
    pc::postal::registerPostalTables();
    pc::envelopes::registerEnvelopeTables();
    pc::reports::registerReportTables();
}

}  // namespace pc::app
