#include "package/copy_names.h"

#include <array>
#include <string_view>

#include "platform/ascii_text.h"

namespace zembo {
namespace {

// Zembo runs on Windows, where a folder cannot hold "Intro.avi" and "intro.avi" side by side; a
// package must stay whole when it is carried there.
bool SameName(const std::string& a, const std::string& b) {
    return platform::EqualsIgnoringAsciiCase(a, b);
}

bool RefusedByWindows(char c) {
    return static_cast<unsigned char>(c) < 0x20 ||
           std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
}

// Where the extension starts: the last ".", unless it opens the name; the end when there is none.
std::size_t ExtensionStart(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos || dot == 0 ? name.size() : dot;
}

void DropTrailingDotsAndBlanks(std::string& name) {
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) {
        name.pop_back();
    }
}

// CON, PRN, AUX, NUL, COM1-9 and LPT1-9 name devices on Windows, whatever follows their first dot
// (and blanks before it).
std::size_t DeviceNameLength(std::string_view name) {
    const std::size_t dot = name.find('.');
    std::string_view base = name.substr(0, dot);
    const std::size_t used = base.find_last_not_of(' ');
    base = base.substr(0, used == std::string_view::npos ? 0 : used + 1);
    static constexpr std::array<std::string_view, 4> kPlain = {"CON", "PRN", "AUX", "NUL"};
    for (std::string_view device : kPlain) {
        if (platform::EqualsIgnoringAsciiCase(base, device)) {
            return base.size();
        }
    }
    const bool numbered = base.size() == 4 && base[3] >= '1' && base[3] <= '9' &&
                          (platform::StartsWithIgnoringAsciiCase(base, "COM") ||
                           platform::StartsWithIgnoringAsciiCase(base, "LPT"));
    return numbered ? base.size() : 0;
}

// stem, then tail (a number and the extension), within kMaxCopyNameBytes: the stem is shortened
// first; a tail that leaves no room for a stem is shortened itself.
std::string Fit(std::string_view stem, std::string_view tail) {
    std::string name;
    if (tail.size() < kMaxCopyNameBytes) {
        name.assign(stem.substr(0, platform::Utf8Prefix(stem, kMaxCopyNameBytes - tail.size())));
        name.append(tail);
    } else {
        const std::string whole = std::string(stem) + std::string(tail);
        name = whole.substr(0, platform::Utf8Prefix(whole, kMaxCopyNameBytes));
    }
    return name;
}

// The rules that a shortening can break again: trailing dots and blanks, device names.
std::string Finish(std::string name) {
    DropTrailingDotsAndBlanks(name);
    if (name.empty()) {
        return "_";
    }
    if (const std::size_t device = DeviceNameLength(name); device != 0) {
        name.insert(device, "_");
    }
    return name.size() <= kMaxCopyNameBytes ? name : Finish(Fit(name, ""));
}

}  // namespace

std::string WindowsSafeName(const std::string& name) {
    std::string safe = name;
    for (char& c : safe) {
        if (RefusedByWindows(c)) {
            c = '_';
        }
    }
    DropTrailingDotsAndBlanks(safe);
    const std::size_t ext = ExtensionStart(safe);
    return Finish(Fit(std::string_view(safe).substr(0, ext), std::string_view(safe).substr(ext)));
}

std::string NumberedName(const std::string& name, int n) {
    const std::size_t ext = ExtensionStart(name);
    const std::string tail = "_" + std::to_string(n) + name.substr(ext);
    return Finish(Fit(std::string_view(name).substr(0, ext), tail));
}
bool CopyNames::IsFree(const std::string& name) const {
    for (const Taken& t : taken_) {
        if (SameName(t.name, name)) {
            return false;
        }
    }
    return true;
}

void CopyNames::Reserve(const std::string& source, const std::string& name) {
    if (IsFree(name)) {
        taken_.push_back({name, source});
    }
}

std::string CopyNames::NameFor(const std::string& source, const std::string& wanted) {
    for (const Taken& t : taken_) {
        if (t.source == source || same_(t.source, source)) {
            return t.name;
        }
    }
    std::string name = wanted;
    for (int n = 2; !IsFree(name); ++n) {
        name = NumberedName(wanted, n);
    }
    taken_.push_back({name, source});
    return name;
}

}  // namespace zembo
