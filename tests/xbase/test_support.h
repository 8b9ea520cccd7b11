#pragma once
// Helpers shared by the engine tests: scratch folders and fixture paths.
#include <filesystem>
#include <string>

namespace pc::test {

// A fresh, empty folder removed when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// Path of a fixture file under tests/fixtures (e.g. "xbase/edge.dbf").
std::string fixture(const std::string& relative);
// Copies the named fixture files (same base name, all extensions given) into dir.
std::string copyFixture(const TempDir& dir, const std::string& base,
                        std::initializer_list<const char*> extensions);

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

}  // namespace pc::test
