// The command-line tool and the table layer run where no window system is
// installed: neither may load the widget library. The tool draws layouts
// headless through Qt Gui, which is allowed.
#include <gtest/gtest.h>

#include <string>

#include "run_process.h"

namespace pc::test {
namespace {

std::string loadedLibraries(const std::string& program) {
    const ProcessResult result = runProcess({"ldd", program});
    EXPECT_EQ(result.status, 0) << result.err;
    return result.out;
}

TEST(LoadedLibraries, TheCommandLineToolAndTheTableLayerLoadNoWidgets) {
    if (!haveProgram("ldd")) GTEST_SKIP() << "ldd is not installed";
    for (const char* program : {PC_CLI_PATH, PC_DATA_PROBE_PATH}) {
        const std::string libraries = loadedLibraries(program);
        // The probe is linked without --as-needed, so QtCore shows that the
        // listing is real and a Widgets entry would be a dependency.
        EXPECT_NE(libraries.find("libQt6Core"), std::string::npos) << program;
        EXPECT_EQ(libraries.find("libQt6Widgets"), std::string::npos) << program << "\n"
                                                                      << libraries;
    }
}

}  // namespace
}  // namespace pc::test
