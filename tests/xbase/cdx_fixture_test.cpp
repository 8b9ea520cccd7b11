// Indexes written by another engine: the tag directory, tag options and the
// exact (key, record) sequence of tags whose keys the test can compute from
// the table's records.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "cdx_test_support.h"
#include "test_support.h"
#include "xbase/cdx_index.h"
#include "xbase/xbase_date.h"

using namespace pc::xbase;

namespace {

using pc::test::Entry;
using pc::test::u8;
using pc::test::walk;

// Just enough of a DBF reader to compute expected keys.
struct Table {
    std::map<std::string, std::pair<size_t, size_t>> fields;  // name -> offset, width
    std::vector<std::string> records;                         // with the deletion flag

    explicit Table(const std::string& path) {
        std::string d = pc::test::readFile(path);
        auto u16 = [&](size_t at) {
            return size_t(uint8_t(d[at])) | size_t(uint8_t(d[at + 1])) << 8;
        };
        size_t count = u16(4) | u16(6) << 16, headerLength = u16(8), recordLength = u16(10);
        size_t offset = 1;
        for (size_t p = 32; d[p] != '\r'; p += 32) {
            std::string name = d.substr(p, 11);
            name.resize(name.find('\0'));
            size_t width = uint8_t(d[p + 16]);
            fields[name] = {offset, width};
            offset += width;
        }
        for (size_t i = 0; i < count; ++i)
            records.push_back(d.substr(headerLength + i * recordLength, recordLength));
    }
    std::string field(size_t rec, const std::string& name) const {
        auto [off, width] = fields.at(name);
        return records[rec].substr(off, width);
    }
};

std::string upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = char(c - 32);
    return s;
}
std::string numericKey(double v) {
    uint8_t k[8];
    encodeNumericKey(v, k);
    return std::string(reinterpret_cast<char*>(k), 8);
}
std::string logicalKey(const std::string& f) {
    return f == "T" || f == "t" ? "T" : "F";
}
// The '-' operator: left operand's trailing blanks move to the end.
std::string joinTrimmed(const std::string& a, const std::string& b) {
    std::string t = a.substr(0, a.find_last_not_of(' ') + 1);
    return t + b + std::string(a.size() - t.size(), ' ');
}

std::vector<Entry> expected(const Table& t, auto keyOf, auto keep, bool unique = false) {
    std::vector<Entry> out;
    for (size_t r = 0; r < t.records.size(); ++r)
        if (keep(r)) out.push_back({keyOf(r), uint32_t(r + 1)});
    std::sort(out.begin(), out.end());
    if (unique)
        out.erase(std::unique(out.begin(), out.end(),
                              [](const Entry& a, const Entry& b) { return a.first == b.first; }),
                  out.end());
    return out;
}

std::vector<Entry> walkBackwards(const CdxIndex& idx, int tag) {
    std::vector<Entry> out;
    auto c = idx.cursor(tag);
    size_t len = idx.tags()[tag].keyLength;
    for (bool ok = c->last(); ok; ok = c->prev())
        out.push_back({std::string(reinterpret_cast<const char*>(c->key()), len), c->recno()});
    std::reverse(out.begin(), out.end());
    return out;
}

auto all = [](size_t) { return true; };

}  // namespace

TEST(CdxFixture, EdgeTagDirectory) {
    auto idx =
        CdxIndex::open(pc::test::fixture("xbase/edge.cdx"), OpenMode::ReadOnly, LockMode::None);
    struct Want {
        const char *name, *key, *forExpr;
        uint16_t len;
        bool unique, descending;
    };
    const Want want[] = {{"NAME", "UPPER( NAME )", "", 10, false, false},
                         {"AMOUNT", "AMOUNT", "", 8, false, false},
                         {"BORN", "BORN", "", 8, false, false},
                         {"FLAG", "FLAG", "", 1, false, false},
                         {"NAMEDESC", "UPPER( NAME )", "", 10, false, true},
                         {"NAMEUNIQ", "UPPER( NAME )", "", 10, true, false},
                         {"NAMEPOS", "UPPER( NAME )", "AMOUNT > 0", 10, false, false},
                         {"DTOSNAME", "DTOS( BORN ) + UPPER( NAME )", "", 18, false, false}};
    ASSERT_EQ(idx->tags().size(), std::size(want));
    for (size_t i = 0; i < std::size(want); ++i) {
        const CdxTagInfo& t = idx->tags()[i];
        EXPECT_EQ(t.name, want[i].name);
        EXPECT_EQ(t.keyExpr, want[i].key);
        EXPECT_EQ(t.forExpr, want[i].forExpr);
        EXPECT_EQ(t.keyLength, want[i].len);
        EXPECT_EQ(t.unique, want[i].unique) << t.name;
        EXPECT_EQ(t.descending, want[i].descending) << t.name;
        EXPECT_EQ(idx->verifyTag(int(i)), "") << t.name;
    }
    EXPECT_EQ(idx->findTag("namedesc"), 4);
    EXPECT_EQ(idx->findTag("NOPE"), -1);
    EXPECT_FALSE(idx->stamp().has_value());  // another program's file
}

