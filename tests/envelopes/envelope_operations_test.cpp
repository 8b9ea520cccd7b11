// ENVELOPE.DBF rows and their layout files: reading and writing the
// current definition, file names, and New, Modify, Clone and Delete.
#include <QDir>

#include "envelopes/envelope_layout_operations.h"
#include "envelopes_test_support.h"

namespace pc::envelopes {
namespace {

class EnvelopeOperationsTest : public pc::test::EnvelopeTableTest {
  protected:
    // Designer calls that record what happened and save a small file.
    EnvelopeDesignerCalls calls(bool save = true, QString description = {}, int code = 0) {
        EnvelopeDesignerCalls c;
        c.clearObjects = [this] { ++cleared; };
        c.loadObjects = [this](const QString& path) {
            loaded = path;
            return true;
        };
        c.saveObjects = [this](const QString& path) {
            saved = path;
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write("saved") == 5;
        };
        c.design = [this, save, description, code](EnvelopeDefinition& d) {
            shown = d;
            if (!description.isEmpty()) d.description = description;
            if (code) d.code = code;
            return save;
        };
        return c;
    }
    int cleared = 0;
    QString loaded, saved;
    EnvelopeDefinition shown;
};

TEST_F(EnvelopeOperationsTest, SetupRoundTripsAndEmptyTableReadsEnvelopeTen) {
    EnvelopeDefinition d;
    d.layoutFile = "KEEP.E";
    d.description = "x";
    d.setCode(30);
    readEnvelopeSetup(table, d);  // empty table
    EXPECT_EQ(d.description, "Envelope #10");
    EXPECT_EQ(d.code, 20);
    EXPECT_DOUBLE_EQ(d.length, 9.5);
    EXPECT_EQ(d.layoutFile, "KEEP.E");

    addRow("Wide", 30, "BIN00007.E");
    table.first();
    readEnvelopeSetup(table, d);
    EXPECT_EQ(d.description, "Wide");
    EXPECT_EQ(d.code, 30);
    EXPECT_DOUBLE_EQ(d.length, 12.96);
    EXPECT_DOUBLE_EQ(d.depth, 9.16);
    EXPECT_EQ(d.layoutFile, "BIN00007.E");

    // While a new layout is being made, the row is not read.
    EnvelopeDefinition fresh;
    fresh.isNew = true;
    fresh.setCode(35);
    readEnvelopeSetup(table, fresh);
    EXPECT_EQ(fresh.code, 35);
    EXPECT_DOUBLE_EQ(fresh.depth, 7.04);

    // A code outside the list reads as such and draws as an Envelope #10.
    addRow("Odd", 99, "BIN00008.E");
    table.first();
    readEnvelopeSetup(table, d);
    EXPECT_EQ(d.code, 99);
    EXPECT_EQ(d.length, -1);
    EXPECT_DOUBLE_EQ(d.usableLength(), 9.5);
    EXPECT_DOUBLE_EQ(d.usableDepth(), 4.125);
}

TEST_F(EnvelopeOperationsTest, NextNameFillsTheFirstGap) {
    EXPECT_EQ(nextEnvelopeBinaryName(sysdata), "BIN00001.E");
    touch("BIN00001.E");
    touch("bin00003.e");
    touch("BIN00002.L");  // a label layout does not take the number
    EXPECT_EQ(nextEnvelopeBinaryName(sysdata), "BIN00002.E");
}

TEST_F(EnvelopeOperationsTest, NewAppendsTheFirstRowWithItsSizeAndCutDescription) {
    EnvelopeDefinition current;
    readEnvelopeSetup(table, current);
    const QString sixty = QString(60, 'D');
    ASSERT_TRUE(newEnvelope(table, current, 30, calls(true, sixty)));
    EXPECT_EQ(shown.description, "<New envelope>");
    EXPECT_EQ(shown.code, 30);
    EXPECT_TRUE(shown.isNew);
    EXPECT_FALSE(current.isNew);
    EXPECT_EQ(cleared, 1);
    EXPECT_EQ(saved, sysdata + "BIN00001.E");
    ASSERT_EQ(rows(), 1);
    table.first();
    EnvelopeDefinition back;
    readEnvelopeSetup(table, back);
    EXPECT_EQ(back.description, QString(50, 'D'));
    EXPECT_EQ(back.code, 30);
    EXPECT_EQ(back.layoutFile, "BIN00001.E");
}

TEST_F(EnvelopeOperationsTest, CancelledNewLeavesNothingAndClearsTheFlag) {
    EnvelopeDefinition current;
    EXPECT_FALSE(newEnvelope(table, current, 20, calls(false)));
    EXPECT_FALSE(current.isNew);
    EXPECT_EQ(rows(), 0);
    EXPECT_TRUE(saved.isEmpty());
}

TEST_F(EnvelopeOperationsTest, ModifyLoadsTheFileOrStartsEmptyUnderANewName) {
    addRow("Home", 20, "BIN00001.E");
    touch("BIN00001.E");
    table.first();
    EnvelopeDefinition current;
    ASSERT_TRUE(modifyEnvelope(table, current, calls(true, "Office", 21)));
    EXPECT_EQ(loaded, sysdata + "BIN00001.E");
    EXPECT_EQ(shown.description, "Home");
    EXPECT_EQ(saved, sysdata + "BIN00001.E");
    table.first();
    readEnvelopeSetup(table, current);
    EXPECT_EQ(current.description, "Office");
    EXPECT_EQ(current.code, 21);

    QFile::remove(sysdata + "BIN00001.E");
    loaded.clear();
    ASSERT_TRUE(modifyEnvelope(table, current, calls(true)));
    EXPECT_TRUE(loaded.isEmpty());
    EXPECT_EQ(saved, sysdata + "BIN00001.E");  // the vanished name is free again
    table.first();
    readEnvelopeSetup(table, current);
    EXPECT_EQ(current.layoutFile, saved.mid(sysdata.size()));
    EXPECT_EQ(rows(), 1);
}

TEST_F(EnvelopeOperationsTest, CloneCopiesTheFileByteForByte) {
    addRow("Home", 28, "BIN00001.E");
    touch("BIN00001.E", QByteArray("\x00\xff layout", 9));
    table.first();
    messages->answer(true);
    ASSERT_TRUE(cloneEnvelope(table));
    EXPECT_EQ(messages->texts().last(), "Clone \"Home\"?");
    ASSERT_EQ(rows(), 2);
    table.first();
    EnvelopeDefinition clone;
    readEnvelopeSetup(table, clone);
    EXPECT_EQ(clone.description, "Clone of Home");
    EXPECT_EQ(clone.code, 28);
    EXPECT_EQ(clone.layoutFile, "BIN00002.E");
    QFile copy(sysdata + "BIN00002.E");
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), QByteArray("\x00\xff layout", 9));
}

