#pragma once
// Shared set-up of the import tests: an address table to import into,
// source files and tables, and reading the records back.
#include <QFile>
#include <QStringList>
#include <map>

#include "data/t_apollo.h"
#include "data_test_support.h"
#include "import/import_destination.h"
#include "xbase/engine.h"

namespace pc::test {

class ImportTest : public DataTest {
  public:
    struct NewField {
        const char* name;
        const char* type;
        int width;
    };

  protected:
    void SetUp() override {
        DataTest::SetUp();
        tablePath = newAddressTable();
        ASSERT_TRUE(import::openDestination(tablePath, destination));
    }
    void TearDown() override {
        destination.close();
        DataTest::TearDown();
    }

    QString writeText(const QString& name, const QByteArray& bytes) {
        const QString path = file(name);
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return path;
    }

    // A table of any layout with rows of values in field order.
    QString makeTable(const QString& name, const std::vector<NewField>& fields,
                      const std::vector<QStringList>& rows) {
        const QString path = file(name);
        const QByteArray p = path.toUtf8();
        EXPECT_NE(sx_CreateNew(p.constData(), "SRC", pc::xbase::kDriverCdx,
                               static_cast<int>(fields.size())),
                  0);
        for (const NewField& f : fields) EXPECT_TRUE(sx_CreateField(f.name, f.type, f.width, 0));
        EXPECT_NE(sx_CreateExec(), 0);
        sx_Close();
        data::TTable t;
        EXPECT_TRUE(data::openTableFile(path, t));
        for (const QStringList& row : rows) {
            t.insert();
            for (int i = 0; i < row.size(); ++i) t.field(i).setText(row[i]);
            t.post();
        }
        t.close();
        return path;
    }

    // Every record of the destination: field name to value, non-empty ones.
    std::vector<std::map<QString, QString>> records() {
        std::vector<std::map<QString, QString>> all;
        for (destination.first(); destination.hasCurrentRecord() && !destination.eof();
             destination.next()) {
            std::map<QString, QString> r;
            for (int i = 0; i < destination.fieldCount(); ++i) {
                const data::TField& f = destination.field(i);
                if (!f.text().isEmpty() && f.name() != u"ISDEL") r[f.name()] = f.text();
            }
            all.push_back(r);
            if (destination.recNo() >= data::TApollo(&destination).recCount()) break;
        }
        return all;
    }

    QString tablePath;
    data::TTable destination;
};

}  // namespace pc::test
