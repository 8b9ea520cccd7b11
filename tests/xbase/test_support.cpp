#include "test_support.h"

#include <unistd.h>

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace pc::test {

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "pctest-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string fixture(const std::string& relative) {
    return std::string(PC_FIXTURES_DIR) + "/" + relative;
}

std::string copyFixture(const TempDir& dir, const std::string& base,
                        std::initializer_list<const char*> extensions) {
    for (const char* ext : extensions) {
        auto from = fixture("xbase/" + base + ext);
        auto to = dir.path() / (base + ext);
        std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
        std::filesystem::permissions(to, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
    }
    return dir.file(base + ".dbf");
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace pc::test
