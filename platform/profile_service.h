#pragma once
// The profile-string service: reads and writes single values of INI-format profile files.
// Every call works on the file as it is on disk at that moment; nothing is cached.

#include <cstddef>
#include <string>

namespace zembo::platform {

// Files larger than this are not taken apart: reads give the default, writes fail.
inline constexpr std::size_t kMaxProfileFileSize = std::size_t{256} << 20;

// The value of key in section of the profile file, or defaultValue when the file, the section or
// the key does not exist. At most 2047 bytes come back. Never fails, never creates anything.
std::string GetProfileString(const std::string& section, const std::string& key,
                             const std::string& defaultValue, const std::string& fileName);

// Sets key in section to value, creating key, section and file as needed. The change is on disk
// when the call returns, made in one step; false (and the file unchanged) when it cannot be made.
bool WriteProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& fileName);

// Makes earlier writes to the file durable; false, with the last system error set, when the disk
// did not take them (a stick pulled, say).
bool FlushProfile(const std::string& fileName);

// From now on, every profile write of this process puts the file's new content on the disk
// before it takes the file's place, so a power cut never leaves a file cut short under its
// name. The command line asks for it; the editor keeps its quick saves and flushes once a file.
void MakeProfileWritesDurable();

}  // namespace zembo::platform
