#include "xbase/dbf_table.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "test_support.h"
#include "xbase/error.h"
#include "xbase/field_codec.h"

namespace pc::xbase {
namespace {

using pc::test::copyFixture;
using pc::test::readFile;
using pc::test::TempDir;
using pc::test::writeFile;

const FieldDef& field(const DbfTable& t, const char* name) {
    int i = t.fieldIndex(name);
    if (i < 0) throw std::runtime_error(std::string("no field ") + name);
    return t.fields()[size_t(i)];
}
std::string text(const DbfTable& t, uint32_t recno, const char* name) {
    return fieldText(t.record(recno), field(t, name));
}
std::string memo(const DbfTable& t, uint32_t recno, const char* name) {
    return t.memoText(t.record(recno), t.fieldIndex(name));
}

std::vector<FieldSpec> peopleSpec() {
    return {{"NAME", 'C', 20, 0},
            {"amount", 'N', 12, 2},
            {"BORN", 'D', 0, 0},
            {"OK", 'L', 0, 0},
            {"NOTE", 'M', 0, 0}};
}

// Appends a record built from texts (memo text for M fields).
uint32_t add(DbfTable& t, const std::vector<std::string>& values, bool deleted = false) {
    std::string r = t.blankRecord();
    for (size_t i = 0; i < values.size(); ++i) {
        const FieldDef& f = t.fields()[i];
        if (f.type == 'M')
            t.setMemoText(r.data(), int(i), values[i]);
        else if (!setFieldText(r.data(), f, values[i]))
            throw std::runtime_error("bad value " + values[i]);
    }
    if (deleted) r[0] = '*';
    return t.appendRecord(r.data());
}

uint16_t le16At(const std::string& s, size_t at) {
    return uint16_t(uint8_t(s[at]) | uint8_t(s[at + 1]) << 8);
}
uint32_t le32At(const std::string& s, size_t at) {
    return uint32_t(le16At(s, at)) | uint32_t(le16At(s, at + 2)) << 16;
}

TEST(DbfFixtures, EdgeTableReadsAsWritten) {
    auto t =
        DbfTable::open(pc::test::fixture("xbase/edge.dbf"), OpenMode::ReadOnly, LockMode::Shared);
    EXPECT_EQ(t->typeByte(), 0xF5);
    EXPECT_EQ(t->recordCount(), 10u);
    EXPECT_EQ(t->headerLength(), 194);  // 32 + 5 * 32 + 2: trusted, not derived
    EXPECT_EQ(t->recordLength(), 42);
    EXPECT_TRUE(t->structuralIndexFlag());
    ASSERT_EQ(t->fields().size(), 5u);
    EXPECT_EQ(t->fields()[4].name, "NOTE");
    EXPECT_EQ(t->fields()[4].offset, 32u);
    EXPECT_EQ(t->fieldIndex("amount"), 1);
    EXPECT_EQ(t->fieldIndex("nope"), -1);
    ASSERT_NE(t->memo(), nullptr);
    EXPECT_EQ(t->memo()->blockSize(), 64);

    std::string longNote;
    for (int i = 0; i < 20; ++i) longNote += "Multi-block memo text. ";
    const char* names[] = {"delta", "Alpha", "charlie", "Bravo", "alpha",
                           "",      "Echo",  "DELTA",   "bravo", "Zulu"};
    const char* amounts[] = {"10.5", "-3.25", "0",        "1234567.89", "-0.01",
                             "",     "99.99", "-1000000", "0.01",       "42"};
    for (uint32_t r = 1; r <= 10; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(text(*t, r, "NAME"), names[r - 1]);
        auto amount = fieldNumber(t->record(r), field(*t, "AMOUNT"));
        if (*amounts[r - 1])
            EXPECT_DOUBLE_EQ(amount.value_or(-1e99), std::stod(amounts[r - 1]));
        else
            EXPECT_EQ(amount, std::nullopt);
        EXPECT_EQ(fieldLogical(t->record(r), field(*t, "FLAG")).value_or(false), r % 3 == 0);
        EXPECT_EQ(t->isDeleted(r), r == 7);
        EXPECT_EQ(memo(*t, r, "NOTE"), r == 4  ? longNote
                                       : r % 2 ? "note " + std::to_string(r)
                                               : "");
    }
    EXPECT_EQ(fieldDate(t->record(1), field(*t, "BORN")), "19540215");
    EXPECT_EQ(fieldDate(t->record(6), field(*t, "BORN")), "");
    EXPECT_THROW(t->record(0), Error);
    EXPECT_THROW(t->record(11), Error);
    EXPECT_THROW(t->setDeleted(1, true), Error);        // read-only
    EXPECT_THROW(t->memoText(t->record(1), 0), Error);  // not a memo field
}

TEST(DbfFixtures, AddressTableWithManyFields) {
    auto t =
        DbfTable::open(pc::test::fixture("xbase/tags26.dbf"), OpenMode::ReadOnly, LockMode::None);
    EXPECT_EQ(t->recordCount(), 300u);
    EXPECT_EQ(t->fields().size(), 23u);
    EXPECT_EQ(t->recordLength(), 588);
    int deleted = 0, memos = 0;
    for (uint32_t r = 1; r <= t->recordCount(); ++r) {
        deleted += t->isDeleted(r);
        memos += !memo(*t, r, "MEMO").empty();
    }
    EXPECT_EQ(deleted, 23);
    EXPECT_EQ(memos, 45);
    EXPECT_TRUE(t->isDeleted(13));
    EXPECT_EQ(text(*t, 1, "LNAME"), "Jones");
    EXPECT_EQ(text(*t, 1, "ZIP"), "98119-8119");
    EXPECT_EQ(memo(*t, 14, "MEMO"),
              "Memo for record 14. Note 1: called about order 141. Note 2: called about order "
              "142.");
}

TEST(DbfFixtures, ReadOnlyOpenChangesNothing) {
    TempDir dir;
    auto path = copyFixture(dir, "edge", {".dbf", ".fpt"});
    std::string before = readFile(path), memoBefore = readFile(dir.file("edge.fpt"));
    {
        auto t = DbfTable::open(path, OpenMode::ReadOnly, LockMode::Exclusive);
        for (uint32_t r = 1; r <= t->recordCount(); ++r) memo(*t, r, "NOTE");
        t->flush();
    }
    {
        auto t = DbfTable::open(path, OpenMode::ReadWrite, LockMode::Exclusive);
        t->flush();  // no changes: the header date stays
    }
    EXPECT_EQ(readFile(path), before);
    EXPECT_EQ(readFile(dir.file("edge.fpt")), memoBefore);
}

TEST(DbfFixtures, MemoFileIsFoundWhateverItsCase) {
    TempDir dir;
    auto path = copyFixture(dir, "edge", {".dbf", ".fpt"});
    std::filesystem::rename(dir.file("edge.dbf"), dir.file("EDGE.DBF"));
    std::filesystem::rename(dir.file("edge.fpt"), dir.file("Edge.Fpt"));
    auto t = DbfTable::open(dir.file("EDGE.DBF"), OpenMode::ReadOnly, LockMode::None);
    EXPECT_EQ(memo(*t, 1, "NOTE"), "note 1");
    t.reset();

    std::filesystem::remove(dir.file("Edge.Fpt"));
    try {
        DbfTable::open(dir.file("EDGE.DBF"), OpenMode::ReadOnly, LockMode::None);
        FAIL() << "opened without its memo file";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("EDGE.FPT not found"), std::string::npos) << e.what();
    }
    (void)path;
}

TEST(DbfTable, CreateWritesAnExactFoxProHeader) {
    TempDir dir;
    auto path = dir.file("people.dbf");
    DbfTable::create(path, peopleSpec()).reset();
    std::string b = readFile(path);
    ASSERT_EQ(b.size(), 32u + 5 * 32 + 1 + 1);
    EXPECT_EQ(uint8_t(b[0]), 0xF5);
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    EXPECT_EQ(uint8_t(b[1]), tm.tm_year);
    EXPECT_EQ(uint8_t(b[2]), tm.tm_mon + 1);
    EXPECT_EQ(le32At(b, 4), 0u);
    EXPECT_EQ(le16At(b, 8), 32 + 5 * 32 + 1);
    EXPECT_EQ(le16At(b, 10), 1 + 20 + 12 + 8 + 1 + 10);
    EXPECT_EQ(uint8_t(b[29]), 0x03);
    EXPECT_EQ(b.substr(32 + 32, 6), std::string("AMOUNT"));  // upper-cased
    EXPECT_EQ(b[32 + 32 + 11], 'N');
    EXPECT_EQ(uint8_t(b[32 + 32 + 16]), 12);
    EXPECT_EQ(uint8_t(b[32 + 32 + 17]), 2);
    EXPECT_EQ(b[32 + 5 * 32], '\x0D');
    EXPECT_EQ(b.back(), '\x1A');
    EXPECT_TRUE(std::filesystem::exists(dir.file("people.fpt")));

    DbfTable::create(dir.file("PLAIN.DBF"), {{"A", 'C', 3, 0}}).reset();
    EXPECT_EQ(uint8_t(readFile(dir.file("PLAIN.DBF"))[0]), 0x03);
    EXPECT_FALSE(std::filesystem::exists(dir.file("PLAIN.FPT")));
    DbfTable::create(dir.file("MEMO.DBF"), {{"M", 'M', 0, 0}}).reset();
    EXPECT_TRUE(std::filesystem::exists(dir.file("MEMO.FPT")));
}

TEST(DbfTable, CreateRejectsBadFields) {
    TempDir dir;
    auto path = dir.file("bad.dbf");
    std::vector<std::vector<FieldSpec>> bad = {
        {},
        {{"1ABC", 'C', 5, 0}},
        {{"TOO_LONG_NAME", 'C', 5, 0}},
        {{"A B", 'C', 5, 0}},
        {{"NAME", 'C', 5, 0}, {"name", 'N', 5, 0}},
        {{"A", 'C', 0, 0}},
        {{"A", 'C', 255, 0}},
        {{"A", 'N', 21, 0}},
        {{"A", 'N', 5, 5}},
        {{"A", 'X', 5, 0}},
    };
    for (const auto& spec : bad) EXPECT_THROW(DbfTable::create(path, spec), Error);
}

TEST(DbfTable, AppendWriteAndReopen) {
    TempDir dir;
    auto path = dir.file("people.dbf");
    {
        auto t = DbfTable::create(path, peopleSpec());
        EXPECT_EQ(add(*t, {"Ann", "10.5", "19540215", "T", "first note"}), 1u);
        EXPECT_EQ(add(*t, {"Bob", "-3", "", "F", ""}), 2u);
        EXPECT_EQ(add(*t, {"Cy", "", "20000229", "", std::string(300, 'm')}, true), 3u);
        // Appending a record taken from the mapping itself must work even
        // when the mapping moves.
        EXPECT_EQ(t->appendRecord(t->record(2)), 4u);
        std::string r(t->record(1), t->recordLength());
        ASSERT_TRUE(setFieldText(r.data(), field(*t, "NAME"), "Anne"));
        t->writeRecord(1, r.data());
        t->setDeleted(2, true);
        t->setDeleted(2, false);
        EXPECT_THROW(t->writeRecord(5, r.data()), Error);
    }
    std::string b = readFile(path);
    EXPECT_EQ(le32At(b, 4), 4u);
    EXPECT_EQ(b.size(), 32u + 5 * 32 + 1 + 4 * 52 + 1);
    EXPECT_EQ(b.back(), '\x1A');

    auto t = DbfTable::open(path, OpenMode::ReadWrite, LockMode::Exclusive);
    EXPECT_EQ(t->recordCount(), 4u);
    EXPECT_EQ(text(*t, 1, "NAME"), "Anne");
    EXPECT_EQ(text(*t, 1, "AMOUNT"), "       10.50");
    EXPECT_EQ(text(*t, 2, "AMOUNT"), "       -3.00");
    EXPECT_EQ(fieldDate(t->record(3), field(*t, "BORN")), "20000229");
    EXPECT_EQ(fieldLogical(t->record(1), field(*t, "OK")), true);
    EXPECT_EQ(fieldLogical(t->record(3), field(*t, "OK")), std::nullopt);
    EXPECT_EQ(memo(*t, 1, "NOTE"), "first note");
    EXPECT_EQ(memo(*t, 2, "NOTE"), "");
    EXPECT_EQ(memo(*t, 3, "NOTE"), std::string(300, 'm'));
    EXPECT_FALSE(t->isDeleted(2));
    EXPECT_TRUE(t->isDeleted(3));
    EXPECT_EQ(t->codePage(), 1252);

    // A second handle cannot take the table while this one holds it.
    EXPECT_THROW(DbfTable::open(path, OpenMode::ReadOnly, LockMode::Shared), Error);
}

TEST(DbfTable, MemoRewriteReusesOrAppends) {
    TempDir dir;
    auto t = DbfTable::create(dir.file("m.dbf"), {{"NOTE", 'M', 0, 0}});
    std::string r = t->blankRecord();
    t->setMemoText(r.data(), 0, std::string(100, 'a'));
    uint32_t first = fieldMemoBlock(r.data(), t->fields()[0]);
    t->setMemoText(r.data(), 0, "shorter");
    EXPECT_EQ(fieldMemoBlock(r.data(), t->fields()[0]), first);
    t->setMemoText(r.data(), 0, std::string(1000, 'b'));
    EXPECT_GT(fieldMemoBlock(r.data(), t->fields()[0]), first);
    t->appendRecord(r.data());
    EXPECT_EQ(memo(*t, 1, "NOTE"), std::string(1000, 'b'));
    t->setMemoText(r.data(), 0, "");
    EXPECT_EQ(fieldMemoBlock(r.data(), t->fields()[0]), 0u);
}

TEST(DbfTable, PackKeepsLiveRecordsAndTheirMemos) {
    TempDir dir;
    auto path = copyFixture(dir, "tags26", {".dbf", ".fpt"});
    auto fptSize = std::filesystem::file_size(dir.file("tags26.fpt"));
    auto t = DbfTable::open(path, OpenMode::ReadWrite, LockMode::Exclusive);
    std::vector<std::pair<std::string, std::string>> live;
    for (uint32_t r = 1; r <= t->recordCount(); ++r)
        if (!t->isDeleted(r)) live.emplace_back(text(*t, r, "LNAME"), memo(*t, r, "MEMO"));
    std::vector<int> seen;
    t->pack([&](int p) { seen.push_back(p); });
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), 100);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    ASSERT_EQ(t->recordCount(), live.size());
    for (uint32_t r = 1; r <= t->recordCount(); ++r) {
        EXPECT_FALSE(t->isDeleted(r));
        EXPECT_EQ(text(*t, r, "LNAME"), live[r - 1].first);
        EXPECT_EQ(memo(*t, r, "MEMO"), live[r - 1].second);
    }
    // The table stays usable and locked after the files were swapped.
    EXPECT_THROW(DbfTable::open(path, OpenMode::ReadOnly, LockMode::Shared), Error);
    add(*t, {"Last"});
    t.reset();

    EXPECT_FALSE(std::filesystem::exists(path + ".pctmp"));
    EXPECT_LT(std::filesystem::file_size(dir.file("tags26.fpt")), fptSize);
    auto again = DbfTable::open(path, OpenMode::ReadOnly, LockMode::None);
    EXPECT_EQ(again->recordCount(), live.size() + 1);
    EXPECT_EQ(memo(*again, 2, "MEMO"), live[1].second);
    EXPECT_EQ(text(*again, again->recordCount(), "LNAME"), "Last");
}

