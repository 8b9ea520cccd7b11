// Search and replace: the match expressions as the engine gets them, the
// question asked first, partial replacement and runs over a table.
#include "maintenance/search_and_replace.h"

#include <gtest/gtest.h>

#include "utility_table.h"

namespace pc::maintenance::test {
namespace {

ReplaceRequest request(const QString& find, bool contains, bool caseSensitive) {
    ReplaceRequest r;
    r.field = "LNAME";
    r.displayName = "Last Name";
    r.find = find;
    r.contains = contains;
    r.caseSensitive = caseSensitive;
    return r;
}

TEST(MatchExpression, FollowsTheTableOfFindValuesAndOptions) {
    EXPECT_EQ(matchExpression(request("", true, false)), "EMPTY(LNAME)");
    EXPECT_EQ(matchExpression(request("Bak", true, true)), "\"Bak\"$LNAME");
    EXPECT_EQ(matchExpression(request("Bak", true, false)), "upper(\"BAK\")$upper(LNAME)");
    EXPECT_EQ(matchExpression(request("Bak", false, true)), "LEFT(LNAME,3)==\"Bak\"");
    EXPECT_EQ(matchExpression(request("Bak", false, false)),
              "LEFT(upper(LNAME),3)==upper(\"BAK\")");
    // A double quote cannot stand inside "...": the value is spliced together.
    EXPECT_EQ(matchExpression(request("O\"B", false, true)), "LEFT(LNAME,3)==\"O\"+'\"'+\"B\"");
}

TEST(ReplaceConfirmation, NamesTheFieldConditionAndAction) {
    ReplaceRequest r = request("main", true, false);
    r.displayName = "Address 1";
    r.with = "Elm";
    r.partial = true;
    EXPECT_EQ(replaceConfirmation(r),
              "Find records where field Address 1\rcontains: \"main\" (not case sensitive)\r"
              "and replace only the matching text with \"Elm\"");
    r = request("", false, true);
    EXPECT_EQ(replaceConfirmation(r),
              "Find records where field Last Name\ris empty \rand delete the entire field \"\"");
    r = request("X", false, true);
    r.with = "Y";
    EXPECT_EQ(replaceConfirmation(r),
              "Find records where field Last Name\rexactly matches: \"X\"  (case sensitive)\r"
              "and replace the entire field with \"Y\"");
    r.partial = true;
    r.with.clear();
    EXPECT_TRUE(replaceConfirmation(r).endsWith("and delete the matching text \"\""));
}

TEST(ReplaceMatchingText, ReplacesEachOccurrenceUpToTheLimit) {
    EXPECT_EQ(replaceMatchingText("12 MAIN ST", "main", "Elm", false), "12 Elm ST");
    EXPECT_EQ(replaceMatchingText("12 MAIN ST", "main", "Elm", true), "12 MAIN ST");
    EXPECT_EQ(replaceMatchingText("aXaXa", "a", "bb", true), "bbXbbXbb");
    EXPECT_EQ(replaceMatchingText("abc", "b", "", true), "ac");
    // 60 occurrences: the first 50 are replaced, the rest stay.
    const QString many = QString("a").repeated(60);
    EXPECT_EQ(replaceMatchingText(many, "a", "b", true),
              QString("b").repeated(50) + QString("a").repeated(10));
}

class ReplaceRun : public UtilityTable {};

TEST_F(ReplaceRun, ExactlyEqualMatchesEveryFieldThatBeginsWithTheValue) {
    const int baker = person("BAKER", "A"), bakshi = person("BAKSHI", "B"),
              other = person("ABAK", "C"), lower = person("baker", "D");
    ReplaceRequest r = request("BAK", false, true);
    r.with = "X";
    EXPECT_EQ(replaceFieldValues(table, r, {}), 2);
    EXPECT_EQ(valueOf(baker, "LNAME"), "X");
    EXPECT_EQ(valueOf(bakshi, "LNAME"), "X");
    EXPECT_EQ(valueOf(other, "LNAME"), "ABAK");
    EXPECT_EQ(valueOf(lower, "LNAME"), "baker");
}

TEST_F(ReplaceRun, ContainsWithPartialReplacementKeepsTheRest) {
    const int main = person("A", "A", "12 MAIN ST"), elm = person("B", "B", "4 OAK AVE");
    ReplaceRequest r = request("main", true, false);
    r.field = "STREET";
    r.with = "Elm";
    r.partial = true;
    EXPECT_EQ(replaceFieldValues(table, r, {}), 1);
    EXPECT_EQ(valueOf(main, "STREET"), "12 Elm ST");
    EXPECT_EQ(valueOf(elm, "STREET"), "4 OAK AVE");
}

TEST_F(ReplaceRun, EmptyFindFillsEmptyFieldsAndEmptyReplaceClears) {
    const int empty = person("A", "", "x"), full = person("B", "Ann", "y");
    ReplaceRequest r = request("", false, true);
    r.field = "FNAME";
    r.with = "X";
    EXPECT_EQ(replaceFieldValues(table, r, {}), 1);
    EXPECT_EQ(valueOf(empty, "FNAME"), "X");
    EXPECT_EQ(valueOf(full, "FNAME"), "Ann");
    r = request("Ann", false, true);
    r.field = "FNAME";
    EXPECT_EQ(replaceFieldValues(table, r, {}), 1);
    EXPECT_EQ(valueOf(full, "FNAME"), "");
}

TEST_F(ReplaceRun, QuotesInValuesScopeFilterAndDeletedRecords) {
    const int obrien = person("O\"Brien", "A"),
              inNy = person("O\"Brien", "B", {}, {{"STATE", "NY"}});
    const int gone = person("O\"Brien", "C");
    table.deleteRecord();
    ReplaceRequest r = request("O\"B", false, true);
    r.with = "O'B\"x";
    EXPECT_EQ(replaceFieldValues(table, r, "STATE=\"NY\""), 1);
    EXPECT_EQ(valueOf(inNy, "LNAME"), "O'B\"x");
    EXPECT_EQ(valueOf(obrien, "LNAME"), "O\"Brien");
    EXPECT_EQ(replaceFieldValues(table, r, {}), 1);  // the deletion-marked one stays
    EXPECT_EQ(valueOf(gone, "LNAME"), "O\"Brien");
}

}  // namespace
}  // namespace pc::maintenance::test
