// The delivered stock table and pictures: the table opens through the
// engine from a fresh home, holds sane stocks of every kind the template
// dialog offers, and every picture it names is built in.
#include <QDir>
#include <QFileInfo>

#include "data/t_apollo.h"
#include "labels/label_template_filter.h"
#include "labels/stock_art.h"
#include "labels/template_table.h"
#include "labels_test_support.h"

namespace pc::test {
namespace {

class DeliveredStockTest : public LabelTableTest {
  protected:
    void SetUp() override {
        LabelTableTest::SetUp();
        ASSERT_TRUE(pc::labels::provideTemplateTable(sysdata, PC_SOURCE_SYSDATA_DIR));
        ASSERT_TRUE(pc::labels::openTemplateTable(templates));
    }
    void TearDown() override {
        templates.close();
        LabelTableTest::TearDown();
    }
    double number(const char* field) const { return text(templates, field).trimmed().toDouble(); }
    int matching(const QString& filter) {
        pc::data::TApollo apollo(&templates);
        EXPECT_TRUE(apollo.setQuery(filter)) << filter.toStdString();
        return apollo.queryRecCount();
    }
    pc::data::TTable templates;
};

TEST_F(DeliveredStockTest, EveryStockFitsItsSheet) {
    EXPECT_TRUE(QFileInfo::exists(sysdata + "LBLTPL.CDX")) << "the index is made on first open";
    int count = 0;
    QString previous;
    QStringList art;
    for (templates.first(); !templates.eof(); templates.next(), ++count) {
        const QString what = text(templates, "DESCRIPT");
        SCOPED_TRACE(what.toStdString());
        EXPECT_LE(previous.toUpper(), what.toUpper()) << "description order";
        previous = what;
        const int across = static_cast<int>(number("NBRACROSS"));
        const int down = static_cast<int>(number("NBRDOWN"));
        ASSERT_GE(across, 1);
        ASSERT_GE(down, 1);
        EXPECT_GT(number("LBLHEIGHT"), 0.2);
        EXPECT_GT(number("LBLWIDTH"), 0.3);
        if (across > 1) {
            EXPECT_GE(number("HORIZPITCH") + 0.002, number("LBLWIDTH"));
        }
        if (down > 1) {
            EXPECT_GE(number("VERTPITCH") + 0.002, number("LBLHEIGHT"));
        }
        const double right =
            number("LEFTMARG") + (across - 1) * number("HORIZPITCH") + number("LBLWIDTH");
        const double bottom =
            number("TOPMARG") + (down - 1) * number("VERTPITCH") + number("LBLHEIGHT");
        EXPECT_LE(right, number("SHEETWIDTH") + 0.011);
        EXPECT_LE(bottom, number("SHEETDEPTH") + 0.011);
        EXPECT_TRUE(QStringList({"RR", "SR", "EL"}).contains(text(templates, "LBLSHAPE")));
        if (!text(templates, "ART").isEmpty()) art << text(templates, "ART");
    }
    EXPECT_GE(count, 300);
    art.removeDuplicates();
    EXPECT_EQ(art.size(), 25);
    for (const QString& name : art) {
        EXPECT_FALSE(pc::labels::stockArtPicture(name).isNull()) << name.toStdString();
    }
    EXPECT_EQ(pc::labels::stockArtNames().size(), 25);
}

TEST_F(DeliveredStockTest, EveryManufacturerAndProductEntryFindsStocks) {
    const QStringList makers = pc::labels::templateManufacturerEntries();
    for (const QString& maker : makers) {
        EXPECT_GT(matching(pc::labels::templateFilter(maker, 6, false)), 0) << maker.toStdString();
        EXPECT_GT(matching(pc::labels::templateFilter(maker, 0, false)), 0) << maker.toStdString();
    }
    for (int type = 0; type < 6; ++type) {
        EXPECT_GT(matching(pc::labels::templateFilter("Avery Laserjet", type, false)), 0) << type;
    }
    EXPECT_GE(matching(pc::labels::templateFilter("Avery Laserjet", 6, true)), 20) << "A4 stocks";
    const int defaults = matching(" UPPER(DESCRIPT)=\"AVERY 5160  ADDRESS\" ");
    EXPECT_EQ(defaults, 1) << "the built-in stock is a template";
}

TEST_F(DeliveredStockTest, PicturesBecomeSilverOutlinesOfTheLabelSize) {
    const QImage backdrop = pc::labels::stockArtBackdrop("av5160.bmp", QSize(252, 96));
    ASSERT_FALSE(backdrop.isNull());
    EXPECT_EQ(backdrop.size(), QSize(252, 96));
    EXPECT_EQ(backdrop.pixel(126, 48), qRgb(255, 255, 255));
    EXPECT_EQ(backdrop.pixel(126, 0), qRgb(0xC0, 0xC0, 0xC0));
    EXPECT_TRUE(pc::labels::stockArtBackdrop("NOSUCH", QSize(10, 10)).isNull());
    EXPECT_TRUE(pc::labels::stockArtBackdrop("", QSize(10, 10)).isNull());
}

TEST_F(DeliveredStockTest, AHomeWithoutTheTableGetsItOnceAndKeepsItsOwn) {
    const QString other = folder() + "other/";
    QDir().mkpath(other);
    EXPECT_FALSE(pc::labels::provideTemplateTable(other, folder() + "nowhere/"));
    ASSERT_TRUE(pc::labels::provideTemplateTable(other, PC_SOURCE_SYSDATA_DIR));
    EXPECT_EQ(QFileInfo(other + "LBLTPL.DBF").size(),
              QFileInfo(QStringLiteral(PC_SOURCE_SYSDATA_DIR) + "/LBLTPL.DBF").size());
    EXPECT_FALSE(QFileInfo::exists(other + "LBLTPL.DBF.part"));
}

}  // namespace
}  // namespace pc::test
