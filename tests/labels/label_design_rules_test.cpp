#include "labels/label_design_rules.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "text/program_paths.h"

using namespace pc::labels;

namespace {

TEST(LabelDesignRules, ZoomReachesFiftyToOneHundredFiftyPercentInFiveSteps) {
    float zoom = 1.0f;
    QStringList captions;
    for (int i = 0; i < 6; ++i) {
        zoom = zoomedIn(zoom);
        captions << zoomCaption(zoom);
    }
    EXPECT_EQ(captions, QStringList({"110%", "120%", "130%", "140%", "150%", "150%"}));
    EXPECT_GT(zoom, 1.5f);  // single precision stopped it just above

    zoom = 1.0f;
    captions.clear();
    for (int i = 0; i < 6; ++i) {
        zoom = zoomedOut(zoom);
        captions << zoomCaption(zoom);
    }
    EXPECT_EQ(captions, QStringList({"90%", "80%", "70%", "60%", "50%", "50%"}));
    EXPECT_LT(zoom, 0.5f);
}

TEST(LabelDesignRules, DefaultFontIsKeptInTheSettings) {
    QTemporaryDir home;
    pc::text::setHome(home.path());
    EXPECT_EQ(defaultFontCaption(readDefaultFont()), "Default Font: Arial, 10 pt ");
    writeDefaultFont({"Times New Roman", 14, true, true});
    const DefaultFont font = readDefaultFont();
    EXPECT_EQ(defaultFontCaption(font), "Default Font: Times New Roman, 14 pt , bold, italic");
}

TEST(LabelDesignRules, SurfaceSizeAndBarcodeWidth) {
    EXPECT_EQ(labelSurfaceSize(2.625, 1.0), QSize(252, 96));
    EXPECT_EQ(labelSurfaceSize(4.0, 1.4375), QSize(384, 138));
    EXPECT_FALSE(postnetFits(2.625));
    EXPECT_TRUE(postnetFits(2.85));
    EXPECT_TRUE(postnetFits(4.0));
}

}  // namespace
