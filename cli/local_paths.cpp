#include "cli/local_paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

#include "cli/command_error.h"
#include "platform/file_services.h"
#include "platform/profile_service.h"
#include "platform/unique_fd.h"

namespace zembo::cli {
namespace {

std::string CurrentFolder() {
    std::vector<char> buffer(4096);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) {
            throw CommandError(std::string("cannot tell the current folder: ") +
                               std::strerror(errno));
        }
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

// Opens path for reading; not Ok() with errno set when it cannot.
platform::UniqueFd OpenForReading(const std::string& path) {
    return platform::UniqueFd(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
}

}  // namespace

std::string MakeAbsolute(const std::string& path) {
    if (!path.empty() && path.front() == '/') {
        return path;
    }
    std::string rest = path;
    while (rest.rfind("./", 0) == 0) {
        rest.erase(0, rest.find_first_not_of('/', 1));
    }
    std::string folder = CurrentFolder();
    if (folder.back() != '/') {
        folder.push_back('/');
    }
    return folder + rest;
}

bool IsForeignPath(const std::string& value) {
    const bool drive =
        value.size() >= 2 && value[1] == ':' &&
        ((value[0] >= 'A' && value[0] <= 'Z') || (value[0] >= 'a' && value[0] <= 'z'));
    return drive || (value.find('\\') != std::string::npos && value.find('/') == std::string::npos);
}

std::string ClipValue(const std::string& operand) {
    if (!IsForeignPath(operand)) {
        return MakeAbsolute(operand);
    }
    // As a stored value reaches its file: the name as it stands first.
    std::string local = MakeAbsolute(operand);
    return platform::Disk().FileExists(local) ? local : operand;
}

bool OpensForReading(const std::string& path) {
    return OpenForReading(path).Ok();
}

void RequirePatchFile(const std::string& path, const std::string& role) {
    RequireReadableFile(path, role);
    struct stat st {};
    if (stat(path.c_str(), &st) == 0 &&
        static_cast<std::uintmax_t>(st.st_size) > platform::kMaxProfileFileSize) {
        throw CommandError("cannot read " + role + " \"" + path + "\": larger than " +
                           std::to_string(platform::kMaxProfileFileSize >> 20) +
                           " MiB, the most a patch file may hold");
    }
}

bool MayHoldPatch(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        return true;  // nothing there to lose; a write that cannot be made says so itself
    }
    if (S_ISDIR(st.st_mode) || (S_ISREG(st.st_mode) && st.st_size == 0)) {
        return true;
    }
    if (!S_ISREG(st.st_mode) ||
        static_cast<std::uintmax_t>(st.st_size) > platform::kMaxProfileFileSize) {
        return false;
    }
    platform::UniqueFd fd = OpenForReading(path);
    if (!fd.Ok()) {
        return false;
    }
    // A line whose first character other than blanks is "[" opens a section; a NUL byte marks a
    // file of some other kind, such as a video, whatever lines it may seem to hold.
    char buffer[65536];
    bool lineStart = true;
    bool header = false;
    while (true) {
        const ssize_t n = read(fd.Get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n == 0 && header;
        }
        for (ssize_t i = 0; i < n; ++i) {
            const char c = buffer[i];
            if (c == '\0') {
                return false;
            }
            if (c == '\n' || c == '\r') {
                lineStart = true;
            } else if (lineStart && c != ' ' && c != '\t') {
                header = header || c == '[';
                lineStart = false;
            }
        }
    }
}

void RequireReadableFile(const std::string& path, const std::string& role) {
    const std::string problem = "cannot read " + role + " \"" + path + "\": ";
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        throw CommandError(problem + std::strerror(errno));
    }
    if (S_ISDIR(st.st_mode)) {
        throw CommandError(problem + std::strerror(EISDIR));
    }
    if (!OpenForReading(path).Ok()) {
        throw CommandError(problem + std::strerror(errno));
    }
}

}  // namespace zembo::cli
