// `postcraft-cli labels list` and `labels add` on a scratch home.
#include <gtest/gtest.h>

#include <filesystem>

#include "run_process.h"
#include "test_support.h"

namespace pc::test {
namespace {

ProcessResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), PC_CLI_PATH);
    return runProcess(args);
}

TEST(LabelsCli, AddFromATemplateOrNumbersAndListInDescriptionOrder) {
    TempDir dir;
    const std::string home = dir.file("home");
    std::filesystem::create_directories(home + "/sysdata");
    writeFile(dir.file("label.json"),
              "{\"class\": \"TGPLabel\", \"name\": \"T\", \"properties\": {\"Left\": 5, \"Top\": "
              "5, \"Width\": 80, \"Height\": 16, \"Caption\": \"Hello\"}}\n");
    ASSERT_EQ(cli({"layout", "load", dir.file("label.json"), dir.file("in.L")}).status, 0);

    ProcessResult r = cli({"labels", "add", "--home", home, "--description", "Shipping", "--layout",
                           dir.file("in.L"), "--template", "Avery 5160  Address"});
    ASSERT_EQ(r.status, 0) << r.err;
    r = cli({"labels", "add", "--home", home, "--description", "Mine", "--layout", dir.file("in.L"),
             "--geometry", "1 4 2 10 0.5 0.16 4.19 1 8.5 11 LTR 0.125 0"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readFile(home + "/sysdata/BIN00001.L"), readFile(dir.file("in.L")));

    r = cli({"labels", "list", "--home", home});
    ASSERT_EQ(r.status, 0) << r.err;
    const size_t mine = r.out.find("{\"DESCRIPT\": \"Mine\"");
    const size_t shipping = r.out.find("{\"DESCRIPT\": \"Shipping\"");
    ASSERT_NE(mine, std::string::npos) << r.out;
    EXPECT_LT(mine, shipping);
    EXPECT_NE(r.out.find("\"MANUFAC\": \"USER\""), std::string::npos);
    EXPECT_NE(r.out.find("\"MIDEXTRAX\": 0.125"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"TPLDESCRIP\": \"Avery 5160  Address\""), std::string::npos);
    EXPECT_NE(r.out.find("\"BINARY\": \"BIN00002.L\""), std::string::npos);

    // Bad stock values and unknown templates add nothing.
    EXPECT_NE(cli({"labels", "add", "--home", home, "--description", "X", "--layout",
                   dir.file("in.L"), "--geometry", "0.1 4 2 10 0.5 0.16 4.19 1 8.5 11 LTR"})
                  .status,
              0);
    EXPECT_NE(cli({"labels", "add", "--home", home, "--description", "X", "--layout",
                   dir.file("in.L"), "--template", "No such stock"})
                  .status,
              0);
    EXPECT_FALSE(std::filesystem::exists(home + "/sysdata/BIN00003.L"));
}

}  // namespace
}  // namespace pc::test
