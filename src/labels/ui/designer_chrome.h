#pragma once
// The parts the label and envelope designers share around their design
// surface: toggle buttons, the four record buttons and their moves, the
// font dialog of the surface's "Font" command, and the keys the window
// takes before the surface (scrolling, keypad zoom), and the layout file
// calls of a design session.
#include <QString>
#include <functional>

#include "labels/ui/label_tool_icons.h"

class QBoxLayout;
class QEvent;
class QObject;
class QScrollArea;
class QToolButton;
class QWidget;

namespace pc::data {
class TTable;
}
namespace pc::design {
class TGBasePanel;
}
namespace pc::design::ui {
class SurfaceWidget;
}

namespace pc::labels {

// A design session's layout file calls: false after telling the user why
// (through the message service).
bool loadLayoutOrTell(design::TGBasePanel& panel, const QString& path);
bool saveLayoutOrTell(design::TGBasePanel& panel, const QString& path);

QToolButton* designerToggleButton(QWidget* parent, DesignerToggle kind, const char* hint,
                                  const char* name);

// First, prior, next and last (0 to 3) as tool buttons "RecordButton0" to
// "RecordButton3", added to `into`.
void addRecordButtons(QWidget* parent, QBoxLayout* into, bool enabled,
                      const std::function<void(int which)>& clicked);
// Moves the table; false when it is missing, closed or refused the move.
bool moveAddressRecord(pc::data::TTable* table, int which);

// The "Font" command of the surface opens the platform's font dialog.
void useFontDialog(design::ui::SurfaceWidget& surface, QWidget* parent);

// A designer's event filter: Page Up/Down and Home/End scroll the work
// area, keypad plus and minus (on release) zoom, other keys of controls
// other than the surface go to the surface. True when the event was taken.
bool designerKeyEvent(QObject* watched, QEvent* event, design::ui::SurfaceWidget* surface,
                      QScrollArea* scroll, const std::function<void()>& zoomIn,
                      const std::function<void()>& zoomOut);

}  // namespace pc::labels
