#include "platform/mount_table.h"

#include <algorithm>
#include <cstddef>

#include "platform/atomic_file.h"

namespace zembo::platform {
namespace {

// Mount tables write blanks, tabs, newlines and backslashes in paths as three octal digits.
std::string Unescaped(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0' &&
            field[i + 1] <= '3' && field[i + 2] >= '0' && field[i + 2] <= '7' &&
            field[i + 3] >= '0' && field[i + 3] <= '7') {
            out.push_back(static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                            (field[i + 3] - '0')));
            i += 3;
        } else {
            out.push_back(field[i]);
        }
    }
    return out;
}

bool IsBelow(const std::string& path, const std::string& folder) {
    return path.size() > folder.size() + 1 && path.compare(0, folder.size(), folder) == 0 &&
           path[folder.size()] == '/';
}

}  // namespace

std::vector<std::string> MountPointsBelow(std::string_view mountTable,
                                          const std::vector<std::string>& folders) {
    std::vector<std::string> points;
    std::size_t lineStart = 0;
    while (lineStart < mountTable.size()) {
        std::size_t lineEnd = mountTable.find('\n', lineStart);
        if (lineEnd == std::string_view::npos) {
            lineEnd = mountTable.size();
        }
        std::string_view line = mountTable.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        // The second field, blank-separated, is the mount point.
        std::size_t a = line.find_first_of(" \t");
        if (a == std::string_view::npos) {
            continue;
        }
        a = line.find_first_not_of(" \t", a);
        if (a == std::string_view::npos) {
            continue;
        }
        std::size_t b = line.find_first_of(" \t", a);
        std::string point =
            Unescaped(line.substr(a, b == std::string_view::npos ? std::string_view::npos : b - a));
        const bool wanted = std::any_of(folders.begin(), folders.end(),
                                        [&](const std::string& f) { return IsBelow(point, f); });
        if (wanted && std::find(points.begin(), points.end(), point) == points.end()) {
            points.push_back(std::move(point));
        }
    }
    return points;
}

std::vector<std::string> VolumeFolders() {
    return {"/media", "/run/media", "/mnt"};
}

std::vector<std::string> MountedVolumes(const std::string& tablePath) {
    std::string table;
    // The kernel's table reports a size of 0, so it is read as a stream of unknown length.
    if (ReadWholeFile(tablePath, table, std::size_t{16} << 20) != ReadStatus::kOk) {
        return {};
    }
    return MountPointsBelow(table, VolumeFolders());
}

}  // namespace zembo::platform
