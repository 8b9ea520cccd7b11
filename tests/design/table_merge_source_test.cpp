// A data object merging from a real address table: display labels, hidden
// fields kept out of the choice, memo text.
#include "design/table_merge_source.h"

#include <gtest/gtest.h>

#include "data/data_test_support.h"
#include "design/data_label.h"
#include "design_test_host.h"

using namespace pc::design;

class TableMergeSourceTest : public pc::test::DataTest {};

TEST_F(TableMergeSourceTest, OffersVisibleCharacterFieldsAndMergesTheRecord) {
    pc::data::TTable table;
    openAddress(table, newAddressTable());
    add(table, "Smith", "Ann", "12345");
    table.edit();
    table.fieldByName("MEMO").setText("line one\r\nline two");
    table.post();

    TableMergeSource source(table);
    std::vector<MergeField> fields = source.fields();
    ASSERT_FALSE(fields.empty());
    QStringList offered;
    for (const MergeField& f : fields)
        if (f.offered) offered << f.displayLabel;
    EXPECT_TRUE(offered.contains("Last Name"));
    EXPECT_TRUE(offered.contains("Zip/Postal Code"));
    EXPECT_FALSE(offered.contains("MEMO"));     // a memo
    EXPECT_FALSE(offered.contains("Deleted"));  // hidden by the schema
    EXPECT_FALSE(offered.contains("Full Name"));

    EXPECT_EQ(source.text("FNAME"), "Ann");
    EXPECT_EQ(source.text("fname"), "Ann");
    EXPECT_FALSE(source.text("NOSUCH"));
    EXPECT_EQ(source.memo("MEMO"), "line one\r\nline two");

    pc::design::testing::TestHost host;
    host.source = &source;
    TGPDLabel label;
    label.setHost(&host);
    label.setDataFieldDescript("Last Name");
    label.refreshData();
    EXPECT_EQ(label.caption(), "Smith");

    table.close();
    EXPECT_FALSE(source.text("FNAME"));
}
