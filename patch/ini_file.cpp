#include "patch/ini_file.h"

#include "platform/profile_service.h"

namespace zembo {

void TCustomIniFile::WriteFlag(const std::string& section, const std::string& key, bool flag) {
    WriteValue(section, key, flag ? "1" : "0");
}

TIniFile::~TIniFile() {
    // Freeing puts the file on disk as far as it can; whoever must know that it did flushes first.
    try {
        Flush();
    } catch (const EIniFileException&) {
    }
}

std::string TIniFile::ReadValue(const std::string& section, const std::string& key,
                                const std::string& defaultValue) {
    return platform::GetProfileString(section, key, defaultValue, FileName());
}

void TIniFile::WriteValue(const std::string& section, const std::string& key,
                          const std::string& value) {
    if (!platform::WriteProfileString(section, key, value, FileName())) {
        throw EIniFileException("Unable to write to " + FileName());
    }
    written_ = true;
}

void TIniFile::Flush() {
    // Only what this object wrote needs to reach the disk; a reader has nothing to flush.
    if (written_) {
        written_ = false;
        if (!platform::FlushProfile(FileName())) {
            throw EIniFileException("Unable to write to " + FileName());
        }
    }
}

}  // namespace zembo