// A crash between the memo file's rename and the table's leaves the old
// table beside the new memo file; the mark a pack leaves makes the next open
// finish the swap, so every record keeps its own memo.
TEST(DbfTable, OpenFinishesAPackInterruptedBetweenItsRenames) {
    TempDir dir;
    auto path = copyFixture(dir, "tags26", {".dbf", ".fpt"});
    const std::string oldTable = readFile(path);
    std::vector<std::string> liveMemos;
    {
        auto t = DbfTable::open(path, OpenMode::ReadWrite, LockMode::Exclusive);
        for (uint32_t r = 1; r <= t->recordCount(); ++r)
            if (!t->isDeleted(r)) liveMemos.push_back(memo(*t, r, "MEMO"));
        t->pack();
    }
    EXPECT_FALSE(std::filesystem::exists(path + ".pcpack"));
    // Put the files back as the crash would have left them.
    std::filesystem::rename(path, path + ".pctmp");
    writeFile(path, oldTable);
    writeFile(path + ".pcpack", "");

    EXPECT_THROW(DbfTable::open(path, OpenMode::ReadOnly, LockMode::Shared), Error);
    auto t = DbfTable::open(path, OpenMode::ReadWrite, LockMode::Exclusive);
    ASSERT_EQ(t->recordCount(), liveMemos.size());
    for (uint32_t r = 1; r <= t->recordCount(); ++r)
        EXPECT_EQ(memo(*t, r, "MEMO"), liveMemos[r - 1]) << r;
    EXPECT_FALSE(std::filesystem::exists(path + ".pcpack"));
    EXPECT_FALSE(std::filesystem::exists(path + ".pctmp"));
}

