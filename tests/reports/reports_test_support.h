#pragma once
// Report tests: a scratch home whose sysdata/ holds REPORT.DBF, opened as
// the main window opens it (not deleted rows, description order).
#include <QString>

#include "../data/data_test_support.h"
#include "data/system_tables.h"
#include "data/t_apollo.h"
#include "reports/report_tables.h"
#include "text/program_paths.h"

namespace pc::test {

class ReportTableTest : public DataTest {
  protected:
    void SetUp() override {
        DataTest::SetUp();
        pc::reports::registerReportTables();
        pc::text::setHome(folder());
        sysdata = pc::text::sysdataDir();
        ASSERT_TRUE(pc::data::openSystemTable(QStringLiteral("REPORT.DBF"), reports));
        pc::data::TApollo apollo(&reports);
        ASSERT_TRUE(apollo.setQuery(QStringLiteral("not DELETED()")));
        reports.setOrderTagName(QStringLiteral("DESCRIPT"));
        reports.first();
    }
    void TearDown() override {
        reports.close();
        DataTest::TearDown();
    }
    int rows() {
        int count = 0;
        for (reports.first(); !reports.eof(); reports.next()) ++count;
        return count;
    }

    QString sysdata;
    pc::data::TTable reports;
};

}  // namespace pc::test
