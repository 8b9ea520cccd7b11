// postcraft-cli end to end: every test runs the built program on scratch
// tables and checks what it prints and what it leaves on disk.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>

#include "run_process.h"
#include "test_support.h"

namespace pc::test {
namespace {

const std::string kCli = PC_CLI_PATH;
const std::string kScripts = PC_CLI_SCRIPTS_DIR;
const std::string kPython = "/usr/bin/python3";

ProcessResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), kCli);
    return runProcess(args);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// Record numbers of `db dump` output, in output order.
std::vector<int> recnos(const std::string& dump) {
    std::vector<int> out;
    for (const std::string& line : lines(dump)) {
        const std::string head = "{\"_recno\": ";
        if (line.rfind(head, 0) == 0) out.push_back(std::stoi(line.substr(head.size())));
    }
    return out;
}

std::vector<int> numbers(const std::string& text) {
    std::vector<int> out;
    for (const std::string& line : lines(text)) out.push_back(std::stoi(line));
    return out;
}

// Every file of the table (DBF, FPT, CDX) with its bytes.
std::map<std::string, std::string> snapshot(const TempDir& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
        files[e.path().filename().string()] = readFile(e.path().string());
    }
    return files;
}

#define EXPECT_OK(r) EXPECT_EQ((r).status, 0) << (r).err
#define ASSERT_OK(r) ASSERT_EQ((r).status, 0) << (r).err

class CliTest : public ::testing::Test {
  protected:
    // A five-field table with four rows that exercise the CSV quoting rules.
    void makePeople() {
        ASSERT_OK(cli({"db", "create", table, "--fields",
                       "NAME C 20, AMOUNT N 12 2, BORN D, FLAG L, NOTE M"}));
        writeFile(csv,
                  "name,Amount,BORN,flag,NOTE\r\n"
                  "\"Smith, John\",10.50,19540215,T,\"said \"\"hi\"\"\r\nthen left\"\r\n"
                  "Zoë Müller,-0.01,,F,\r\n"
                  "Brown,1234567.89,20240229,,\"a, b\"\r\n"
                  "adams,,19991231,T,\r\n");
        auto r = cli({"db", "append-csv", table, csv});
        ASSERT_OK(r);
        EXPECT_EQ(r.out, "4\n");
    }

    TempDir dir;
    std::string table = dir.file("people.dbf");
    std::string csv = dir.file("in.csv");
};

const std::vector<std::string> kPeopleDump = {
    R"({"_recno": 1, "_deleted": false, "NAME": "Smith, John", "AMOUNT": 10.5, "BORN": "19540215", "FLAG": true, "NOTE": "said \"hi\"\r\nthen left"})",
    R"({"_recno": 2, "_deleted": false, "NAME": "Zoë Müller", "AMOUNT": -0.01, "BORN": "", "FLAG": false, "NOTE": ""})",
    R"({"_recno": 3, "_deleted": false, "NAME": "Brown", "AMOUNT": 1234567.89, "BORN": "20240229", "FLAG": null, "NOTE": "a, b"})",
    R"({"_recno": 4, "_deleted": false, "NAME": "adams", "AMOUNT": null, "BORN": "19991231", "FLAG": true, "NOTE": ""})",
};

TEST_F(CliTest, CreateAppendAndDumpRoundTrip) {
    makePeople();
    auto r = cli({"db", "dump", table});
    ASSERT_OK(r);
    EXPECT_EQ(lines(r.out), kPeopleDump);
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(std::filesystem::exists(dir.file("people.fpt")));

    // A second append adds after the first; header names may be a subset.
    writeFile(csv, "NOTE,NAME\n\"x\ny\",Last\n");
    r = cli({"db", "append-csv", table, csv});
    ASSERT_OK(r);
    EXPECT_EQ(r.out, "1\n");
    r = cli({"db", "dump", table});
    ASSERT_EQ(lines(r.out).size(), 5u);
    EXPECT_EQ(
        lines(r.out)[4],
        R"({"_recno": 5, "_deleted": false, "NAME": "Last", "AMOUNT": null, "BORN": "", "FLAG": null, "NOTE": "x\ny"})");
}