TEST(DbfTable, ZapEmptiesTableAndMemo) {
    TempDir dir;
    auto path = copyFixture(dir, "edge", {".dbf", ".fpt"});
    {
        auto t = DbfTable::open(path, OpenMode::ReadWrite, LockMode::Exclusive);
        t->zap();
        EXPECT_EQ(t->recordCount(), 0u);
        EXPECT_THROW(t->record(1), Error);
        add(*t, {"after", "1", "", "", "memo after zap"});
        EXPECT_EQ(memo(*t, 1, "NOTE"), "memo after zap");
        t->zap();
    }
    std::string b = readFile(path);
    EXPECT_EQ(b.size(), 194u + 1);
    EXPECT_EQ(b.back(), '\x1A');
    EXPECT_EQ(le32At(b, 4), 0u);
    EXPECT_EQ(std::filesystem::file_size(dir.file("edge.fpt")), 512u);
}

TEST(DbfTable, DamagedTablesThrowClearErrors) {
    TempDir dir;
    auto path = copyFixture(dir, "edge", {".dbf", ".fpt"});
    const std::string good = readFile(path);
    auto expectDamaged = [&](const std::string& bytes, const char* what) {
        writeFile(path, bytes);
        try {
            DbfTable::open(path, OpenMode::ReadOnly, LockMode::None);
            ADD_FAILURE() << what << ": opened";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
        }
    };
    expectDamaged("", "empty file");
    expectDamaged(good.substr(0, 100), "cut inside the header");
    expectDamaged(good.substr(0, 194 + 42 * 5), "cut records");
    std::string b = good;
    b[0] = 'Z';
    expectDamaged(b, "type byte");
    b = good;
    b[10] = 43;  // record length one more than the fields
    expectDamaged(b, "record length");
    b = good;
    b[8] = char(0xFF), b[9] = char(0xFF);
    expectDamaged(b, "header length");
    b = good;
    b[32 + 16] = 0;  // width 0
    expectDamaged(b, "width");
    b = good;
    b[32] = '\x01';  // control byte in a name
    expectDamaged(b, "name");
    b = good;
    b[32 + 5 * 32] = 'X';  // no terminator
    expectDamaged(b, "terminator");

    // Read-write keeps the whole records of a cut file instead.
    writeFile(path, good.substr(0, 194 + 42 * 5 + 20));
    {
        auto t = DbfTable::open(path, OpenMode::ReadWrite, LockMode::None);
        EXPECT_EQ(t->recordCount(), 5u);
        t->setDeleted(1, true);
    }
    EXPECT_EQ(le32At(readFile(path), 4), 5u);  // the header count is corrected on close
    auto t = DbfTable::open(path, OpenMode::ReadWrite, LockMode::None);
    EXPECT_EQ(t->recordCount(), 5u);
    EXPECT_EQ(add(*t, {"six"}), 6u);
    EXPECT_EQ(le32At(readFile(path), 4), 6u);
}

