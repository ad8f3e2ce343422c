#pragma once
// Test helpers: a temporary folder that removes itself, file bytes in and out, environment.

#include <filesystem>
#include <string>
#include <vector>

namespace zembo::test {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    // A path inside the folder.
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
bool Exists(const std::string& path);
// Names in a folder, sorted; hidden ones included.
std::vector<std::string> ListFolder(const std::string& path);

// Sets an environment variable for the lifetime of the object.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::string name_;
    std::string old_;
    bool had_ = false;
};

// A settings folder of the test's own: XDG_CONFIG_HOME points into a fresh temporary folder.
class TestSettings {
  public:
    TestSettings();
    std::string Folder() const { return dir_.Path(); }
    std::string IniPath() const { return dir_ / "zembo.ini"; }

  private:
    TempDir dir_;
    ScopedEnv env_;
};

// Makes writes beyond size bytes fail (EFBIG) in this process, as a full disk does.
class ScopedFileSizeLimit {
  public:
    explicit ScopedFileSizeLimit(unsigned long long bytes);
    ~ScopedFileSizeLimit();
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

  private:
    unsigned long long oldSoft_ = 0;
    unsigned long long oldHard_ = 0;
    void (*oldHandler_)(int) = nullptr;
};

}  // namespace zembo::test
