#pragma once
// Whole-file reads and all-or-nothing replacement of a file's content.

#include <sys/stat.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/unique_fd.h"

namespace zembo::platform {

enum class ReadStatus { kOk, kMissing, kNotAFile, kTooLarge, kError };

// Reads the whole regular file at path into out (never blocks on a FIFO or device).
ReadStatus ReadWholeFile(const std::string& path, std::string& out, std::size_t limit);

// The path a chain of symbolic links at path ends in (path itself when it is no link); the end
// need not exist.
std::string ResolveLinks(const std::string& path);

// Why the existing entry at path, of status st, may not be written: a file marked read-only (no
// write bit at all, which holds even for the superuser), no write access, a read-only file
// system; 0 when it may.
int WriteRefusal(const std::string& path, const struct stat& st);

// A temporary file beside its final place, removed unless committed.
class TempFile {
  public:
    // kUnnamed: where the file system offers it (O_TMPFILE), the file has no name until Commit,
    // so a killed process leaves nothing behind; a named one elsewhere (FAT sticks).
    enum class Kind { kNamed, kUnnamed };

    // Creates the temporary file in folder; Ok() tells whether that worked, Error() why not.
    explicit TempFile(const std::string& folder, Kind kind = Kind::kNamed);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool Ok() const { return fd_.Ok(); }
    int Fd() const { return fd_.Get(); }
    int Error() const { return error_; }

    bool WriteAll(std::string_view data);
    // Flushes the content and its attributes to the disk.
    bool Sync();
    // Closes the file and puts it at target in one step, replacing whatever entry stands there
    // (a link there is replaced, not followed); on failure the temporary file is removed. An
    // unnamed file is closed after it has its name: Sync it first.
    bool Commit(const std::string& target);

  private:
    bool Fail();
    void Discard();

    std::string folder_;
    std::string path_;
    UniqueFd fd_;
    int error_ = 0;
    bool committed_ = false;
};

// Replaces the content of the file at path (following links) in one step: readers see the old
// or the new content, never a mixture. Permissions of an existing file are kept. durable: the
// new content reaches the disk before it takes the file's place. Returns 0 or an errno value.
int ReplaceFileContent(const std::string& path, std::string_view content, bool durable = false);

// Makes the file at path and its folder entry durable; 0 or an errno value.
int SyncFile(const std::string& path);

// Makes the entries of a folder (files renamed or linked into it, folders made) durable; 0 or
// an errno value.
int SyncFolder(const std::string& path);

}  // namespace zembo::platform
