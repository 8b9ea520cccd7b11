#pragma once
// New, Modify, Clone and Delete on label layouts: a LABEL.DBF row and its
// layout file in sysdata/ are made, rewritten and removed together. The
// label window calls these; the design surface and the designer window are
// reached through the callbacks, so the work runs without a screen.
#include <QString>
#include <functional>

#include "labels/label_definition.h"

namespace pc::data {
class TTable;
}

namespace pc::labels {

struct LayoutDesignerCalls {
    // Empties the design surface.
    std::function<void()> clearObjects;
    // Loads the file's objects onto the surface; false when it could not be
    // read (the callback tells the user why).
    std::function<bool(const QString& path)> loadObjects;
    // Saves the surface's objects to the file; false when that failed (the
    // callback tells the user why).
    std::function<bool(const QString& path)> saveObjects;
    // Shows the designer on the record (isNew for a new layout) and lets it
    // change the record; true when the user saved.
    std::function<bool(LabelDefinition& definition, bool isNew)> design;
};

// Each returns true when the table changed; Modify, Clone and Delete need a
// current row, and every callback must be set. `folder` is where layout
// files live (sysdata/ of the home when empty). Table failures are reported
// through the message service and leave the row as it was.
bool newLayout(pc::data::TTable& table, const LayoutDesignerCalls& calls,
               const QString& folder = {});
bool modifyLayout(pc::data::TTable& table, const LayoutDesignerCalls& calls,
                  const QString& folder = {});
bool cloneLayout(pc::data::TTable& table, const LayoutDesignerCalls& calls,
                 const QString& folder = {});
bool deleteLayout(pc::data::TTable& table, const QString& folder = {});

// The file name and folder joined, found without regard to letter case.
QString layoutFilePath(const QString& folder, const QString& fileName);

}  // namespace pc::labels
