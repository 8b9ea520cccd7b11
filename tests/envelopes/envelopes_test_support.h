#pragma once
// Envelope tests: a scratch home whose sysdata/ holds ENVELOPE.DBF, opened
// as the envelope window opens it (description order), and layout files.
#include <QFile>
#include <QString>

#include "../data/data_test_support.h"
#include "data/system_tables.h"
#include "data/t_apollo.h"
#include "design/base_panel.h"
#include "envelopes/envelope_definition.h"
#include "envelopes/envelope_tables.h"
#include "text/program_paths.h"

namespace pc::test {

class EnvelopeTableTest : public DataTest {
  protected:
    void SetUp() override {
        DataTest::SetUp();
        pc::envelopes::registerEnvelopeTables();
        pc::text::setHome(folder());
        sysdata = pc::text::sysdataDir();
        ASSERT_TRUE(pc::data::openSystemTable(QStringLiteral("ENVELOPE.DBF"), table));
        table.setOrderTagName(QStringLiteral("DESCRIPT"));
        table.first();
    }
    void TearDown() override {
        table.close();
        DataTest::TearDown();
    }

    void touch(const QString& name, const QByteArray& content = "layout") {
        QFile file(sysdata + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    void addRow(const QString& description, int code, const QString& file) {
        pc::envelopes::EnvelopeDefinition d;
        d.description = description;
        d.setCode(code);
        d.layoutFile = file;
        table.insert();
        pc::envelopes::writeEnvelopeSetup(d, table);
        table.post();
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
