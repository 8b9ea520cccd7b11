#include "app/subsystem_entry.h"

#include "data/session.h"

namespace pc::app {

SubsystemEntry::SubsystemEntry(pc::data::Session& session, Options options)
    : session_(session),
      options_(options),
      orderTag_(session.orderTag()),
      filter_(session.filter()) {
    session_.host().pauseForSubsystem(options_.bulkOperation);
    record_ = session_.currentRecord();
}

SubsystemEntry::~SubsystemEntry() {
    session_.host().resumeFromSubsystem();
    if (session_.active()) {
        session_.selectOrder(orderTag_);
        if (options_.reapplyFilter) session_.applyFilter(filter_);
        session_.goToRecord(record_);
    }
    session_.host().refreshAfterSubsystem();
}

}  // namespace pc::app
