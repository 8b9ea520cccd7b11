#include "records/browse_entry.h"

#include "data/session.h"
#include "records/address_browse.h"

namespace pc::records {

int browseRecords(pc::data::Session& session, int startRecord, QWidget* parent) {
    TAddressBrowse browse(
        &session.table(), [&session] { return session.tagId(); }, startRecord, parent);
    browse.exec();
    return browse.currentRecord();
}

}  // namespace pc::records
