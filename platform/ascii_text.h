#pragma once
// Letter case and blanks as Windows treats them in names: only the ASCII letters have a case,
// every other byte (UTF-8 sequences included) stands for itself.

#include <cstddef>
#include <string_view>

namespace zembo::platform {

constexpr char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

constexpr bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           EqualsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

// The first place of needle in text, letter case ignored; npos when it is not there.
constexpr std::size_t FindIgnoringAsciiCase(std::string_view text, std::string_view needle) {
    for (std::size_t i = 0; i + needle.size() <= text.size(); ++i) {
        if (EqualsIgnoringAsciiCase(text.substr(i, needle.size()), needle)) {
            return i;
        }
    }
    return std::string_view::npos;
}

// text without the characters of blanks at either end.
constexpr std::string_view Trimmed(std::string_view text, std::string_view blanks = " \t") {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// How many bytes of text fit into room without splitting a UTF-8 sequence: a sequence that the
// cut would split goes whole; bytes of other code pages count as they stand.
constexpr std::size_t Utf8Prefix(std::string_view text, std::size_t room) {
    if (text.size() <= room) {
        return text.size();
    }
    // Back off over continuation bytes to the lead byte of the sequence at the cut, then keep
    // that sequence only if it ends before the cut.
    std::size_t lead = room;
    while (lead > 0 && lead + 4 > room &&
           (static_cast<unsigned char>(text[lead - 1]) & 0xC0) == 0x80) {
        --lead;
    }
    if (lead == 0) {
        return room;
    }
    const auto c = static_cast<unsigned char>(text[lead - 1]);
    const std::size_t need = (c & 0xE0) == 0xC0   ? 2
                             : (c & 0xF0) == 0xE0 ? 3
                             : (c & 0xF8) == 0xF0 ? 4
                                                  : 1;
    return need > 1 && lead - 1 + need > room ? lead - 1 : room;
}

}  // namespace zembo::platform
