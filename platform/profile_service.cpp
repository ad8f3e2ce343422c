#include "platform/profile_service.h"

#include <sys/stat.h>

#include <atomic>
#include <cerrno>

#include "platform/atomic_file.h"
#include "platform/last_error.h"
#include "platform/profile_text.h"
#include "platform/settings_folder.h"

namespace zembo::platform {
namespace {

std::atomic<bool> durableWrites{false};

}  // namespace

std::string GetProfileString(const std::string& section, const std::string& key,
                             const std::string& defaultValue, const std::string& fileName) {
    std::string text;
    if (ReadWholeFile(ProfilePath(fileName), text, kMaxProfileFileSize) == ReadStatus::kOk) {
        if (auto value = FindProfileValue(text, section, key)) {
            return std::string(CutProfileValue(*value));
        }
    }
    return std::string(CutProfileValue(defaultValue));
}

bool WriteProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& fileName) {
    if (!IsWritableProfileEntry(section, key, value)) {
        SetLastError(EINVAL);
        return false;
    }
    const std::string path = ProfilePath(fileName);
    if (IsSettingsName(fileName)) {
        // The settings folder is ours to make, as the Windows directory always exists there.
        (void)mkdir(SettingsFolder().c_str(), 0777);
    }
    std::string text;
    switch (ReadWholeFile(ResolveLinks(path), text, kMaxProfileFileSize)) {
        case ReadStatus::kOk:
        case ReadStatus::kMissing:
            break;
        case ReadStatus::kNotAFile:
            SetLastError(EISDIR);
            return false;
        case ReadStatus::kTooLarge:
            SetLastError(EFBIG);
            return false;
        case ReadStatus::kError:
            SetLastError(errno);
            return false;
    }
    if (int err = ReplaceFileContent(path, SetProfileValue(text, section, key, value),
                                     durableWrites.load());
        err != 0) {
        SetLastError(err);
        return false;
    }
    return true;
}

bool FlushProfile(const std::string& fileName) {
    if (const int err = SyncFile(ProfilePath(fileName)); err != 0) {
        SetLastError(err);
        return false;
    }
    return true;
}

void MakeProfileWritesDurable() {
    durableWrites = true;
}

}  // namespace zembo::platform