TEST(CdxFixture, EdgeTagsHoldTheKeysOfTheRecords) {
    Table t(pc::test::fixture("xbase/edge.dbf"));
    auto idx =
        CdxIndex::open(pc::test::fixture("xbase/edge.cdx"), OpenMode::ReadOnly, LockMode::None);
    idx->setKeyType(idx->findTag("AMOUNT"), KeyType::Numeric);
    idx->setKeyType(idx->findTag("BORN"), KeyType::Date);
    idx->setKeyType(idx->findTag("FLAG"), KeyType::Logical);

    auto name = [&](size_t r) { return upper(t.field(r, "NAME")); };
    auto amount = [&](size_t r) { return std::atof(t.field(r, "AMOUNT").c_str()); };
    auto born = [&](size_t r) { return t.field(r, "BORN"); };

    const std::vector<Entry> names = expected(t, name, all);
    EXPECT_EQ(walk(*idx, idx->findTag("NAME")), names);
    EXPECT_EQ(walk(*idx, idx->findTag("NAMEDESC")), names);  // stored ascending all the same
    EXPECT_EQ(walk(*idx, idx->findTag("NAMEUNIQ")), expected(t, name, all, true));
    auto positive = expected(t, name, [&](size_t r) { return amount(r) > 0; });
    EXPECT_EQ(positive.size(), 5u);
    EXPECT_EQ(walk(*idx, idx->findTag("NAMEPOS")), positive);
    EXPECT_EQ(walk(*idx, idx->findTag("AMOUNT")),
              expected(
                  t, [&](size_t r) { return numericKey(amount(r)); }, all));
    EXPECT_EQ(walk(*idx, idx->findTag("BORN")),
              expected(
                  t, [&](size_t r) { return numericKey(double(julianFromDtos(born(r)))); }, all));
    EXPECT_EQ(walk(*idx, idx->findTag("FLAG")),
              expected(
                  t, [&](size_t r) { return logicalKey(t.field(r, "FLAG")); }, all));
    EXPECT_EQ(walk(*idx, idx->findTag("DTOSNAME")),
              expected(
                  t, [&](size_t r) { return born(r) + name(r); }, all));
    for (int i = 0; i < int(idx->tags().size()); ++i)
        EXPECT_EQ(walkBackwards(*idx, i), walk(*idx, i)) << idx->tags()[i].name;
}

TEST(CdxFixture, TwentySixTags) {
    Table t(pc::test::fixture("xbase/tags26.dbf"));
    auto idx =
        CdxIndex::open(pc::test::fixture("xbase/tags26.cdx"), OpenMode::ReadOnly, LockMode::None);
    ASSERT_EQ(idx->tags().size(), 26u);
    EXPECT_EQ(idx->tags()[0].name, "NAME");
    EXPECT_EQ(idx->tags()[25].name, "NOTISDEL");
    for (const char* logical : {"DELETED", "ISDEL", "NOTISDEL"})
        idx->setKeyType(idx->findTag(logical), KeyType::Logical);

    auto f = [&](size_t r, const char* name) { return upper(t.field(r, name)); };
    EXPECT_EQ(walk(*idx, idx->findTag("LNAME")),
              expected(
                  t, [&](size_t r) { return f(r, "LNAME") + f(r, "FNAME"); }, all));
    EXPECT_EQ(walk(*idx, idx->findTag("NAME")),
              expected(
                  t, [&](size_t r) { return joinTrimmed(f(r, "LNAME"), f(r, "FNAME")); }, all));
    EXPECT_EQ(walk(*idx, idx->findTag("STATEZIP")),
              expected(
                  t, [&](size_t r) { return joinTrimmed(f(r, "STATE"), f(r, "ZIP")); }, all));
    EXPECT_EQ(walk(*idx, idx->findTag("ZIP")), expected(
                                                   t, [&](size_t r) { return f(r, "ZIP"); }, all));
    EXPECT_EQ(walk(*idx, idx->findTag("DELETED")),
              expected(
                  t, [&](size_t r) { return t.records[r][0] == '*' ? "T" : "F"; }, all));
    EXPECT_EQ(walk(*idx, idx->findTag("ISDEL")),
              expected(
                  t, [&](size_t r) { return logicalKey(t.field(r, "ISDEL")); }, all));
    EXPECT_EQ(
        walk(*idx, idx->findTag("NOTISDEL")),
        expected(
            t, [&](size_t r) { return logicalKey(t.field(r, "ISDEL")) == "T" ? "F" : "T"; }, all));
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(idx->verifyTag(i), "") << idx->tags()[i].name;
        auto entries = walk(*idx, i);
        EXPECT_EQ(entries.size(), 300u);
        EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end())) << idx->tags()[i].name;
        EXPECT_EQ(walkBackwards(*idx, i), entries);
        EXPECT_EQ(idx->keyCount(i), 300u);
    }
}
