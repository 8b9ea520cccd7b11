#pragma once
// New, Modify, Clone and Delete on envelope layouts: an ENVELOPE.DBF row
// and its BIN#####.E file in sysdata/ are made, rewritten and removed
// together. The designer and the design surface are reached through the
// callbacks, so the work runs without a screen.
#include <QString>
#include <functional>

#include "envelopes/envelope_definition.h"

namespace pc::data {
class TTable;
}

namespace pc::envelopes {

struct EnvelopeDesignerCalls {
    std::function<void()> clearObjects;
    // Loads the file's objects onto the surface; false when unreadable (the
    // callback tells the user why).
    std::function<bool(const QString& path)> loadObjects;
    // Saves the surface's objects (without merged data); false on failure
    // (the callback tells the user why).
    std::function<bool(const QString& path)> saveObjects;
    // Shows the designer; true when the user saved, with the description
    // and size code taken back into the definition.
    std::function<bool(EnvelopeDefinition& definition)> design;
};

// Each returns true when the table changed. `folder` is where layout files
// live (sysdata/ of the home when empty). Table failures are reported
// through the message service and leave the table as it was.
//
// Modify: the current row (or, while `current.isNew` is set, a new layout
// of the current size) in the designer; a Save writes row and file. The
// new-layout flag is cleared whatever happens.
bool modifyEnvelope(pc::data::TTable& table, EnvelopeDefinition& current,
                    const EnvelopeDesignerCalls& calls, const QString& folder = {});
// New: a layout of the chosen size code, through Modify.
bool newEnvelope(pc::data::TTable& table, EnvelopeDefinition& current, int sizeCode,
                 const EnvelopeDesignerCalls& calls, const QString& folder = {});
// Clone (after the "CLONE" question): a row "Clone of " + description with
// a byte copy of the layout file under a new name; a missing file is not
// copied and not reported.
bool cloneEnvelope(pc::data::TTable& table, const QString& folder = {});
// Delete (after the "DELETE" question): the row and its layout file.
bool deleteEnvelope(pc::data::TTable& table, const QString& folder = {});

// The layout file of a row in the folder, found without regard to case.
QString envelopeLayoutPath(const QString& folder, const QString& fileName);

}  // namespace pc::envelopes
