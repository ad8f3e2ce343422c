// Arbitrary file bytes and arbitrary writes through the profile service: nothing crashes, every
// write reads back byte for byte, and every line the write does not own survives as it was.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/profile_service.h"
#include "platform/profile_text.h"

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// The old and new texts differ in one place, where at most one old line went.
void CheckConfined(const std::string& before, const std::string& after) {
    std::size_t pre = 0;
    while (pre < before.size() && pre < after.size() && before[pre] == after[pre]) {
        ++pre;
    }
    std::size_t suf = 0;
    while (suf < before.size() - pre && suf < after.size() - pre &&
           before[before.size() - 1 - suf] == after[after.size() - 1 - suf]) {
        ++suf;
    }
    std::size_t breaks = 0;
    for (std::size_t i = pre; i < before.size() - suf; ++i) {
        breaks += (before[i] == '\n' || before[i] == '\r') ? 1 : 0;
    }
    if (breaks > 2) {
        std::abort();
    }
}

std::string Take(const std::uint8_t*& data, std::size_t& size, std::size_t max) {
    std::size_t n = size == 0 ? 0 : data[0] % (max + 1);
    if (size > 0) {
        ++data;
        --size;
    }
    n = std::min(n, size);
    std::string out(reinterpret_cast<const char*>(data), n);
    data += n;
    size -= n;
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string folder = [] {
        char pattern[] = "/tmp/zembo-fuzz-XXXXXX";
        return std::string(mkdtemp(pattern));
    }();
    const std::string file = folder + "/f.ini";
    const std::string bytes = Take(data, size, 255) + Take(data, size, 255);
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    for (int i = 0; i < 4 && size > 0; ++i) {
        std::string section = Take(data, size, 8);
        std::string key = Take(data, size, 8);
        std::string value = Take(data, size, 16);
        std::string before = Slurp(file);
        bool ok = zembo::platform::WriteProfileString(section, key, value, file);
        std::string after = Slurp(file);
        if (!ok) {
            if (after != before) {
                std::abort();  // a failed write must leave the file as it was
            }
            continue;
        }
        CheckConfined(before, after);
        std::string back = zembo::platform::GetProfileString(section, key, "\x01", file);
        if (back != value) {  // every value written reads back as it was
            std::abort();
        }
    }
    return 0;
}
