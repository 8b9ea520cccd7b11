#include "xbase/file_names.h"

#include <strings.h>

#include <filesystem>

namespace pc::xbase {

std::string findFileNoCase(const std::string& dir, const std::string& name) {
    namespace fs = std::filesystem;
    fs::path base = dir.empty() ? fs::path(".") : fs::path(dir);
    std::error_code ec;
    fs::path exact = base / name;
    if (fs::is_regular_file(exact, ec)) return (dir.empty() ? fs::path(name) : exact).string();
    for (const auto& entry : fs::directory_iterator(base, ec)) {
        std::string candidate = entry.path().filename().string();
        if (::strcasecmp(candidate.c_str(), name.c_str()) == 0 && entry.is_regular_file(ec))
            return entry.path().string();
    }
    return {};
}

}  // namespace pc::xbase