TEST(DbfTable, OtherWritersLayouts) {
    TempDir dir;
    // Visual FoxPro: binary fields, 4-byte memo pointers, 263-byte backlink.
    std::string h(32, '\0');
    h[0] = 0x30;
    auto desc = [](const char* name, char type, uint8_t width, uint32_t offset) {
        std::string d(32, '\0');
        d.replace(0, std::strlen(name), name);
        d[11] = type;
        d[12] = char(offset);
        d[16] = char(width);
        return d;
    };
    std::string fields = desc("N", 'I', 4, 1) + desc("WHEN", 'T', 8, 5) + desc("NOTE", 'M', 4, 13) +
                         desc("XTRA", 'X', 3, 17);
    uint16_t headerLength = uint16_t(32 + fields.size() + 1 + 263);
    h[8] = char(headerLength), h[9] = char(headerLength >> 8);
    h[10] = 20;
    h[4] = 1;
    std::string rec = std::string(" ") + std::string("\xD6\xFF\xFF\xFF", 4) +
                      std::string("\xB5\x8A\x25\x00\x60\x4F\xF3\x02", 8) +
                      std::string("\x08\x00\x00\x00", 4) + "abc";
    writeFile(dir.file("vfp.dbf"), h + fields + "\x0D" + std::string(263, '\0') + rec);
    std::string fpt(512, '\0');
    fpt[3] = 9, fpt[7] = 64;
    fpt += std::string("\0\0\0\1\0\0\0\3", 8) + "vfp";
    fpt.resize(9 * 64, '\0');
    writeFile(dir.file("vfp.fpt"), fpt);
    auto v = DbfTable::open(dir.file("vfp.dbf"), OpenMode::ReadOnly, LockMode::None);
    EXPECT_EQ(text(*v, 1, "N"), "-42");
    EXPECT_EQ(text(*v, 1, "WHEN"), "20240131 13:45:00");
    EXPECT_EQ(memo(*v, 1, "NOTE"), "vfp");
    EXPECT_FALSE(isKnownType(field(*v, "XTRA").type));
    EXPECT_EQ(text(*v, 1, "XTRA"), "abc");
    std::string blank = v->blankRecord();
    EXPECT_EQ(blank.substr(1, 4), std::string(4, '\0'));
    EXPECT_EQ(blank.substr(17, 3), "   ");

    // Clipper keeps the high byte of a wide C field's width in the decimals.
    std::string c(32, '\0');
    c[0] = 0x03;
    c[4] = 1;
    c[8] = char(65), c[10] = char(0x2D), c[11] = 0x01;  // record length 301
    std::string wide = desc("WIDE", 'C', 44, 0);
    wide[17] = 1;
    writeFile(dir.file("wide.dbf"), c + wide + "\x0D" + " " + std::string(300, 'w') + "\x1A");
    auto w = DbfTable::open(dir.file("wide.dbf"), OpenMode::ReadOnly, LockMode::None);
    EXPECT_EQ(w->fields()[0].width, 300);
    EXPECT_EQ(text(*w, 1, "WIDE"), std::string(300, 'w'));
}