TEST_F(CliTest, InfoDescribesStructureAndTags) {
    makePeople();
    ASSERT_OK(cli({"db", "index", table, "--tag", "name", "--expr", "UPPER(NAME)"}));
    ASSERT_OK(cli({"db", "index", table, "--tag", "rich", "--expr", "AMOUNT", "--for",
                   "AMOUNT > 100", "--descending"}));
    ASSERT_OK(cli({"db", "index", table, "--tag", "once", "--expr", "FLAG", "--unique"}));
    auto r = cli({"db", "info", table});
    ASSERT_OK(r);
    auto out = lines(r.out);
    auto has = [&](const std::string& line) {
        return std::find(out.begin(), out.end(), line) != out.end();
    };
    EXPECT_TRUE(has("type: 0xF5 (FoxPro 2.x with memo)")) << r.out;
    EXPECT_TRUE(has("code page: 1252 (mark 0x03)")) << r.out;
    EXPECT_TRUE(has("records: 4")) << r.out;
    EXPECT_TRUE(has("fields: 5")) << r.out;
    EXPECT_TRUE(has("field: NAME C 20 0")) << r.out;
    EXPECT_TRUE(has("field: AMOUNT N 12 2")) << r.out;
    EXPECT_TRUE(has("field: BORN D 8 0")) << r.out;
    EXPECT_TRUE(has("field: FLAG L 1 0")) << r.out;
    EXPECT_TRUE(has("field: NOTE M 10 0")) << r.out;
    EXPECT_TRUE(has("memo block size: 64")) << r.out;
    EXPECT_TRUE(has("tags: 3")) << r.out;
    EXPECT_TRUE(has("tag: NAME key UPPER(NAME)")) << r.out;
    EXPECT_TRUE(has("tag: RICH key AMOUNT for AMOUNT > 100 descending")) << r.out;
    EXPECT_TRUE(has("tag: ONCE key FLAG unique")) << r.out;

    // Without memo fields there is no memo file and the type byte says so.
    std::string plain = dir.file("plain.dbf");
    ASSERT_OK(cli({"db", "create", plain, "--fields", "A C 5"}));
    r = cli({"db", "info", plain});
    ASSERT_OK(r);
    EXPECT_NE(r.out.find("type: 0x03 "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("memo block size: none"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("tags: 0"), std::string::npos) << r.out;
    EXPECT_FALSE(std::filesystem::exists(dir.file("plain.fpt")));
}

TEST_F(CliTest, IndexOrdersDumpAndSeek) {
    makePeople();
    ASSERT_OK(cli({"db", "index", table, "--tag", "NAME", "--expr", "UPPER(NAME)"}));
    ASSERT_OK(cli({"db", "index", table, "--tag", "AMTDESC", "--expr", "AMOUNT", "--descending"}));
    EXPECT_EQ(recnos(cli({"db", "dump", table, "--order", "NAME"}).out),
              (std::vector<int>{4, 3, 1, 2}));
    // Blank amounts key as 0, between -0.01 and 10.5.
    EXPECT_EQ(recnos(cli({"db", "dump", table, "--order", "amtdesc"}).out),
              (std::vector<int>{3, 1, 4, 2}));

    auto seek = [&](std::vector<std::string> extra, const std::string& key) {
        std::vector<std::string> args = {"db", "seek", table, "--tag", "NAME"};
        args.insert(args.end(), extra.begin(), extra.end());
        args.push_back(key);
        return cli(args);
    };
    auto r = seek({}, "BROWN");
    EXPECT_OK(r);
    EXPECT_EQ(r.out, "3\n");
    EXPECT_EQ(seek({}, "SMI").out, "1\n");  // a partial key matches its prefix
    r = seek({"--exact"}, "SMI");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "not found\n");
    r = seek({}, "C");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "not found\n");
    r = seek({"--soft"}, "C");  // rests on the next key, SMITH
    EXPECT_OK(r);
    EXPECT_EQ(r.out, "1\n");
    r = seek({"--soft"}, "ZZZ");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "not found\n");
    EXPECT_EQ(seek({}, "ZOË").out, "2\n");

    // Appends keep the tags up to date.
    writeFile(csv, "NAME\nBaker\n");
    ASSERT_OK(cli({"db", "append-csv", table, csv}));
    EXPECT_EQ(recnos(cli({"db", "dump", table, "--order", "NAME"}).out),
              (std::vector<int>{4, 5, 3, 1, 2}));
    EXPECT_EQ(seek({}, "BAKER").out, "5\n");

    // Reindex keeps the same order.
    ASSERT_OK(cli({"db", "reindex", table}));
    EXPECT_EQ(recnos(cli({"db", "dump", table, "--order", "NAME"}).out),
              (std::vector<int>{4, 5, 3, 1, 2}));
}

