#pragma once
// A scratch folder for one benchmark process, removed at exit.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace zembo::bench {

inline const std::string& BenchFolder() {
    static const std::string folder = [] {
        std::string pattern =
            std::filesystem::temp_directory_path().string() + "/zembo-bench-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(BenchFolder(), ec);
        });
        return pattern;
    }();
    return folder;
}

}  // namespace zembo::bench
