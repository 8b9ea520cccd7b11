#pragma once
// Letter tests: a scratch home whose sysdata/ holds LETTER.DBF, opened as
// the letter window opens it, and letters stored in it.
#include <QTextDocument>

#include "../data/data_test_support.h"
#include "data/system_tables.h"
#include "data/t_apollo.h"
#include "letters/letter_storage.h"
#include "letters/letter_tables.h"
#include "text/program_paths.h"

namespace pc::test {

class LetterTableTest : public DataTest {
  protected:
    void SetUp() override {
        DataTest::SetUp();
        pc::letters::registerLetterTables();
        pc::text::setHome(folder());
        ASSERT_TRUE(pc::data::openSystemTable(QStringLiteral("LETTER.DBF"), letters));
        pc::data::TApollo apollo(&letters);
        ASSERT_TRUE(apollo.setQuery(QStringLiteral("not DELETED()")));
        letters.setOrderTagName(QStringLiteral("DESCRIPT"));
        letters.first();
    }
    void TearDown() override {
        letters.close();
        DataTest::TearDown();
    }

    void addLetter(const QString& description, const QString& text) {
        QTextDocument doc;
        doc.setPlainText(text);
        letters.insert();
        letters.fieldByName(QStringLiteral("DESCRIPT")).setText(description);
        pc::letters::SaveRichText(letters, doc);
        letters.post();
    }
    QStringList descriptions() {
        QStringList list;
        for (letters.first(); !letters.eof(); letters.next())
            list << pc::letters::letterDescription(letters);
        return list;
    }

    pc::data::TTable letters;
};

}  // namespace pc::test
