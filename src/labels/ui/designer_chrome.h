#pragma once
// The parts the label and envelope designers share around their design
// surface: the caption and description rows, the tool bar with its zoom
// arrows and toggle buttons, the scroll box, the bottom button row with the
// four record buttons and their moves, the font dialog of the surface's
// "Font" command, the keys the window takes before the surface (scrolling,
// keypad zoom), and the layout file calls of a design session.
#include <QIcon>
#include <QString>
#include <functional>
#include <vector>

#include "labels/ui/label_tool_icons.h"

class QBoxLayout;
class QButtonGroup;
class QEvent;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QObject;
class QPushButton;
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

// The rows above the tool bar: "<title>" and the caption (named
// `captionName`), "Description:" with its box (60 characters) and the
// default-font button.
struct DesignerHeader {
    QGridLayout* layout;
    QLabel* caption;
    QLineEdit* description;
    QPushButton* defaultFont;
};
DesignerHeader designerHeader(QWidget* parent, const QString& title, const char* captionName);

// One checkable button a tool ("Tool" + state number) in an exclusive group
// whose ids are the states, the pointer (state 0) checked, added to `bar`.
struct ToolButtonEntry {
    int state;
    QIcon icon;
    const char* hint;
};
QButtonGroup* addToolButtons(QWidget* parent, QBoxLayout* bar,
                             const std::vector<ToolButtonEntry>& tools,
                             const std::function<void(int state)>& clicked);
// The same for a designer's own panel states.
template <typename State>
struct DesignerTool {
    State state;
    const char* hint;
};
template <typename State, size_t N, typename IconOf, typename Clicked>
QButtonGroup* addToolButtons(QWidget* parent, QBoxLayout* bar,
                             const DesignerTool<State> (&tools)[N], IconOf iconOf,
                             Clicked clicked) {
    std::vector<ToolButtonEntry> entries;
    for (const DesignerTool<State>& tool : tools)
        entries.push_back({static_cast<int>(tool.state), iconOf(tool.state), tool.hint});
    return addToolButtons(parent, bar, entries,
                          [clicked](int state) { clicked(static_cast<State>(state)); });
}
// The zoom arrows and the zoom caption ("100%", returned), added to `bar`.
QLabel* addZoomButtons(QWidget* parent, QBoxLayout* bar, const std::function<void()>& zoomIn,
                       const std::function<void()>& zoomOut);
// The scroll box the surface sits in, centred on a darker background.
QScrollArea* designerScrollBox(QWidget* parent, QWidget* surface);

// The bottom row: "Save" (default), "Cancel", the change button, the four
// record buttons between stretches, "Help" last.
struct DesignerButtons {
    QHBoxLayout* row;
    QPushButton* save;
    QPushButton* cancel;
    QPushButton* change;
    QPushButton* help;
};
DesignerButtons designerButtonRow(QWidget* parent, const QString& changeText,
                                  const char* changeName, bool recordsEnabled,
                                  const std::function<void(int which)>& recordClicked);

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
