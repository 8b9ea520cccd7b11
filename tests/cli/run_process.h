#pragma once
// Runs a program as a subprocess and captures what it says.
#include <string>
#include <vector>

namespace pc::test {

struct ProcessResult {
    int status = -1;  // exit status; 128 + signal number when killed
    std::string out;
    std::string err;
};

// Runs argv[0] (a path, or a name looked up in PATH) with the given
// arguments, feeding `input` on its standard input.
ProcessResult runProcess(const std::vector<std::string>& argv, const std::string& input = {});

// Whether an executable of that name or path can be run.
bool haveProgram(const std::string& nameOrPath);

}  // namespace pc::test