TEST_F(CliTest, CountDeletePackAndZap) {
    makePeople();
    ASSERT_OK(cli({"db", "index", table, "--tag", "NAME", "--expr", "UPPER(NAME)"}));
    auto count = [&](const std::string& q) { return cli({"db", "count", table, "--query", q}); };
    EXPECT_EQ(count("FLAG").out, "2\n");
    EXPECT_EQ(count("AMOUNT > 0").out, "2\n");
    EXPECT_EQ(count(".T.").out, "4\n");

    auto r = cli({"db", "delete", table, "--query", "FLAG"});
    ASSERT_OK(r);
    EXPECT_EQ(r.out, "2\n");
    EXPECT_EQ(count(".T.").out, "2\n");  // deletion-marked records are not counted
    r = cli({"db", "delete", table, "--query", "FLAG"});
    EXPECT_EQ(r.out, "0\n");  // already marked ones are not marked again

    EXPECT_EQ(recnos(cli({"db", "dump", table}).out), (std::vector<int>{2, 3}));
    r = cli({"db", "dump", table, "--deleted"});
    ASSERT_EQ(lines(r.out).size(), 4u);
    EXPECT_NE(lines(r.out)[0].find("\"_deleted\": true"), std::string::npos);
    EXPECT_EQ(cli({"db", "seek", table, "--tag", "NAME", "ADAMS"}).out, "not found\n");

    r = cli({"db", "pack", table});
    ASSERT_OK(r);
    EXPECT_EQ(r.out, "");
    r = cli({"db", "dump", table, "--deleted"});
    ASSERT_EQ(lines(r.out).size(), 2u);
    EXPECT_EQ(
        lines(r.out)[0],
        R"({"_recno": 1, "_deleted": false, "NAME": "Zoë Müller", "AMOUNT": -0.01, "BORN": "", "FLAG": false, "NOTE": ""})");
    EXPECT_EQ(
        lines(r.out)[1],
        R"({"_recno": 2, "_deleted": false, "NAME": "Brown", "AMOUNT": 1234567.89, "BORN": "20240229", "FLAG": null, "NOTE": "a, b"})");
    EXPECT_EQ(recnos(cli({"db", "dump", table, "--order", "NAME"}).out), (std::vector<int>{2, 1}));
    EXPECT_EQ(cli({"db", "seek", table, "--tag", "NAME", "BROWN"}).out, "2\n");

    r = cli({"db", "zap", table});
    ASSERT_OK(r);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(cli({"db", "dump", table, "--deleted"}).out, "");
    EXPECT_EQ(cli({"db", "info", table}).out.find("records: 0") != std::string::npos, true);
    EXPECT_EQ(cli({"db", "seek", table, "--tag", "NAME", "BROWN"}).status, 1);
}

