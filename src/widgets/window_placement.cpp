#include "widgets/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "text/profile_file.h"
#include "text/program_paths.h"

namespace pc::widgets {
namespace {

QScreen* screenOf(const QWidget* window) {
    QScreen* screen = window ? window->screen() : nullptr;
    return screen ? screen : QGuiApplication::primaryScreen();
}

QRect screenRect(const QWidget* window) {
    QScreen* screen = screenOf(window);
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

int dotsPerInch(const QWidget* window) {
    QScreen* screen = screenOf(window);
    return screen ? qRound(screen->logicalDotsPerInch()) : 96;
}

QString sectionFor(const QWidget* window) {
    return placementSection(windowClassName(window), dotsPerInch(window));
}

}  // namespace

QString placementSection(const QString& className, int dotsPerInch) {
    QString section = className + QStringLiteral("_Placement");
    if (dotsPerInch > 96) section += QString::number(dotsPerInch);
    return section;
}

SavedPlacement readPlacement(const text::ProfileFile& ini, const QString& section,
                             bool maximizedDefault) {
    SavedPlacement p;
    p.left = ini.readInt(section, QStringLiteral("Left"), 0);
    p.top = ini.readInt(section, QStringLiteral("Top"), 0);
    p.right = ini.readInt(section, QStringLiteral("Right"), 0);
    p.bottom = ini.readInt(section, QStringLiteral("Bottom"), 0);
    p.maximized = ini.readBool(section, QStringLiteral("Maximized"), maximizedDefault);
    return p;
}

bool writePlacement(text::ProfileFile& ini, const QString& section, const SavedPlacement& p) {
    return ini.writeStrings(section, {{QStringLiteral("Left"), QString::number(p.left)},
                                      {QStringLiteral("Top"), QString::number(p.top)},
                                      {QStringLiteral("Right"), QString::number(p.right)},
                                      {QStringLiteral("Bottom"), QString::number(p.bottom)},
                                      {QStringLiteral("Maximized"),
                                       p.maximized ? QStringLiteral("1") : QStringLiteral("0")}});
}

std::optional<QRect> restoredRect(const SavedPlacement& saved, const QRect& screen) {
    if (saved.bottom == 0) return std::nullopt;
    QRect r(QPoint(saved.left, saved.top), QPoint(saved.right - 1, saved.bottom - 1));
    if (r.width() <= 0 || r.height() <= 0) return std::nullopt;
    const int screenRight = screen.x() + screen.width();
    const int screenBottom = screen.y() + screen.height();
    if (saved.right > screenRight) r.translate(screenRight - saved.right, 0);
    if (saved.bottom > screenBottom) r.translate(0, screenBottom - saved.bottom);
    // Keep the title bar reachable when the window is larger than the screen
    // or was saved beyond its top-left corner.
    if (r.left() < screen.x()) r.moveLeft(screen.x());
    if (r.top() < screen.y()) r.moveTop(screen.y());
    return r;
}

QRect centredRect(const QSize& size, const QRect& onto) {
    return QRect(onto.x() + (onto.width() - size.width()) / 2,
                 onto.y() + (onto.height() - size.height()) / 2, size.width(), size.height());
}

QRect keptOnScreen(const QRect& rect, const QRect& screen) {
    QRect r = rect;
    if (r.right() > screen.right()) r.moveRight(screen.right());
    if (r.bottom() > screen.bottom()) r.moveBottom(screen.bottom());
    if (r.left() < screen.left()) r.moveLeft(screen.left());
    if (r.top() < screen.top()) r.moveTop(screen.top());
    return r;
}

QRect centringTarget(bool isMainWindow, bool mainMaximized, const QRect& mainGeometry,
                     const QRect& screen) {
    return (isMainWindow || mainMaximized) ? screen : mainGeometry;
}

QString windowClassName(const QWidget* window) {
    const QString name = QString::fromLatin1(window->metaObject()->className());
    const qsizetype colons = name.lastIndexOf(QLatin1String("::"));
    return colons < 0 ? name : name.mid(colons + 2);
}

void restorePlacement(QWidget* window, QWidget* mainWindow) {
    text::ProfileFile ini(text::settingsPath());
    const SavedPlacement saved = readPlacement(ini, sectionFor(window), window->isMaximized());
    if (const std::optional<QRect> rect = restoredRect(saved, screenRect(window))) {
        window->setGeometry(*rect);
    } else {
        centreWindow(window, mainWindow);
    }
    if (saved.maximized) window->setWindowState(window->windowState() | Qt::WindowMaximized);
    savePlacement(window);
}

void savePlacement(const QWidget* window) {
    const QRect r = window->isMaximized() || window->isMinimized() ? window->normalGeometry()
                                                                   : window->geometry();
    SavedPlacement p{r.x(), r.y(), r.x() + r.width(), r.y() + r.height(), window->isMaximized()};
    text::ProfileFile ini(text::settingsPath());
    writePlacement(ini, sectionFor(window), p);
}

void centreWindow(QWidget* window, const QWidget* mainWindow) {
    const bool isMain = mainWindow == nullptr || mainWindow == window;
    const bool mainMaximized = !isMain && mainWindow->isMaximized();
    const QRect mainRect = isMain ? QRect() : mainWindow->geometry();
    const QRect screen = screenRect(window);
    const QRect target = centringTarget(isMain, mainMaximized, mainRect, screen);
    // A window not yet shown still has its default size; its layout decides
    // the size it will open at.
    if (!window->isVisible() && !window->testAttribute(Qt::WA_Resized)) window->adjustSize();
    window->setGeometry(keptOnScreen(centredRect(window->size(), target), screen));
}

}  // namespace pc::widgets
