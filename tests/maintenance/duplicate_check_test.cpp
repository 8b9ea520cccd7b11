// The duplicate check: neighbour kinds on the NAME and STREET orders, the
// similar-name kind, and the string measures it rests on.
#include "maintenance/duplicate_check.h"

#include <gtest/gtest.h>

#include "maintenance/jaro_winkler.h"
#include "maintenance/phonetic_key.h"
#include "maintenance/similar_names.h"
#include "utility_table.h"

namespace pc::maintenance::test {
namespace {

TEST(StringMeasures, JaroWinklerAndSoundexKnownValues) {
    EXPECT_NEAR(jaroWinkler("MARTHA", "MARHTA"), 0.961, 0.001);
    EXPECT_NEAR(jaroWinkler("DWAYNE", "DUANE"), 0.84, 0.001);
    EXPECT_NEAR(jaroWinkler("DIXON", "DICKSONX"), 0.813, 0.001);
    EXPECT_EQ(jaroWinkler("", ""), 1.0);
    EXPECT_EQ(jaroWinkler("A", ""), 0.0);
    EXPECT_EQ(jaroWinkler("ABC", "XYZ"), 0.0);
    EXPECT_GT(jaroWinkler(std::string(300, 'a'), std::string(299, 'a') + "b"), 0.99);
    EXPECT_EQ(soundex("Robert"), "R163");
    EXPECT_EQ(soundex("Rupert"), "R163");
    EXPECT_EQ(soundex("Ashcraft"), "A261");
    EXPECT_EQ(soundex("Tymczak"), "T522");
    EXPECT_EQ(soundex("Pfister"), "P236");
    EXPECT_EQ(soundex("O'Neil"), "O540");
    EXPECT_EQ(soundex("Lee"), "L000");
    EXPECT_EQ(soundex("123"), "");
}

class DuplicateRun : public UtilityTable {
  protected:
    DuplicateCheckResult check(DuplicateKind kind, int chars = 30) {
        DuplicateCheckOptions options;
        options.kind = kind;
        options.streetChars = chars;
        return checkDuplicates(table, options);
    }
};

TEST_F(DuplicateRun, LastAndFirstIgnoreCaseAndInitialMatchesTheFirstLetter) {
    const int john = person("BAKER", "JOHN"), john2 = person("Baker", "john");
    const int jane = person("BAKER", "JANE");
    person("ADAMS", "A");
    auto result = check(DuplicateKind::LastFirst);
    EXPECT_EQ(result.pairs, 1);
    EXPECT_EQ(result.records, std::vector<int>({john, john2}));
    result = check(DuplicateKind::LastFirstInitial);
    EXPECT_EQ(result.pairs, 2);
    EXPECT_EQ(result.records, std::vector<int>({jane, john, john2}));  // key order
}

TEST_F(DuplicateRun, StreetComparesTheChosenNumberOfCharacters) {
    const int a = person("A", "a", "123 MAIN STREET"), b = person("B", "b", "123 MAIN ST APT 5");
    EXPECT_EQ(check(DuplicateKind::Street, 10).records, std::vector<int>({b, a}));
    EXPECT_EQ(check(DuplicateKind::Street, 30).pairs, 0);
}

TEST_F(DuplicateRun, ThreeEqualCountTwoAndDeletedOrEmptyNeverTakePart) {
    const int a = person("SMITH", "AL"), b = person("SMITH", "AL"), c = person("SMITH", "AL");
    person("SMITH", "AL", {}, {{"ISDEL", "T"}});
    person("SMITH", "AL");
    table.deleteRecord();
    person("", "SMITHAL");
    person("", "SMITHAL");
    const auto result = check(DuplicateKind::LastFirst);
    EXPECT_EQ(result.pairs, 2);
    EXPECT_EQ(result.records, std::vector<int>({a, b, c}));
    EXPECT_EQ(duplicatesFoundText(result.pairs), "Found 2 possible duplicates");
}

TEST_F(DuplicateRun, NoEqualNeighboursFindsNothingAndAStopEndsEarly) {
    person("A", "a");
    person("B", "b");
    EXPECT_EQ(check(DuplicateKind::LastFirst).pairs, 0);
    for (int i = 0; i < 5; ++i) person("SAME", "x");
    DuplicateCheckOptions options;
    const auto stopped = checkDuplicates(table, options, [](int done, int) { return done < 4; });
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(stopped.pairs, 1);  // A, B, SAME, SAME: stopped after the fourth
}

TEST_F(DuplicateRun, SimilarNamesFindTyposInTheNameOrTheStreet) {
    const int a = person("JOHNSON", "ROBERT", "123 MAPLE AVE", {{"ZIP", "10001"}});
    const int b = person("JONSON", "ROBERT", "123 MAPLE AVE", {{"ZIP", "10002"}});  // sound
    const int c = person("PETERSON", "MARY", "9 OAK ST", {{"ZIP", "20001"}});
    const int d = person("PETERSON", "MARRY", "9 OAK STREET", {{"ZIP", "20001-1234"}});
    person("PETERSON", "JAMES", "77 ELM RD", {{"ZIP", "20001"}});  // a different person
    person("WILLIAMS", "ANN", "5 PINE CT", {{"ZIP", "30001"}});
    DuplicateCheckOptions options;
    options.kind = DuplicateKind::SimilarNames;
    auto result = checkDuplicates(table, options);
    EXPECT_EQ(result.pairs, 2);
    EXPECT_EQ(result.records, std::vector<int>({a, b, d, c}));  // PETERSONMARRY first
    options.threshold = 0.95;  // OAK ST against OAK STREET scores 0.93
    result = checkDuplicates(table, options);
    EXPECT_EQ(result.pairs, 1);
    EXPECT_EQ(result.records, std::vector<int>({a, b}));
}

TEST(SimilarPairs, BlocksLimitComparisonsAndPairsComeOnce) {
    std::vector<SimilarCandidate> records;
    for (int i = 1; i <= 30; ++i)
        records.push_back({i, "SMITH JOHN", "1 MAIN ST", "10001", "S530"});
    records.push_back({31, "", "1 MAIN ST", "10001", ""});
    const auto pairs = findSimilarPairs(records, 0.92, 3);
    // Each record meets its next 3 neighbours in both blocks: the same pairs.
    EXPECT_EQ(pairs.size(), 27u * 3 + 2 + 1);
    for (const auto& [x, y] : pairs) {
        EXPECT_LT(x, y);
        EXPECT_NE(y, 31);
    }
}

}  // namespace
}  // namespace pc::maintenance::test
