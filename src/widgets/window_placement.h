#pragma once
// Saving and restoring where a window sits, and centring windows: main
// windows on the screen, the others over the main window. The arithmetic
// takes the screen as a parameter so it runs without a display.
#include <QRect>
#include <QString>
#include <optional>

class QWidget;

namespace pc::text {
class ProfileFile;
}

namespace pc::widgets {

// class name + "_Placement", with the pixels per inch appended above 96.
QString placementSection(const QString& className, int dotsPerInch);

// A saved rectangle as stored: right and bottom are exclusive edges.
struct SavedPlacement {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool maximized = false;
};

SavedPlacement readPlacement(const text::ProfileFile& ini, const QString& section,
                             bool maximizedDefault);
bool writePlacement(text::ProfileFile& ini, const QString& section,
                    const SavedPlacement& placement);

// Where a saved rectangle goes on `screen`: shifted left and up until its
// right and bottom edges are on the screen, and never above or left of the
// screen's corner. Nothing when the placement was never saved (bottom 0):
// the window is then centred.
std::optional<QRect> restoredRect(const SavedPlacement& saved, const QRect& screen);
// A rectangle of `size` centred on `onto`, using integer division.
QRect centredRect(const QSize& size, const QRect& onto);
// `rect` moved onto `screen`; the top-left corner wins when it does not fit.
QRect keptOnScreen(const QRect& rect, const QRect& screen);
// What a window centres on: the screen for the main window, or when the main
// window is maximised; otherwise the main window.
QRect centringTarget(bool isMainWindow, bool mainMaximized, const QRect& mainGeometry,
                     const QRect& screen);

// The class name without its namespace, as the section name uses it.
QString windowClassName(const QWidget* window);
// Called when a window first shows: read its section from settingsPath(),
// place or centre it, maximise it when it was, then save at once.
void restorePlacement(QWidget* window, QWidget* mainWindow = nullptr);
// Called when a window closes: its normal rectangle and maximised state.
void savePlacement(const QWidget* window);
// Centres `window` over `mainWindow`, or on its screen when `mainWindow`
// is null, is the window itself, or is maximised.
void centreWindow(QWidget* window, const QWidget* mainWindow);

}  // namespace pc::widgets
