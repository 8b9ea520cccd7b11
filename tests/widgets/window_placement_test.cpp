#include "widgets/window_placement.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QMainWindow>
#include <QScreen>
#include <QTemporaryDir>

#include "text/profile_file.h"
#include "text/program_paths.h"

using namespace pc::text;
using namespace pc::widgets;

namespace {

const QRect kScreen(0, 0, 1280, 1024);

TEST(PlacementSection, DotsPerInchAppendedAbove96) {
    EXPECT_EQ(placementSection("TAddressMain", 96), "TAddressMain_Placement");
    EXPECT_EQ(placementSection("TAddressMain", 72), "TAddressMain_Placement");
    EXPECT_EQ(placementSection("TAddressMain", 120), "TAddressMain_Placement120");
}

TEST(RestoredRect, UnsavedPlacementIsCentred) {
    EXPECT_FALSE(restoredRect({}, kScreen));
    EXPECT_FALSE(restoredRect({10, 10, 500, 0, false}, kScreen));
}

TEST(RestoredRect, KeptWhenOnScreen) {
    EXPECT_EQ(restoredRect({100, 50, 740, 530, false}, kScreen), QRect(100, 50, 640, 480));
}

TEST(RestoredRect, ShiftedBackWhenPastRightOrBottom) {
    // Saved on a larger screen: right 1500 > 1280, bottom 1100 > 1024.
    EXPECT_EQ(restoredRect({900, 700, 1500, 1100, false}, kScreen), QRect(680, 624, 600, 400));
    // Exactly touching the edges is fine.
    EXPECT_EQ(restoredRect({680, 624, 1280, 1024, false}, kScreen), QRect(680, 624, 600, 400));
}

TEST(RestoredRect, NeverAboveOrLeftOfTheScreen) {
    EXPECT_EQ(restoredRect({-50, -20, 590, 460, false}, kScreen), QRect(0, 0, 640, 480));
    // Larger than the screen: the top-left corner stays reachable.
    EXPECT_EQ(restoredRect({0, 0, 2000, 1500, false}, kScreen), QRect(0, 0, 2000, 1500));
    // A screen that does not start at the origin.
    const QRect second(1280, 0, 1024, 768);
    EXPECT_EQ(restoredRect({1000, 100, 1400, 400, false}, second), QRect(1280, 100, 400, 300));
}

TEST(Centring, IntegerDivisionAroundTheTarget) {
    EXPECT_EQ(centredRect(QSize(301, 201), QRect(100, 100, 800, 600)), QRect(349, 299, 301, 201));
    // Larger than the target: the offset is negative, halved toward zero.
    EXPECT_EQ(centredRect(QSize(801, 100), QRect(0, 0, 800, 600)), QRect(0, 250, 801, 100));
    EXPECT_EQ(centredRect(QSize(803, 100), QRect(0, 0, 800, 600)), QRect(-1, 250, 803, 100));
}

TEST(Centring, TargetDependsOnTheMainWindow) {
    const QRect main(200, 150, 640, 480);
    EXPECT_EQ(centringTarget(true, false, main, kScreen), kScreen);
    EXPECT_EQ(centringTarget(false, true, main, kScreen), kScreen);
    EXPECT_EQ(centringTarget(false, false, main, kScreen), main);
}

TEST(Centring, KeptOnScreenWithTheTopLeftWinning) {
    EXPECT_EQ(keptOnScreen(QRect(900, 700, 500, 400), kScreen), QRect(780, 624, 500, 400));
    EXPECT_EQ(keptOnScreen(QRect(-20, -5, 300, 200), kScreen), QRect(0, 0, 300, 200));
    // Taller than the screen: the title bar stays reachable.
    EXPECT_EQ(keptOnScreen(QRect(100, 100, 300, 1100), kScreen), QRect(100, 0, 300, 1100));
}

TEST(PlacementFile, RestoreSavesAtOnceUnderTheClassName) {
    QTemporaryDir dir;
    setHome(dir.path());
    QMainWindow main;
    main.setGeometry(100, 100, 600, 400);
    QDialog dialog;
    dialog.resize(200, 100);
    restorePlacement(&dialog, &main);
    EXPECT_EQ(dialog.geometry(), QRect(300, 250, 200, 100));  // centred on the main window

    ProfileFile ini(settingsPath());
    EXPECT_EQ(windowClassName(&dialog), "QDialog");
    const QString section = placementSection("QDialog", dialog.screen()->logicalDotsPerInch());
    EXPECT_EQ(ini.readInt(section, "Left", -1), 300);
    EXPECT_EQ(ini.readInt(section, "Bottom", -1), 350);
    EXPECT_FALSE(ini.readBool(section, "Maximized", true));

    ini.writeStrings(section, {{"Left", "40"}, {"Top", "30"}, {"Right", "240"}, {"Bottom", "130"}});
    QDialog again;
    restorePlacement(&again, &main);
    EXPECT_EQ(again.geometry(), QRect(40, 30, 200, 100));
}

}  // namespace
