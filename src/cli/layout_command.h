#pragma once
// `postcraft-cli layout dump FILE` and `postcraft-cli layout load JSONFILE
// OUT`: layout files (.L, .E, .R) as JSON lines and back.
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class QGuiApplication;

namespace pc::cli {

// A Gui application for the verbs whose objects measure text (offscreen, with
// a private runtime folder); null when one runs already.
std::unique_ptr<QGuiApplication> startGui();

extern const char* const kLayoutUsage;

// Arguments after "layout"; returns the exit status, throws CliError.
int runLayoutCommand(const std::vector<std::string>& args, std::ostream& out);

}  // namespace pc::cli
