#pragma once
// The file services the packager and the editor settings stand on. The disk implementation
// records each failure as the last system error (platform/last_error.h).

#include <cstdint>
#include <functional>
#include <string>

namespace zembo::platform {

class FileServices {
  public:
    virtual ~FileServices() = default;

    // An entry that is no folder exists at path. A relative path would be taken from the current
    // folder, which no caller relies on: paths read from files are made full before they get here.
    virtual bool FileExists(const std::string& path) const = 0;
    virtual bool DirectoryExists(const std::string& path) const = 0;
    // Whether both paths name one and the same existing file.
    virtual bool SameFile(const std::string& a, const std::string& b) const = 0;
    // Creates one folder whose parent exists.
    virtual bool CreateDirectory(const std::string& path) = 0;
    // Told the bytes copied so far while a copy runs, so that a long copy can show it is moving.
    using CopyProgress = std::function<void(std::uint64_t copiedBytes)>;

    // Copies a whole file, replacing what is at the destination. The copy appears complete or not
    // at all; it keeps the source's modification time and permissions. progress (may be empty)
    // hears of the bytes copied, at least once when the copy is complete.
    virtual bool CopyFile(const std::string& from, const std::string& to,
                          const CopyProgress& progress) = 0;
};

class DiskFileServices : public FileServices {
  public:
    bool FileExists(const std::string& path) const override;
    bool DirectoryExists(const std::string& path) const override;
    bool SameFile(const std::string& a, const std::string& b) const override;
    bool CreateDirectory(const std::string& path) override;
    bool CopyFile(const std::string& from, const std::string& to,
                  const CopyProgress& progress) override;
};

// Copies every byte from in, from its offset to its end, into out; 0 or the error number.
int CopyBytes(int in, int out);

// The process-wide disk services.
FileServices& Disk();

// The text a copy onto its own source fails with.
inline constexpr const char* kSameFileText = "Source and destination are the same file";

}  // namespace zembo::platform
