#pragma once
// The file services the packager and the editor settings stand on. The disk implementation
// records each failure as the last system error (platform/last_error.h).

#include <cstddef>
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
    // The size in bytes of the file at path; 0 when there is none.
    virtual std::uint64_t FileSize(const std::string& path) const = 0;
    // Whether both paths name one and the same existing file.
    virtual bool SameFile(const std::string& a, const std::string& b) const = 0;
    // Whether the entry at place, taken as it stands (a link there is not followed), is the very
    // file that file names.
    virtual bool IsFileAt(const std::string& file, const std::string& place) const = 0;
    // Whether the entry at copy, taken as it stands, is a regular file of from's size and
    // modification time (as finely as copy's file system keeps times): an earlier copy of from,
    // as copies keep their source's time.
    virtual bool IsUpToDateCopy(const std::string& from, const std::string& copy) const = 0;
    // Creates one folder whose parent exists.
    virtual bool CreateDirectory(const std::string& path) = 0;
    // Told the bytes copied so far while a copy runs, so that a long copy can show it is moving.
    using CopyProgress = std::function<void(std::uint64_t copiedBytes)>;

    // Copies a whole file, replacing what is at the destination: a link or any other entry that
    // is no folder is replaced by the copy, never written through. The copy is on the disk
    // before it takes its name, and appears complete or not at all; it keeps the source's
    // modification time and permissions, with write access for its owner added (a copy from a
    // disc is its owner's to change). progress (may be empty) hears of the bytes copied after
    // every chunk of a long copy, and at least once when the copy is complete.
    virtual bool CopyFile(const std::string& from, const std::string& to,
                          const CopyProgress& progress) = 0;
    // Makes what was renamed, copied or made in a folder durable.
    virtual bool SyncFolder(const std::string& path) = 0;
};

class DiskFileServices : public FileServices {
  public:
    // The bytes a copy moves between two reports of its progress: large enough that a copy runs
    // as fast as cp followed by sync, small enough that a long copy reports many times
    // (bench/package_bench weighs 8, 16 and 32 MiB).
    static constexpr std::size_t kCopyChunkBytes = std::size_t{16} << 20;

    // unnamedCopies false: every copy is made under a hidden temporary name, as on file systems
    // without unnamed files.
    explicit DiskFileServices(bool unnamedCopies = true, std::size_t chunkBytes = kCopyChunkBytes)
        : unnamedCopies_(unnamedCopies), chunkBytes_(chunkBytes) {}

    bool FileExists(const std::string& path) const override;
    bool DirectoryExists(const std::string& path) const override;
    std::uint64_t FileSize(const std::string& path) const override;
    bool SameFile(const std::string& a, const std::string& b) const override;
    bool IsFileAt(const std::string& file, const std::string& place) const override;
    bool IsUpToDateCopy(const std::string& from, const std::string& copy) const override;
    bool CreateDirectory(const std::string& path) override;
    bool CopyFile(const std::string& from, const std::string& to,
                  const CopyProgress& progress) override;
    bool SyncFolder(const std::string& path) override;

  private:
    bool unnamedCopies_;
    std::size_t chunkBytes_;
};

// Copies every byte from in, from its offset to its end, into out; 0 or the error number.
int CopyBytes(int in, int out);

// The process-wide disk services.
FileServices& Disk();

// The text a copy onto its own source fails with.
inline constexpr const char* kSameFileText = "Source and destination are the same file";

}  // namespace zembo::platform
