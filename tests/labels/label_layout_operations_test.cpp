// New, Modify, Clone and Delete: rows and layout files made, rewritten and
// removed together, with the questions as the user sees them.
#include "labels/label_layout_operations.h"

#include <QFileInfo>

#include "labels/layout_file_names.h"
#include "labels_test_support.h"

namespace pc::test {
namespace {

using pc::labels::LabelDefinition;
using pc::labels::LayoutDesignerCalls;

class LayoutOperationsTest : public LabelTableTest {
  protected:
    // A designer that saves what it was given, after `edit` changes it.
    LayoutDesignerCalls designer(std::function<void(LabelDefinition&)> edit = {},
                                 bool saves = true) {
        LayoutDesignerCalls calls;
        calls.clearObjects = [this] { log << "clear"; };
        calls.loadObjects = [this](const QString& path) {
            log << "load " + QFileInfo(path).fileName();
            return true;
        };
        calls.saveObjects = [this](const QString& path) {
            log << "save " + QFileInfo(path).fileName();
            QFile file(path);
            return saveWorks && file.open(QIODevice::WriteOnly) && file.write("objects") > 0;
        };
        calls.design = [this, edit, saves](LabelDefinition& d, bool isNew) {
            log << (isNew ? "design new" : "design");
            if (edit) edit(d);
            return saves;
        };
        return calls;
    }
    void addLayout(const QString& description, const QString& file) {
        LabelDefinition d = pc::labels::defaultLabelDefinition();
        d.description = description;
        d.layoutFile = file;
        table.insert();
        pc::labels::writeLabelDefinition(d, table);
        table.post();
    }
    QStringList descriptions() {
        QStringList list;
        for (table.first(); !table.eof(); table.next())
            list << table.fieldByName("DESCRIPT").text();
        return list;
    }
    QStringList log;
    bool saveWorks = true;
};

TEST_F(LayoutOperationsTest, FileNamesTakeTheFirstFreeNumberInAnyLetterCase) {
    EXPECT_EQ(pc::labels::nextLayoutFileName(sysdata), "BIN00001.L");
    touch("BIN00001.L");
    touch("bin00002.l");
    touch("BIN00004.L");
    touch("BIN00003.E");
    EXPECT_EQ(pc::labels::nextLayoutFileName(sysdata), "BIN00003.L");
    EXPECT_EQ(pc::labels::nextLayoutFileName(sysdata, ".E"), "BIN00001.E");
    touch("BIN00001.E");
    EXPECT_EQ(pc::labels::nextLayoutFileName(sysdata, ".E"), "BIN00002.E");
}

TEST_F(LayoutOperationsTest, NewAppendsTheRowAndItsFileOnlyWhenSaved) {
    EXPECT_FALSE(pc::labels::newLayout(table, designer({}, false), sysdata));
    EXPECT_EQ(rows(), 0);

    ASSERT_TRUE(pc::labels::newLayout(
        table, designer([](LabelDefinition& d) { d.description = "Shipping"; }), sysdata));
    table.first();
    const LabelDefinition d = pc::labels::readLabelDefinition(table);
    EXPECT_EQ(d.description, "Shipping");
    EXPECT_EQ(d.layoutFile, "BIN00001.L") << "the refused attempt kept no file";
    EXPECT_FLOAT_EQ(d.horizontalPitch, 2.765f);
    EXPECT_TRUE(QFileInfo::exists(sysdata + d.layoutFile));
    EXPECT_EQ(log.last(), "save " + d.layoutFile);
}

TEST_F(LayoutOperationsTest, ARowIsNotKeptWhenItsFileCannotBeWritten) {
    saveWorks = false;
    EXPECT_FALSE(pc::labels::newLayout(table, designer(), sysdata));
    EXPECT_EQ(rows(), 0);
}

TEST_F(LayoutOperationsTest, ModifyRewritesTheRowAndAVanishedFileStartsAnew) {
    addLayout("Kept", "BIN00001.L");
    touch("BIN00001.L");
    table.first();
    ASSERT_TRUE(pc::labels::modifyLayout(
        table, designer([](LabelDefinition& d) { d.labelWidth = 4.0001f; }), sysdata));
    EXPECT_EQ(log, QStringList({"clear", "load BIN00001.L", "design", "save BIN00001.L"}));
    table.first();
    EXPECT_EQ(table.fieldByName("LBLWIDTH").text().trimmed(), "4.000");

    QFile::remove(sysdata + "BIN00001.L");
    log.clear();
    ASSERT_TRUE(pc::labels::modifyLayout(table, designer(), sysdata));
    EXPECT_EQ(log, QStringList({"clear", "design", "save BIN00001.L"}))
        << "the lowest free name is the vanished one's own";

    log.clear();
    EXPECT_FALSE(pc::labels::modifyLayout(
        table, designer([](LabelDefinition& d) { d.description = "Changed"; }, false), sysdata));
    EXPECT_EQ(descriptions(), QStringList({"Kept"}));
}

TEST_F(LayoutOperationsTest, ClonesGetTheirOwnFilesAndAShortenedDescription) {
    addLayout("Shipping", "BIN00001.L");
    touch("BIN00001.L");
    for (int i = 0; i < 2; ++i) {
        table.first();
        while (table.fieldByName("DESCRIPT").text() != "Shipping") table.next();
        (*messages).answer(true);
        ASSERT_TRUE(pc::labels::cloneLayout(table, designer(), sysdata));
    }
    EXPECT_EQ(messages->shown().front().text, "Clone \"Shipping\"?");
    EXPECT_EQ(messages->shown().front().caption, "CLONE");
    EXPECT_EQ(descriptions(),
              QStringList({"Clone of :Shipping", "Clone of :Shipping", "Shipping"}));
    QStringList files;
    for (table.first(); !table.eof(); table.next()) files << table.fieldByName("BINARY").text();
    files.sort();
    EXPECT_EQ(files, QStringList({"BIN00001.L", "BIN00002.L", "BIN00003.L"}));
    EXPECT_TRUE(QFileInfo::exists(sysdata + "BIN00003.L"));

    const QString longName(48, QLatin1Char('x'));
    addLayout(longName, "BIN00003.L");
    table.first();
    while (table.fieldByName("DESCRIPT").text() != longName) table.next();
    ASSERT_TRUE(pc::labels::cloneLayout(table, designer(), sysdata));
    EXPECT_TRUE(descriptions().contains("Clone of :" + longName.left(40)));

    table.first();
    (*messages).answer(false);
    log.clear();
    EXPECT_FALSE(pc::labels::cloneLayout(table, designer(), sysdata));
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(LayoutOperationsTest, CloningAMissingFileAddsNothing) {
    addLayout("Gone", "BIN00009.L");
    table.first();
    EXPECT_FALSE(pc::labels::cloneLayout(table, designer(), sysdata));
    EXPECT_EQ(messages->texts().last(),
              "Label definition file has been removed from the sysdata directory");
    EXPECT_EQ(rows(), 1);
}

TEST_F(LayoutOperationsTest, AnEmptyListHasNothingToModifyCloneOrDelete) {
    EXPECT_FALSE(pc::labels::modifyLayout(table, designer(), sysdata));
    EXPECT_FALSE(pc::labels::cloneLayout(table, designer(), sysdata));
    EXPECT_FALSE(pc::labels::deleteLayout(table, sysdata));
    EXPECT_TRUE(log.isEmpty());
    EXPECT_TRUE(messages->texts().isEmpty());
    EXPECT_EQ(rows(), 0);
}

TEST_F(LayoutOperationsTest, DeleteRemovesTheRowAndItsFile) {
    addLayout("Old", "BIN00001.L");
    addLayout("Other", "BIN00002.L");
    touch("BIN00001.L");
    touch("BIN00002.L");
    table.first();
    (*messages).answer(false);
    EXPECT_FALSE(pc::labels::deleteLayout(table, sysdata));
    EXPECT_EQ(messages->shown().back().text, "Delete \"Old\"?");
    EXPECT_EQ(messages->shown().back().caption, "DELETE");
    EXPECT_EQ(rows(), 2);

    table.first();
    ASSERT_TRUE(pc::labels::deleteLayout(table, sysdata));
    EXPECT_EQ(descriptions(), QStringList({"Other"}));
    EXPECT_FALSE(QFileInfo::exists(sysdata + "BIN00001.L"));
    EXPECT_TRUE(QFileInfo::exists(sysdata + "BIN00002.L"));
}

}  // namespace
}  // namespace pc::test
