#include "cli/local_paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "cli/command_error.h"
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
    return drive || value.find('\\') != std::string::npos;
}

bool OpensForReading(const std::string& path) {
    return OpenForReading(path).Ok();
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
