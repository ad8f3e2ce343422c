#pragma once
// The text of a profile file: finding a value and setting one, byte-exact for every other line.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zembo::platform {

// Longest value a read gives back; longer values are cut (never inside a UTF-8 sequence).
inline constexpr std::size_t kMaxProfileValue = 2047;

// The value of key in the first section named section, with surrounding blanks and one matching
// pair of enclosing quotes removed; nullopt when the section or the key is absent.
std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section,
                                                 std::string_view key);

// text with key of section set to value: an existing key line is rewritten in place, a new key
// follows the section's last key line, a new section goes at the end. Written lines end in CRLF;
// the value is written as StoredProfileValue gives it.
std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value);

// value cut to at most kMaxProfileValue bytes, backing off so that no UTF-8 sequence is split.
std::string_view CutProfileValue(std::string_view value);

// value as its key line holds it: in double quotes when blanks open or close it, or when it is
// itself enclosed in a matching pair of quotes, because every reader (Windows' too) drops those.
std::string StoredProfileValue(std::string_view value);

// Whether a read gives value back byte for byte once written: at most kMaxProfileValue bytes,
// without CR, LF or NUL.
bool IsStorableProfileValue(std::string_view value);

// Whether the names can be written without breaking the file's line structure and found again,
// and the value read back as it was written.
bool IsWritableProfileEntry(std::string_view section, std::string_view key, std::string_view value);

}  // namespace zembo::platform
