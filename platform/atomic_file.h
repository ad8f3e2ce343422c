#pragma once
// Whole-file reads and all-or-nothing replacement of a file's content.

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

// Whether an existing entry may be written: the user has write access and the entry is not marked
// read-only (no write bit at all), which holds even for the superuser.
bool IsWritable(const std::string& path);

// A temporary file beside its final place, removed unless committed.
class TempFile {
  public:
    // Creates the temporary file in folder; Ok() tells whether that worked, Error() why not.
    explicit TempFile(const std::string& folder);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool Ok() const { return fd_.Ok(); }
    int Fd() const { return fd_.Get(); }
    int Error() const { return error_; }

    bool WriteAll(std::string_view data);
    // Closes the file and renames it over target; on failure the temporary file is removed.
    bool Commit(const std::string& target);

  private:
    void Discard();

    std::string path_;
    UniqueFd fd_;
    int error_ = 0;
    bool committed_ = false;
};

// Replaces the content of the file at path (following links) in one step: readers see the old
// or the new content, never a mixture. Permissions of an existing file are kept. Returns 0 or an
// errno value.
int ReplaceFileContent(const std::string& path, std::string_view content);

// Makes the file at path and its folder entry durable.
void SyncFile(const std::string& path);

}  // namespace zembo::platform
