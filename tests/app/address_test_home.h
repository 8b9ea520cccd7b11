#pragma once
// A scratch Postcraft home with an address database that tests fill with
// people, for the browse, rebuild and new-database tests.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <map>

#include "data/address_database.h"
#include "data/address_schema.h"
#include "data/new_file_field_lengths.h"
#include "data/t_apollo_env.h"
#include "data/t_table.h"
#include "scratch_home.h"
#include "text/message_service.h"
#include "text/profile_file.h"
#include "text/program_paths.h"
#include "xbase/engine.h"

namespace pc::app::test {

class AddressHome : public ::testing::Test {
  protected:
    void SetUp() override {
        home = makeScratchHome(tempHome);
        ini().writeString("Misc", "GlobalTagId", "TAG0001");
        // The program's engine settings: deletion-marked records stay out of moves.
        pc::data::TApolloEnv().activate();
    }
    void TearDown() override {
        if (table.active()) table.close();
        sx_CloseAll();
    }

    pc::text::ProfileFile ini() const { return pc::text::ProfileFile(home + "POSTCR.ini"); }

    // Creates DATA/<name>.DBF and opens it into `table`.
    QString openNewTable(const QString& name = "people") {
        const QString path = home + "DATA/" + name + ".DBF";
        pc::data::TTable creation;
        EXPECT_TRUE(pc::data::createAddressTable(path, pc::data::NewFileFieldLengths(), creation));
        pc::data::defineAddressFields(table, [] { return QStringLiteral("TAG0001"); });
        table.setExclusive(true);
        EXPECT_TRUE(pc::data::OpenPKWFile(path, table));
        return path;
    }

    void add(const std::map<QString, QString>& values) {
        table.insert();
        for (const auto& [field, value] : values) table.fieldByName(field).setText(value);
        table.post();
    }

    QTemporaryDir tempHome;
    QString home;
    pc::text::ScopedRecordingMessages messages;
    pc::data::TTable table;
};

}  // namespace pc::app::test
