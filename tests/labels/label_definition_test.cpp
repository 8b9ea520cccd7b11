// The label definition record against LABEL.DBF: defaults, rounding and
// the description's length.
#include "labels/label_definition.h"

#include "labels_test_support.h"

namespace pc::test {
namespace {

using pc::labels::LabelDefinition;

class LabelDefinitionTest : public LabelTableTest {};

TEST_F(LabelDefinitionTest, AnEmptyTableReadsAsTheBuiltInStock) {
    const LabelDefinition d = pc::labels::readLabelDefinition(table);
    EXPECT_EQ(d.description, "Default Label Setup");
    EXPECT_FLOAT_EQ(d.labelHeight, 1.0f);
    EXPECT_FLOAT_EQ(d.labelWidth, 2.625f);
    EXPECT_EQ(d.across, 3);
    EXPECT_EQ(d.down, 10);
    EXPECT_FLOAT_EQ(d.leftMargin, 0.188f);
    EXPECT_FLOAT_EQ(d.horizontalPitch, 2.75f);
    EXPECT_EQ(d.templateDescription, "Avery 5160  Address");
    EXPECT_EQ(d.productType, "ADDRESS LABELS");
    EXPECT_TRUE(d.layoutFile.isEmpty());
    EXPECT_EQ(rows(), 0) << "reading the defaults writes nothing";

    const LabelDefinition fresh = pc::labels::newLabelDefinition();
    EXPECT_FLOAT_EQ(fresh.horizontalPitch, 2.765f);
    EXPECT_FLOAT_EQ(fresh.verticalPitch, 1.01f);
    EXPECT_EQ(fresh.productType, "ADDRESS/SHIPPING LABELS");
    EXPECT_EQ(fresh.templateDescription, d.templateDescription);
}

TEST_F(LabelDefinitionTest, RowsKeepInchesToThreeDecimalsAndFiftyCharacters) {
    LabelDefinition d = pc::labels::newLabelDefinition();
    d.description = QString(60, QLatin1Char('D'));
    d.labelWidth = 2.6251f;
    d.labelHeight = 1.0004f;
    d.topMargin = 0.4996f;
    d.extraX = 0.125;
    d.layoutFile = "BIN00007.L";
    table.insert();
    pc::labels::writeLabelDefinition(d, table);
    table.post();
    table.close();

    ASSERT_TRUE(pc::data::openSystemTable(QStringLiteral("LABEL.DBF"), table));
    table.first();
    const LabelDefinition back = pc::labels::readLabelDefinition(table);
    EXPECT_EQ(back.description, QString(50, QLatin1Char('D')));
    EXPECT_EQ(table.fieldByName("LBLWIDTH").text().trimmed(), "2.625");
    EXPECT_FLOAT_EQ(back.labelWidth, 2.625f);
    EXPECT_FLOAT_EQ(back.labelHeight, 1.0f);
    EXPECT_FLOAT_EQ(back.topMargin, 0.5f);
    EXPECT_DOUBLE_EQ(back.extraX, 0.125);
    EXPECT_EQ(back.layoutFile, "BIN00007.L");
    EXPECT_EQ(back.across, 3);
    EXPECT_EQ(back.paperSize, "LTR");
    EXPECT_FLOAT_EQ(pc::labels::roundedInches(2.6251f), 2.625f);
    EXPECT_FLOAT_EQ(pc::labels::roundedInches(0.1876f), 0.188f);
}

}  // namespace
}  // namespace pc::test
