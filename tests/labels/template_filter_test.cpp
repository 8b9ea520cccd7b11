// The template dialog's filter and the entries a layout's stock preselects.
#include <gtest/gtest.h>

#include "labels/label_template_filter.h"

namespace pc::labels {
namespace {

TEST(TemplateFilterTest, PartsFollowTheListsAndTheEuropeanBox) {
    EXPECT_EQ(templateFilter("Avery Dot Matrix", 6, true),
              " UPPER(manufac)=\"AVERY\"  and  UPPER(printer)=\"DM\"  and "
              " (\"A4\"$UPPER(PAPERSIZE) OR \"A5\"$UPPER(PAPERSIZE))");
    EXPECT_EQ(templateFilter("Avery Laserjet", 0, false),
              " UPPER(manufac)=\"AVERY\"  and  UPPER(printer)=\"LJ\"  and "
              " UPPER(PRODTYPE)=\"ADDRESS/SHIPPING LABELS\" ");
    EXPECT_EQ(templateFilter("Costar LabelPrinter", 3, false),
              " UPPER(manufac)=\"COSTAR\"  and  UPPER(printer)=\"LP\"  and "
              " UPPER(PRODTYPE)=\"FILE FOLDER LABELS\" ");
    EXPECT_EQ(templateFilter("NEBS Laserjet", 5, false),
              " UPPER(manufac)=\"NEBS\"  and  UPPER(printer)=\"LJ\"  and "
              " UPPER(PRODTYPE)=\"MISCELLANEOUS\" ");
    EXPECT_EQ(templateFilter("Avery Inkjet", 1, false).count("IJ"), 1);
    // A part on its own has no joiner in front.
    EXPECT_EQ(templateFilter("", 2, false), " UPPER(PRODTYPE)=\"DISKETTE LABELS\" ");
    EXPECT_EQ(templateFilter("", 6, true), " (\"A4\"$UPPER(PAPERSIZE) OR \"A5\"$UPPER(PAPERSIZE))");
    EXPECT_EQ(templateFilter("", 6, false), "");
}

TEST(TemplateFilterTest, AUserStockStartsOnAveryLaserAddressLabels) {
    const TemplatePreselection user = preselectTemplate({"USER", "", "", ""}, false);
    EXPECT_EQ(user.manufacturerIndex, 0);
    EXPECT_EQ(templateProductTypeEntries()[user.productTypeIndex], "Address/Shipping Labels");
    EXPECT_FALSE(user.lookForTemplate);

    const TemplatePreselection ignored =
        preselectTemplate({"COSTAR", "LP", "FILE FOLDER LABELS", "x"}, true);
    EXPECT_EQ(ignored.manufacturerIndex, 0);
    EXPECT_EQ(ignored.productTypeIndex, 0);
    EXPECT_FALSE(ignored.lookForTemplate);
}

TEST(TemplateFilterTest, TheCurrentStockChoosesItsEntries) {
    struct Case {
        const char* maker;
        const char* printer;
        const char* type;
        int manufacturer;
        int productType;
    };
    const Case cases[] = {
        {"AVERY", "LJ", "ADDRESS/SHIPPING LABELS", 0, 0}, {"avery", "IJ", "Card Products", 1, 1},
        {"AVERY", "DM", "INDEX PRODUCTS", 2, 4},          {"COSTAR", "LP", "DISKETTE LABELS", 3, 2},
        {"OTHER", "LJ", "ADDRESS LABELS", 0, 6},  // unknown maker; type not listed: All
        {"NEBS", "LJ", "MISCELLANEOUS", -1, 5},   // not in this list
    };
    for (const Case& c : cases) {
        const TemplatePreselection p = preselectTemplate({c.maker, c.printer, c.type, "T"}, false);
        EXPECT_EQ(p.manufacturerIndex, c.manufacturer) << c.maker << ' ' << c.printer;
        EXPECT_EQ(p.productTypeIndex, c.productType) << c.type;
        EXPECT_TRUE(p.lookForTemplate);
    }
    const QStringList withNebs{"Avery Laserjet", "NEBS Laserjet", "NEBS Dot Matrix"};
    EXPECT_EQ(preselectTemplate({"NEBS", "DM", "", ""}, false, withNebs).manufacturerIndex, 2);
}

}  // namespace
}  // namespace pc::labels
