// Arbitrary values through the path rules and the copy names: every split puts the path back
// together, a value names only full places of this disk, and a copy name is one Windows takes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "package/copy_names.h"
#include "patch/path_rules.h"
#include "platform/ascii_text.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// Whether text is valid UTF-8 as far as lead and continuation bytes go.
bool WellFormed(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80             ? 1
                                   : (c & 0xE0) == 0xC0 ? 2
                                   : (c & 0xF0) == 0xE0 ? 3
                                   : (c & 0xF8) == 0xF0 ? 4
                                                        : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

void CheckSplit(const std::string& path) {
    using namespace zembo;
    const std::string folder = FolderPart(path);
    const std::string prefix = FolderPrefix(path);
    const std::string name = FileNamePart(path);
    Require(prefix + name == path);
    Require(StartsWith(prefix, folder) && prefix.size() - folder.size() <= 1);
    if (path.find('/') != std::string::npos) {
        // A path of this disk: ":" and "\" belong to its names.
        Require(name.find('/') == std::string::npos && !prefix.empty() && prefix.back() == '/');
    } else {
        Require(name.find_first_of("\\:") == std::string::npos);
    }
    const std::string cut = ExtensionCut(path);
    const std::size_t at = platform::FindIgnoringAsciiCase(path, ".zbk");
    Require(at == std::string::npos ? cut == path
                                    : cut == path.substr(0, at) + path.substr(at + 4));
}

void CheckPlaces(const std::string& value, const std::string& folder) {
    using namespace zembo;
    const std::vector<std::string> places = PlacesNamedBy(value, folder);
    const bool backslash = value.find('\\') != std::string::npos;
    Require(places.size() <= (backslash ? 2u : 1u));
    for (const std::string& place : places) {
        Require(!place.empty() && place.front() == '/');  // never the current folder
    }
    if (!value.empty() && value.front() == '/') {
        Require(!places.empty() && places.front() == value);  // as it stands first
    }
    if (folder.empty()) {
        // Nothing to take a relative value against: only the value's own full forms remain.
        for (const std::string& place : places) {
            Require(place == value || place == ToLocalPath(value));
        }
    }
    for (std::size_t k = 0; k < places.size(); ++k) {
        const ResolvedPath found =
            ResolveStoredPath(value, folder, [&](const std::string& p) { return p == places[k]; });
        Require(found.found && (found.path == places[k] || found.path == places.front()));
    }
    const ResolvedPath none =
        ResolveStoredPath(value, folder, [](const std::string&) { return false; });
    Require(!none.found && none.path == (places.empty() ? value : places.back()));
}

void CheckCopyName(const std::string& name) {
    using namespace zembo;
    const std::string safe = WindowsSafeName(name);
    Require(!safe.empty() && safe.size() <= kMaxCopyNameBytes);
    Require(safe.find_first_of(std::string_view("\\/:*?\"<>|", 9)) == std::string::npos);
    for (const char c : safe) {
        Require(static_cast<unsigned char>(c) >= 0x20);
    }
    Require(safe.back() != '.' && safe.back() != ' ');
    Require(WindowsSafeName(safe) == safe);
    if (WellFormed(name)) {
        Require(WellFormed(safe));
    }
    const std::string second = NumberedName(safe, 2);
    const std::string third = NumberedName(safe, 3);
    Require(second.size() <= kMaxCopyNameBytes && third.size() <= kMaxCopyNameBytes);
    Require(WindowsSafeName(second) == second && WindowsSafeName(third) == third);
    Require(!platform::EqualsIgnoringAsciiCase(second, third));
    if (WellFormed(safe)) {
        Require(WellFormed(second));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    // The first NUL, when there is one, ends the value and starts the folder's name.
    const std::size_t nul = input.find('\0');
    const std::string value = input.substr(0, nul);
    const std::string rest = nul == std::string::npos ? std::string() : input.substr(nul + 1);
    CheckSplit(value);
    CheckPlaces(value, "/" + rest);
    CheckPlaces(value, "");
    CheckCopyName(value);
    CheckCopyName(zembo::FileNamePart(value));
    return 0;
}
