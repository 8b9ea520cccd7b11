#pragma once
// Shared set-up of the table-layer tests: a scratch folder, the program's
// engine settings, recorded message boxes, and a small address table.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <ostream>

#include "data/address_database.h"
#include "data/address_schema.h"
#include "data/new_file_field_lengths.h"
#include "data/t_apollo_env.h"
#include "data/t_table.h"
#include "qstring_printer.h"
#include "test_support.h"
#include "text/message_service.h"
#include "text/profile_file.h"
#include "text/stored_date.h"
#include "xbase/engine.h"


namespace pc::test {

class DataTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(pc::data::TApolloEnv().activate());
        pc::text::setDisplayDateFormat(QStringLiteral("dd.mm.yyyy"));
    }
    void TearDown() override { sx_CloseAll(); }

    QString file(const QString& name) const {
        return QString::fromStdString(dir.file(name.toStdString()));
    }
    QString folder() const { return QString::fromStdString(dir.path().string()) + '/'; }

    // A new, empty address database with default widths.
    QString newAddressTable(const QString& name = QStringLiteral("ADD0001.DBF")) {
        pc::data::TTable creation;
        const QString path = file(name);
        EXPECT_TRUE(pc::data::createAddressTable(path, pc::data::NewFileFieldLengths(), creation))
            << messages->texts().join('|').toStdString();
        return path;
    }

    // Opens an address database into `table` with the address field objects.
    void openAddress(pc::data::TTable& table, const QString& path, QString tagId = {}) {
        pc::data::defineAddressFields(table, [tagId] { return tagId; });
        ASSERT_TRUE(pc::data::openTableFile(path, table));
    }

    // Adds a record through the table layer.
    static void add(pc::data::TTable& table, const QString& lname, const QString& fname = {},
                    const QString& zip = {}) {
        table.insert();
        table.fieldByName(QStringLiteral("LNAME")).setText(lname);
        table.fieldByName(QStringLiteral("FNAME")).setText(fname);
        table.fieldByName(QStringLiteral("ZIP")).setText(zip);
        table.post();
    }

    static QString text(const pc::data::TTable& table, const char* field) {
        return table.fieldByName(QString::fromLatin1(field)).text();
    }

    TempDir dir;
    pc::text::ScopedRecordingMessages messages;
};

}  // namespace pc::test
