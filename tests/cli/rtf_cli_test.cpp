// `postcraft-cli rtf text` end to end.
#include <gtest/gtest.h>

#include "run_process.h"
#include "test_support.h"

namespace pc::test {
namespace {

ProcessResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), PC_CLI_PATH);
    return runProcess(args);
}

TEST(RtfCli, PrintsOneParagraphPerLineInUtf8) {
    auto r = cli({"rtf", "text", PC_FIXTURES_DIR "/rtf/international.rtf"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "Café crème, naïve façade – “quoted” — €5\n"
              "Ελληνικά και Русский текст\n"
              "Zürich, Łódź, Ærø\n");
    EXPECT_EQ(r.err, "");

    TempDir dir;
    writeFile(dir.file("breaks.rtf"), "{\\rtf1 Dear [First Name],\\line next\\par\\par end\\par}");
    r = cli({"rtf", "text", dir.file("breaks.rtf")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Dear [First Name],\nnext\n\nend\n");
}

TEST(RtfCli, FailuresGoToStandardErrorWithAStatus) {
    TempDir dir;
    writeFile(dir.file("plain.rtf"), "just text");
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"rtf", "text", dir.file("plain.rtf")},
                                               {"rtf", "text", dir.file("missing.rtf")},
                                               {"rtf", "text", dir.path().string()},
                                               {"rtf"},
                                               {"rtf", "words", dir.file("plain.rtf")}}) {
        auto r = cli(args);
        EXPECT_NE(r.status, 0) << args.back();
        EXPECT_EQ(r.out, "") << args.back();
        EXPECT_NE(r.err.find("postcraft-cli: "), std::string::npos) << args.back();
    }
}

}  // namespace
}  // namespace pc::test
