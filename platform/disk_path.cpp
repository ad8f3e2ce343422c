#include "platform/disk_path.h"

#include <cstdlib>

namespace zembo::platform {

std::string DiskFolderOf(const std::string& path) {
    const std::size_t pos = path.rfind('/');
    if (pos == std::string::npos) {
        return ".";
    }
    return pos == 0 ? "/" : path.substr(0, pos);
}

std::string JoinDiskPath(std::string_view folder, std::string_view name) {
    std::string out(folder);
    if (!out.empty() && out.back() != '/') {
        out.push_back('/');
    }
    out.append(name);
    return out;
}

std::optional<std::string> RealPath(const std::string& path) {
    char* real = realpath(path.c_str(), nullptr);
    if (real == nullptr) {
        return std::nullopt;
    }
    std::string out(real);
    std::free(real);
    return out;
}

}  // namespace zembo::platform
