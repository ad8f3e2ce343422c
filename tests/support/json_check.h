#pragma once
// Test helper: whether a text is valid JSON, without any JSON library.

#include <string_view>

namespace zembo::test {

// Whether text is exactly one JSON value (RFC 8259), with blanks around it allowed, and all of
// it valid UTF-8 (no surrogates, no overlong forms).
bool IsValidJson(std::string_view text);

}  // namespace zembo::test