TEST_F(EnvelopeOperationsTest, CloneOfAMissingFileAddsTheRowSilently) {
    addRow("Gone", 20, "BIN00005.E");
    table.first();
    messages->answer(true);
    const int before = messages->texts().size();
    ASSERT_TRUE(cloneEnvelope(table));
    EXPECT_EQ(messages->texts().size(), before + 1);  // the question only
    EXPECT_EQ(rows(), 2);
    EXPECT_FALSE(QFile::exists(sysdata + "BIN00001.E"));
}

TEST_F(EnvelopeOperationsTest, DeleteAsksThenRemovesRowAndFile) {
    addRow("Home", 20, "BIN00001.E");
    touch("BIN00001.E");
    table.first();
    messages->answer(false);
    EXPECT_FALSE(deleteEnvelope(table));
    EXPECT_EQ(rows(), 1);
    table.first();
    messages->answer(true);
    ASSERT_TRUE(deleteEnvelope(table));
    EXPECT_EQ(messages->texts().last(), "Delete \"Home\"?");
    EXPECT_EQ(messages->shown().back().caption, "DELETE");
    EXPECT_FALSE(QFile::exists(sysdata + "BIN00001.E"));
    EXPECT_EQ(rows(), 0);
}

}  // namespace
}  // namespace pc::envelopes