TEST_F(CliTest, ReadsTablesWrittenByAnotherEngine) {
    std::string edge = copyFixture(dir, "edge", {".dbf", ".fpt", ".cdx"});
    auto r = cli({"db", "dump", edge});
    ASSERT_OK(r);
    auto out = lines(r.out);
    ASSERT_EQ(out.size(), 9u);  // record 7 is deletion-marked
    EXPECT_EQ(
        out[0],
        R"({"_recno": 1, "_deleted": false, "NAME": "delta", "AMOUNT": 10.5, "BORN": "19540215", "FLAG": false, "NOTE": "note 1"})");
    EXPECT_EQ(
        out[4],
        R"({"_recno": 5, "_deleted": false, "NAME": "alpha", "AMOUNT": -0.01, "BORN": "19700615", "FLAG": false, "NOTE": "note 5"})");
    EXPECT_EQ(
        out[5],
        R"({"_recno": 6, "_deleted": false, "NAME": "", "AMOUNT": null, "BORN": "", "FLAG": true, "NOTE": ""})");
    EXPECT_EQ(
        out[6],
        R"({"_recno": 8, "_deleted": false, "NAME": "DELTA", "AMOUNT": -1000000, "BORN": "19820915", "FLAG": false, "NOTE": ""})");

    auto order = [&](const char* tag) {
        return recnos(cli({"db", "dump", edge, "--deleted", "--order", tag}).out);
    };
    EXPECT_EQ(order("NAME"), (std::vector<int>{6, 2, 5, 4, 9, 3, 1, 8, 7, 10}));
    EXPECT_EQ(order("NAMEDESC"), (std::vector<int>{10, 7, 8, 1, 3, 9, 4, 5, 2, 6}));
    EXPECT_EQ(order("NAMEUNIQ"), (std::vector<int>{6, 2, 4, 3, 1, 7, 10}));
    EXPECT_EQ(order("NAMEPOS"), (std::vector<int>{4, 9, 1, 7, 10}));
    EXPECT_EQ(order("AMOUNT"), (std::vector<int>{8, 2, 5, 3, 6, 9, 1, 10, 7, 4}));

    EXPECT_EQ(cli({"db", "count", edge, "--query", "AMOUNT > 0"}).out, "4\n");
    r = cli({"db", "info", edge});
    EXPECT_NE(r.out.find("tags: 8"), std::string::npos) << r.out;
    // Key text as the other engine stored it.
    EXPECT_NE(r.out.find("tag: NAMEPOS key UPPER( NAME ) for AMOUNT > 0\n"), std::string::npos)
        << r.out;
}

