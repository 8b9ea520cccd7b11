#pragma once
// An address table in a scratch home, filled by the utility tests with a
// few people, and read back record by record.
#include <QStringList>

#include "address_test_home.h"
#include "data/t_apollo.h"
#include "data/t_field.h"
#include "xbase/engine.h"

namespace pc::maintenance::test {

class UtilityTable : public pc::app::test::AddressHome {
  protected:
    void SetUp() override {
        AddressHome::SetUp();
        path = openNewTable();
    }

    // Appends a record of LNAME, FNAME, STREET (and any more fields).
    int person(const QString& last, const QString& first, const QString& street = {},
               std::map<QString, QString> more = {}) {
        more["LNAME"] = last;
        more["FNAME"] = first;
        more["STREET"] = street;
        add(more);
        return table.recNo();
    }

    // A stored field of a record, read without moving the table object.
    QString valueOf(int record, const QString& field) {
        const int area = sx_Select(table.workArea());
        const int saved = sx_RecNo();
        sx_Go(record);
        const QString value = QString::fromStdString(sx_GetTrimString(field.toUtf8().constData()));
        sx_Go(saved);
        sx_Select(area);
        return value;
    }
    bool deletionMarked(int record) {
        const int area = sx_Select(table.workArea());
        const int saved = sx_RecNo();
        sx_Go(record);
        const bool marked = sx_Deleted();
        sx_Go(saved);
        sx_Select(area);
        return marked;
    }
    int records() { return pc::data::TApollo(&table).recCount(); }

    QString path;
};

}  // namespace pc::maintenance::test
