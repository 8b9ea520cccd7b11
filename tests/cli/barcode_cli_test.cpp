// `postcraft-cli barcode`: exact output, messages on stderr, exit codes.
#include <gtest/gtest.h>

#include "run_process.h"

namespace pc::test {
namespace {

ProcessResult barcode(std::vector<std::string> args) {
    args.insert(args.begin(), {PC_CLI_PATH, "barcode"});
    return runProcess(args);
}

TEST(BarcodeCli, PostNetPrintsDigitsAndBarsOrNone) {
    auto r = barcode({"postnet", "--zip", "12345-6789", "--street", "123 MAIN ST"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "123456789230 "
              "FHHHFFHHFHFHHFFHHFHHFHFHFHHFFHHFHHHFFHHFHFHFHHHHFHFHHFFHFFHHHF\n");
    r = barcode({"postnet", "--zip=12345-6789", "--type=5"});
    EXPECT_EQ(r.out, "123455 FHHHFFHHFHFHHFFHHFHHFHFHFHHFHFHF\n");
    r = barcode({"postnet", "--zip", "1-2-3", "--type", "9"});
    EXPECT_EQ(r.out, "1234 FHHHFFHHFHFHHFFHHFHHFF\n");

    for (const char* zip : {"ABCDE", "99999-99999", ""}) {
        r = barcode({"postnet", "--zip", zip});
        EXPECT_EQ(r.status, 1) << zip;
        EXPECT_EQ(r.out, "none\n") << zip;
        EXPECT_EQ(r.err, "") << zip;
    }
}

TEST(BarcodeCli, FimPrintsTheNinePositions) {
    const std::pair<const char*, const char*> cases[] = {{"A", "110010011\n"},
                                                         {"B", "101101101\n"},
                                                         {"C", "110101011\n"},
                                                         {"D", "111010111\n"},
                                                         {"E", "101000101\n"}};
    for (const auto& [type, pattern] : cases) {
        const auto r = barcode({"fim", "--type", type});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, pattern);
    }
}

TEST(BarcodeCli, ImbPrintsTheBarsOrNamesTheProblem) {
    auto r = barcode({"imb", "--tracking", "01234567094987654321", "--routing", "01234567891"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "AADTFFDFTDADTAADAATFDTDDAAADDTDTTDAFADADDDTFFFDDTTTADFAAADFTDAADA\n");
    r = barcode({"imb", "--tracking", "01234567094987654321"});
    EXPECT_EQ(r.out, "ATTFATTDTTADTAATTDTDTATTDAFDDFADFDFTFFFFFTATFAAAATDFFTDAADFTFDTDT\n");

    const std::tuple<std::vector<std::string>, const char*> bad[] = {
        {{"--tracking", "0123456709498765432"}, "20 digits"},
        {{"--tracking", "0123456709498765432x"}, "digits only"},
        {{"--tracking", "07234567094987654321"}, "second digit"},
        {{"--tracking", "01234567094987654321", "--routing", "1234"}, "0, 5, 9 or 11"},
        {{"--tracking", "01234567094987654321", "--routing", "1234-"}, "routing code"},
    };
    for (const auto& [args, problem] : bad) {
        std::vector<std::string> all = {"imb"};
        all.insert(all.end(), args.begin(), args.end());
        r = barcode(all);
        EXPECT_EQ(r.status, 2) << problem;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(problem), std::string::npos) << r.err;
    }
}

TEST(BarcodeCli, UsageMistakesExitWithTwo) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {"planet"},
                                               {"postnet"},
                                               {"postnet", "--zip", "12345", "--type", "7"},
                                               {"fim", "--type", "F"},
                                               {"fim"},
                                               {"imb", "--zip", "1"},
                                               {"fim", "--type"}}) {
        const auto r = barcode(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(r.err.empty());
    }
    EXPECT_EQ(barcode({"--help"}).status, 0);
}

}  // namespace
}  // namespace pc::test
