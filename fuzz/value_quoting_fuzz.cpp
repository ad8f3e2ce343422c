// Arbitrary values written into arbitrary profile texts: every value that may be written reads
// back byte for byte, and a value written beside it keeps its own.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/ascii_text.h"
#include "platform/profile_text.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The next piece of the input: one length byte, then that many bytes.
std::string Take(const std::uint8_t*& data, std::size_t& size) {
    if (size == 0) {
        return {};
    }
    std::size_t n = std::min<std::size_t>(data[0], size - 1);
    std::string out(reinterpret_cast<const char*>(data + 1), n);
    data += n + 1;
    size -= n + 1;
    return out;
}

bool ReadsBack(const std::string& text, const std::string& section, const std::string& key,
               const std::string& value) {
    const auto found = zembo::platform::FindProfileValue(text, section, key);
    return found && *found == value && zembo::platform::CutProfileValue(*found) == value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zembo::platform;
    const std::string section = Take(data, size);
    const std::string key = Take(data, size);
    const std::string other = Take(data, size);
    const std::string text = Take(data, size);
    // The rest is the value, so that values can grow past the length of a read.
    std::string value(reinterpret_cast<const char*>(data), size);
    if (size > 0 && data[0] == 0xFF) {
        value = std::string(kMaxProfileValue - 2, 'x') + value.substr(1);
    }

    Require(IsStorableProfileValue(value) ==
            (value.size() <= kMaxProfileValue &&
             value.find_first_of(std::string("\r\n\0", 3)) == std::string::npos));
    if (!IsWritableProfileEntry(section, key, value)) {
        return 0;
    }
    const std::string once = SetProfileValue(text, section, key, value);
    Require(ReadsBack(once, section, key, value));
    // Written again, in place, it still reads back; so does a neighbour written after it.
    Require(ReadsBack(SetProfileValue(once, section, key, value), section, key, value));
    if (IsWritableProfileEntry(section, other, other) && !EqualsIgnoringAsciiCase(other, key)) {
        const std::string both = SetProfileValue(once, section, other, other);
        Require(ReadsBack(both, section, key, value) && ReadsBack(both, section, other, other));
    }
    return 0;
}
