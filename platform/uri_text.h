#pragma once
// Paths written into URIs and into the trash's info files: every byte but letters, digits,
// "-._~" and "/" as "%XX".

#include <optional>
#include <string>
#include <string_view>

namespace zembo::platform {

std::string PercentEncoded(std::string_view bytes);

// The bytes back; nullopt when a "%" is not followed by two hex digits.
std::optional<std::string> PercentDecoded(std::string_view text);

// "file://" and the encoded path.
std::string FileUri(std::string_view path);

// The local path of a "file:" URI with an empty host or "localhost"; nullopt for anything else.
std::optional<std::string> PathOfFileUri(std::string_view uri);

}  // namespace zembo::platform
