#pragma once
// A private folder for one test, removed with everything in it when the test ends.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

class TempDir {
  public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "ktxtest-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        Path_ = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(Path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return Path_; }
    std::string File(const std::string& name) const { return Path_ + "/" + name; }
    // Writes bytes exactly as given and returns the file's path.
    std::string Write(const std::string& name, const std::string& content) const {
        std::ofstream(File(name), std::ios::binary) << content;
        return File(name);
    }

  private:
    std::string Path_;
};
