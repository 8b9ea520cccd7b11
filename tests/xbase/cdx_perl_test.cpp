// Another reader must see our trees: Perl's XBase::Index walks each tag we
// wrote (built and then maintained) and must list the same entries.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "test_support.h"
#include "xbase/cdx_index.h"

using namespace pc::xbase;

namespace {

std::string script() {
    return pc::test::fixture("../xbase/scripts/cdx_dump.pl");
}

bool perlReaderAvailable() {
    return std::system("perl -MXBase::Index -e 1 >/dev/null 2>&1") == 0;
}

std::string run(const std::string& cmd) {
    std::string out;
    FILE* p = ::popen(cmd.c_str(), "r");
    if (!p) return out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    ::pclose(p);
    return out;
}

std::string perlDump(const std::string& file, const std::string& tag, char type) {
    return run("perl '" + script() + "' '" + file + "' " + tag + " " + type + " 2>&1");
}

// The same listing from our cursor, in the Perl script's notation.
std::string ourDump(const CdxIndex& idx, int tag, char type) {
    std::string out;
    auto c = idx.cursor(tag);
    size_t len = idx.tags()[tag].keyLength;
    char line[64];
    for (bool ok = c->first(); ok; ok = c->next()) {
        if (type == 'N') {
            snprintf(line, sizeof line, "%.17g %u\n", decodeNumericKey(c->key()), c->recno());
            out += line;
            continue;
        }
        size_t n = len;
        while (n > 0 && c->key()[n - 1] == ' ') --n;
        for (size_t i = 0; i < n; ++i) {
            snprintf(line, sizeof line, "%02x", c->key()[i]);
            out += line;
        }
        snprintf(line, sizeof line, " %u\n", c->recno());
        out += line;
    }
    return out;
}

}  // namespace

TEST(CdxPerl, ReadsTheFixturesLikeWeDo) {
    if (!perlReaderAvailable()) GTEST_SKIP() << "perl with XBase::Index is not installed";
    for (std::string base : {"edge", "tags26"}) {
        std::string file = pc::test::fixture("xbase/" + base + ".cdx");
        auto idx = CdxIndex::open(file, OpenMode::ReadOnly, LockMode::None);
        for (int t = 0; t < int(idx->tags().size()); ++t) {
            const std::string& name = idx->tags()[t].name;
            char type = name == "AMOUNT" || name == "BORN" ? 'N' : 'C';
            if (type == 'N') idx->setKeyType(t, KeyType::Numeric);
            EXPECT_EQ(perlDump(file, name, type), ourDump(*idx, t, type)) << base << " " << name;
        }
    }
}

TEST(CdxPerl, ReadsWhatWeWrite) {
    if (!perlReaderAvailable()) GTEST_SKIP() << "perl with XBase::Index is not installed";
    pc::test::TempDir dir;
    std::string file = dir.file("ours.cdx");
    const char* last[] = {"SMITH", "SMITHSON", "O'NEIL", "de la Cruz", "", "MILLER"};
    const char* first[] = {"ANN", "BOB", "", "JOHN PAUL"};
    const size_t n = 6000;
    std::mt19937 rng(11);
    std::string names, amounts, dates, flags;
    std::vector<uint32_t> recnos;
    for (size_t i = 0; i < n; ++i) {
        std::string k = last[rng() % 6];
        k.resize(30, ' ');
        k += first[rng() % 4];
        k.resize(60, ' ');
        names += k;
        uint8_t num[8];
        encodeNumericKey((double(rng() % 200001) - 100000) / 100, num);
        amounts.append(reinterpret_cast<char*>(num), 8);
        encodeNumericKey(rng() % 5 ? 2440000 + rng() % 20000 : 0, num);  // Julian days, some empty
        dates.append(reinterpret_cast<char*>(num), 8);
        flags += rng() % 2 ? 'T' : 'F';
        recnos.push_back(uint32_t(i + 1));
    }
    struct Tag {
        const char* name;
        uint16_t len;
        KeyType type;
        const std::string* keys;
        char perlType;
    };
    const Tag tags[] = {{"NAME", 60, KeyType::Character, &names, 'C'},
                        {"AMOUNT", 8, KeyType::Numeric, &amounts, 'N'},
                        {"BORN", 8, KeyType::Date, &dates, 'N'},
                        {"FLAG", 1, KeyType::Logical, &flags, 'C'}};
    {
        auto idx = CdxIndex::create(file, LockMode::None);
        for (const Tag& tag : tags) {
            CdxTagInfo info;
            info.name = tag.name;
            info.keyExpr = tag.name;
            info.keyLength = tag.len;
            info.keyType = tag.type;
            int t = idx->createTag(info, reinterpret_cast<const uint8_t*>(tag.keys->data()),
                                   recnos.data(), n);
            // Maintenance must leave a tree the other reader still follows.
            for (size_t i = 0; i < 1500; ++i) {
                size_t from = rng() % n;
                const uint8_t* k =
                    reinterpret_cast<const uint8_t*>(tag.keys->data()) + from * tag.len;
                if (i % 3)
                    idx->insertKey(t, k, uint32_t(n + 1 + i));
                else
                    idx->removeKey(t, k, uint32_t(from + 1));
            }
        }
    }
    auto idx = CdxIndex::open(file, OpenMode::ReadOnly, LockMode::None);
    for (int t = 0; t < 4; ++t) {
        idx->setKeyType(t, tags[t].type);
        std::string ours = ourDump(*idx, t, tags[t].perlType);
        EXPECT_GT(ours.size(), 1000u);
        EXPECT_EQ(perlDump(file, tags[t].name, tags[t].perlType), ours) << tags[t].name;
    }
}
