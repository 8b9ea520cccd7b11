#pragma once
// Label tests: a scratch home whose sysdata/ holds LABEL.DBF, opened as the
// label window opens it (not deleted records, description order).
#include <QFile>
#include <QString>

#include "../data/data_test_support.h"
#include "data/system_tables.h"
#include "data/t_apollo.h"
#include "labels/label_tables.h"
#include "text/program_paths.h"

namespace pc::test {

class LabelTableTest : public DataTest {
  protected:
    void SetUp() override {
        DataTest::SetUp();
        pc::labels::registerLabelTables();
        pc::text::setHome(folder());
        sysdata = pc::text::sysdataDir();
        ASSERT_TRUE(pc::data::openSystemTable(QStringLiteral("LABEL.DBF"), table));
        pc::data::TApollo apollo(&table);
        ASSERT_TRUE(apollo.setQuery(QStringLiteral("not DELETED()")));
        table.setOrderTagName(QStringLiteral("DESCRIPT"));
        table.first();
    }
    void TearDown() override {
        table.close();
        DataTest::TearDown();
    }

    void touch(const QString& name) {
        QFile file(sysdata + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("layout");
    }
    int rows() {
        int count = 0;
        for (table.first(); !table.eof(); table.next()) ++count;
        return count;
    }

    QString sysdata;
    pc::data::TTable table;
};

}  // namespace pc::test