TEST_F(CliTest, BadCsvLeavesTheTableUntouched) {
    makePeople();
    ASSERT_OK(cli({"db", "index", table, "--tag", "NAME", "--expr", "UPPER(NAME)"}));
    const auto before = snapshot(dir);
    struct Case {
        std::string csv;
        std::string message;
    } cases[] = {
        {"NAME,AMOUNT\nok,1\n\"open,2\n", "quoted field is not closed"},
        {"NAME,AMOUNT\nok,1\nbad,2,3\n", "CSV line 3: 3 fields, but the header has 2"},
        {"NAME,NOPE\nok,1\n", "'NOPE', which is not a field"},
        {"NAME,name\nok,1\n", "field NAME twice"},
        {"NAME,AMOUNT\nok,1\nbad,12x\n", "CSV line 3, field AMOUNT: '12x' is not a number"},
        {"NAME,AMOUNT\nok,1\nbad,12345678901\n", "CSV line 3, field AMOUNT"},
        {"NAME\nok\n123456789012345678901\n", "CSV line 3, field NAME: 21 characters"},
        {"NAME,BORN\nok,20240101\nbad,notadate\n", "CSV line 3, field BORN"},
        {"NAME,FLAG\nok,T\nbad,maybe\n", "CSV line 3, field FLAG"},
        {"NAME\nok\n\xFF\n", "CSV line 3: not valid UTF-8"},
    };
    for (const Case& c : cases) {
        writeFile(csv, c.csv);
        auto r = cli({"db", "append-csv", table, csv});
        EXPECT_EQ(r.status, 1) << c.csv;
        EXPECT_EQ(r.out, "") << c.csv;
        EXPECT_EQ(r.err.rfind("postcraft-cli: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        auto after = snapshot(dir);
        after.erase("in.csv");
        auto expected = before;
        expected.erase("in.csv");
        EXPECT_TRUE(after == expected) << "table files changed by: " << c.csv;
    }
    EXPECT_EQ(cli({"db", "append-csv", table, dir.file("missing.csv")}).status, 1);
}

TEST_F(CliTest, ErrorsAndUsage) {
    auto r = cli({"db", "dump", dir.file("nothing.dbf")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "postcraft-cli: " + dir.file("nothing.dbf") + ": no such table\n");
    EXPECT_EQ(r.out, "");

    // Field lists are checked before anything is written.
    for (const char* fields : {"NAME X 10", "NAME C", "1ABC C 5", "TOOLONGNAME1 C 5",
                               "A C 5, a N 3", "A N 5 4", "A C 300", "D D 9", "A C 5,", ""}) {
        r = cli({"db", "create", table, "--fields", fields});
        EXPECT_EQ(r.status, 2) << fields;
        EXPECT_NE(r.err.find("postcraft-cli: "), std::string::npos) << fields;
        EXPECT_FALSE(std::filesystem::exists(table)) << fields;
    }

    makePeople();
    const auto before = snapshot(dir);
    r = cli({"db", "create", table, "--fields", "A C 5"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("already exists"), std::string::npos);
    EXPECT_TRUE(snapshot(dir) == before);

    r = cli({"db", "count", table, "--query", "NAME = "});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("postcraft-cli: bad query 'NAME = ': ", 0), 0u) << r.err;
    r = cli({"db", "delete", table, "--query", "NOSUCHFIELD > 1"});
    EXPECT_EQ(r.status, 1);
    r = cli({"db", "count", table, "--query", "NAME"});  // not a logical expression
    EXPECT_EQ(r.status, 1);
    r = cli({"db", "index", table, "--tag", "X", "--expr", "UPPER("});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("postcraft-cli: bad --expr 'UPPER(': ", 0), 0u) << r.err;
    EXPECT_EQ(r.err.find("EMPTY"), std::string::npos) << r.err;  // the user's text, not ours
    r = cli({"db", "index", table, "--tag", "X", "--expr", "NAME", "--for", "AMOUNT"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("bad --for condition"), std::string::npos) << r.err;
    r = cli({"db", "dump", table, "--order", "NOPE"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("has no tag 'NOPE'"), std::string::npos) << r.err;
    EXPECT_TRUE(snapshot(dir) == before);

    // Usage errors exit with 2.
    for (std::vector<std::string> args :
         std::vector<std::vector<std::string>>{{"db"},
                                               {"db", "frobnicate", table},
                                               {"db", "dump"},
                                               {"db", "dump", table, "--bogus"},
                                               {"db", "count", table},
                                               {"db", "seek", table, "KEY"},
                                               {"db", "index", table, "--tag", "T"},
                                               {"db", "dump", table, "extra"},
                                               {"nope"},
                                               {}}) {
        r = cli(args);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args);
        EXPECT_EQ(r.err.rfind("postcraft-cli: ", 0) == 0 || r.err.rfind("usage:", 0) == 0, true)
            << r.err;
    }
    r = cli({"--help"});
    EXPECT_OK(r);
    EXPECT_NE(r.out.find("db"), std::string::npos);
    r = cli({"db", "--help"});
    EXPECT_OK(r);
    EXPECT_NE(r.out.find("append-csv TABLE FILE"), std::string::npos);
}

TEST_F(CliTest, ReadersOfATableInUseAreToldToWait) {
    makePeople();
    // Two readers at once are fine.
    const int reader = ::open(table.c_str(), O_RDONLY);
    ASSERT_GE(reader, 0);
    ASSERT_EQ(::flock(reader, LOCK_SH), 0);
    EXPECT_OK(cli({"db", "count", table, "--query", "FLAG"}));
    ::close(reader);

    // A writer (the program, with the table open) keeps readers out, and they say why.
    const int writer = ::open(table.c_str(), O_RDWR);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::flock(writer, LOCK_EX), 0);
    for (const char* verb : {"info", "count", "dump"}) {
        std::vector<std::string> args = {"db", verb, table};
        if (std::string(verb) == "count") args.insert(args.end(), {"--query", "FLAG"});
        const auto r = cli(args);
        EXPECT_NE(r.status, 0) << verb;
        EXPECT_NE(r.err.find("in use"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("close the table in Postcraft"), std::string::npos) << r.err;
    }
    ::close(writer);
    EXPECT_OK(cli({"db", "info", table}));
}

TEST_F(CliTest, StaleIndexIsReported) {
    makePeople();
    ASSERT_OK(cli({"db", "index", table, "--tag", "NAME", "--expr", "UPPER(NAME)"}));
    const std::string cdx = dir.file("people.cdx");
    const std::string oldIndex = readFile(cdx);
    writeFile(csv, "NAME\nBaker\nCole\n");
    ASSERT_OK(cli({"db", "append-csv", table, csv}));
    writeFile(cdx, oldIndex);  // an index from before the append, as after a partial restore

    const std::string message = "postcraft-cli: index of " + table +
                                " does not match the table; run 'postcraft-cli db reindex " +
                                table + "'\n";
    auto r = cli({"db", "seek", table, "--tag", "NAME", "BAKER"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, message);
    r = cli({"db", "dump", table, "--order", "NAME"});
    EXPECT_EQ(r.err, message);
    EXPECT_EQ(cli({"db", "pack", table}).err, message);
    EXPECT_NE(cli({"db", "info", table}).out.find("index: stale"), std::string::npos);
    EXPECT_EQ(recnos(cli({"db", "dump", table}).out).size(), 6u);  // physical order still works

    ASSERT_OK(cli({"db", "reindex", table}));
    EXPECT_EQ(cli({"db", "seek", table, "--tag", "NAME", "BAKER"}).out, "5\n");
}

// Tables and indexes the CLI writes must read the same in independent readers.
TEST_F(CliTest, IndependentReadersAgree) {
    makePeople();
    writeFile(csv, "NAME,AMOUNT\nÉmile Zola,3\nbaker,-7.25\nBAKER,0\n");
    ASSERT_OK(cli({"db", "append-csv", table, csv}));
    ASSERT_OK(cli({"db", "delete", table, "--query", "AMOUNT < 0"}));
    ASSERT_OK(cli({"db", "index", table, "--tag", "NAME", "--expr", "UPPER(NAME)"}));
    ASSERT_OK(
        cli({"db", "index", table, "--tag", "NAMEDESC", "--expr", "UPPER(NAME)", "--descending"}));
    ASSERT_OK(
        cli({"db", "index", table, "--tag", "NAMEUNIQ", "--expr", "UPPER(NAME)", "--unique"}));
    ASSERT_OK(cli({"db", "index", table, "--tag", "BORNNAME", "--expr", "DTOS(BORN)+UPPER(NAME)",
                   "--for", "!FLAG"}));
    auto dump = cli({"db", "dump", table, "--deleted"});
    ASSERT_OK(dump);
    ASSERT_EQ(lines(dump.out).size(), 7u);

    bool ran = false;
    if (haveProgram(kPython) && runProcess({kPython, "-c", "import dbf"}).status == 0) {
        auto r = runProcess({kPython, kScripts + "/read_dbf.py", table});
        ASSERT_OK(r);
        EXPECT_EQ(lines(r.out), lines(dump.out)) << "python3-dbf reads the table differently";
        ran = true;
    }
    if (haveProgram("perl") &&
        runProcess({"perl", "-MXBase", "-MXBase::Index", "-e", "1"}).status == 0) {
        auto r = runProcess({"perl", kScripts + "/read_xbase.pl", "records", table});
        ASSERT_OK(r);
        EXPECT_EQ(lines(r.out), lines(dump.out)) << "Perl XBase reads the table differently";

        const std::string cdx = dir.file("people.cdx");
        r = runProcess({"perl", kScripts + "/read_xbase.pl", "tags", cdx});
        ASSERT_OK(r);
        EXPECT_EQ(lines(r.out),
                  (std::vector<std::string>{"BORNNAME", "NAME", "NAMEDESC", "NAMEUNIQ"}));
        for (const char* tag : {"NAME", "NAMEDESC", "NAMEUNIQ", "BORNNAME"}) {
            auto stored = runProcess({"perl", kScripts + "/read_xbase.pl", "order", cdx, tag});
            ASSERT_OK(stored);
            std::vector<int> expected = numbers(stored.out);
            // A descending tag stores ascending keys and is walked backwards.
            if (std::string(tag) == "NAMEDESC") std::reverse(expected.begin(), expected.end());
            auto walked = cli({"db", "dump", table, "--deleted", "--order", tag});
            EXPECT_EQ(recnos(walked.out), expected) << tag;
        }
        ran = true;
    }
    if (!ran) GTEST_SKIP() << "neither python3-dbf nor Perl XBase is installed";
}

}  // namespace
}  // namespace pc::test