TEST(DbfTable, AppendingIsFast) {
    TempDir dir;
    auto t = DbfTable::create(dir.file("big.dbf"),
                              {{"A", 'C', 254, 0}, {"B", 'C', 254, 0}, {"C", 'C', 79, 0}});
    ASSERT_EQ(t->recordLength(), 588);
    std::string r = t->blankRecord();
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 100000; ++i) t->appendRecord(r.data());
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(t->recordCount(), 100000u);
    // Well under 0.2 s on an idle machine; the margin absorbs a busy one.
    EXPECT_LT(seconds, 1.0);
    RecordProperty("append_seconds", std::to_string(seconds));
}

// python3-dbf, an independent reader and writer, checks our files both ways.
class PythonDbf : public ::testing::Test {
  protected:
    void SetUp() override {
        if (std::system("/usr/bin/python3 -c 'import dbf' >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "/usr/bin/python3 has no dbf module";
    }
    static std::string run(const std::string& script) {
        std::string cmd = "/usr/bin/python3 -c '" + script + "' 2>&1";
        std::string out;
        FILE* p = ::popen(cmd.c_str(), "r");
        if (!p) return out;
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
        ::pclose(p);
        return out;
    }
    TempDir dir;
};

TEST_F(PythonDbf, ReadsWhatWeWrite) {
    auto path = dir.file("ours.dbf");
    {
        auto t = DbfTable::create(path, peopleSpec());
        add(*t, {"Ann", "10.5", "19540215", "T", "short"});
        add(*t, {"Bob", "-1000000", "", "F", std::string(200, 'x')});
        add(*t, {"Cy", "", "20240229", "", ""}, true);
    }
    std::string out =
        run("import dbf\n"
            "t = dbf.Table(\"" +
            path +
            "\"); t.open()\n"
            "for r in t:\n"
            "    print(repr((r.name.strip(), r.amount, str(r.born), r.ok, r.note, "
            "dbf.is_deleted(r))))\n");
    EXPECT_EQ(out,
              "('Ann', 10.5, '1954-02-15', True, 'short', False)\n"
              "('Bob', -1000000.0, 'None', False, '" +
                  std::string(200, 'x') +
                  "', False)\n"
                  "('Cy', None, '2024-02-29', None, '', True)\n");
}

TEST_F(PythonDbf, WeReadWhatItWrites) {
    std::string out = run(
        "import dbf, os\n"
        "os.chdir(\"" +
        dir.path().string() +
        "\")\n"
        "t = dbf.Table(\"d3.dbf\", \"name C(10); qty N(5,0); note M\", dbf_type=\"db3\")\n"
        "t.open(dbf.READ_WRITE)\n"
        "t.append((\"abc\", 5, \"memo one\")); t.append((\"def\", -7, \"x\" * 600)); t.close()\n"
        "t = dbf.Table(\"fp.dbf\", \"name C(10); qty N(8,2); note M\", dbf_type=\"fp\")\n"
        "t.open(dbf.READ_WRITE)\n"
        "t.append((\"abc\", 5.25, \"memo one\")); t.append((\"def\", -7, \"y\" * 100))\n"
        "dbf.delete(t[1]); t.close()\n"
        "t = dbf.Table(\"vf.dbf\", \"n I; b B; y Y; t T; note M\", dbf_type=\"vfp\")\n"
        "t.open(dbf.READ_WRITE)\n"
        "import datetime\n"
        "t.append((-42, 1.5, 12.34, datetime.datetime(2024, 1, 31, 13, 45), \"vfp memo\"))\n"
        "t.close()\n");
    ASSERT_EQ(out, "");

    auto d3 = DbfTable::open(dir.file("d3.dbf"), OpenMode::ReadOnly, LockMode::None);
    EXPECT_EQ(d3->typeByte(), 0x83);
    ASSERT_EQ(d3->memo()->kind(), MemoKind::Dbt3);
    EXPECT_EQ(d3->recordCount(), 2u);
    EXPECT_EQ(text(*d3, 1, "NAME"), "abc");
    EXPECT_EQ(fieldNumber(d3->record(2), field(*d3, "QTY")), -7.0);
    EXPECT_EQ(memo(*d3, 1, "NOTE"), "memo one");
    EXPECT_EQ(memo(*d3, 2, "NOTE"), std::string(600, 'x'));

    auto fp = DbfTable::open(dir.file("fp.dbf"), OpenMode::ReadWrite, LockMode::None);
    ASSERT_EQ(fp->memo()->kind(), MemoKind::Fpt);
    EXPECT_EQ(fieldNumber(fp->record(1), field(*fp, "QTY")), 5.25);
    EXPECT_EQ(memo(*fp, 2, "NOTE"), std::string(100, 'y'));
    EXPECT_TRUE(fp->isDeleted(2));
    fp->pack();
    EXPECT_EQ(fp->recordCount(), 1u);
    EXPECT_EQ(memo(*fp, 1, "NOTE"), "memo one");

    auto vf = DbfTable::open(dir.file("vf.dbf"), OpenMode::ReadOnly, LockMode::None);
    EXPECT_EQ(vf->typeByte(), 0x30);
    EXPECT_EQ(text(*vf, 1, "N"), "-42");
    EXPECT_EQ(text(*vf, 1, "B"), "1.5");
    EXPECT_EQ(text(*vf, 1, "Y"), "12.3400");
    EXPECT_EQ(text(*vf, 1, "T"), "20240131 13:45:00");
    EXPECT_EQ(memo(*vf, 1, "NOTE"), "vfp memo");
}

}  // namespace
}  // namespace pc::xbase
