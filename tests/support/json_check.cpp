#include "tests/support/json_check.h"

#include <cstdint>

namespace zembo::test {
namespace {

class Checker {
  public:
    explicit Checker(std::string_view text) : text_(text) {}

    bool Document() {
        Blanks();
        if (!Value(0)) {
            return false;
        }
        Blanks();
        return pos_ == text_.size();
    }

  private:
    static constexpr int kMaxDepth = 64;

    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

    void Blanks() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) {
            ++pos_;
        }
    }

    bool Literal(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) {
            return false;
        }
        pos_ += word.size();
        return true;
    }

    bool Value(int depth) {
        if (depth > kMaxDepth) {
            return false;
        }
        switch (Peek()) {
            case '{':
                return Object(depth);
            case '[':
                return Array(depth);
            case '"':
                return String();
            case 't':
                return Literal("true");
            case 'f':
                return Literal("false");
            case 'n':
                return Literal("null");
            default:
                return Number();
        }
    }

    bool Object(int depth) {
        ++pos_;
        Blanks();
        if (Peek() == '}') {
            ++pos_;
            return true;
        }
        while (true) {
            Blanks();
            if (Peek() != '"' || !String()) {
                return false;
            }
            Blanks();
            if (Peek() != ':') {
                return false;
            }
            ++pos_;
            Blanks();
            if (!Value(depth + 1)) {
                return false;
            }
            Blanks();
            if (Peek() == ',') {
                ++pos_;
                continue;
            }
            if (Peek() == '}') {
                ++pos_;
                return true;
            }
            return false;
        }
    }

    bool Array(int depth) {
        ++pos_;
        Blanks();
        if (Peek() == ']') {
            ++pos_;
            return true;
        }
        while (true) {
            Blanks();
            if (!Value(depth + 1)) {
                return false;
            }
            Blanks();
            if (Peek() == ',') {
                ++pos_;
                continue;
            }
            if (Peek() == ']') {
                ++pos_;
                return true;
            }
            return false;
        }
    }

    bool Digits() {
        const std::size_t start = pos_;
        while (Peek() >= '0' && Peek() <= '9') {
            ++pos_;
        }
        return pos_ > start;
    }

    bool Number() {
        if (Peek() == '-') {
            ++pos_;
        }
        if (Peek() == '0') {
            ++pos_;
        } else if (!Digits()) {
            return false;
        }
        if (Peek() == '.') {
            ++pos_;
            if (!Digits()) {
                return false;
            }
        }
        if (Peek() == 'e' || Peek() == 'E') {
            ++pos_;
            if (Peek() == '+' || Peek() == '-') {
                ++pos_;
            }
            if (!Digits()) {
                return false;
            }
        }
        return true;
    }

    bool Hex4(std::uint32_t& unit) {
        unit = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = Peek();
            unit <<= 4;
            if (c >= '0' && c <= '9') {
                unit |= static_cast<std::uint32_t>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                unit |= static_cast<std::uint32_t>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                unit |= static_cast<std::uint32_t>(c - 'A' + 10);
            } else {
                return false;
            }
            ++pos_;
        }
        return true;
    }

    // After a backslash: one escape; a \u surrogate must come in a proper pair.
    bool Escape() {
        const char c = Peek();
        ++pos_;
        if (c == '"' || c == '\\' || c == '/' || c == 'b' || c == 'f' || c == 'n' || c == 'r' ||
            c == 't') {
            return true;
        }
        if (c != 'u') {
            return false;
        }
        std::uint32_t unit = 0;
        if (!Hex4(unit)) {
            return false;
        }
        if (unit >= 0xDC00 && unit <= 0xDFFF) {
            return false;
        }
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            std::uint32_t low = 0;
            return Literal("\\u") && Hex4(low) && low >= 0xDC00 && low <= 0xDFFF;
        }
        return true;
    }

    // One UTF-8 encoded character, decoded and checked for its shortest form.
    bool Utf8() {
        const auto lead = static_cast<unsigned char>(Peek());
        int more = 0;
        std::uint32_t code = 0;
        if (lead >= 0xC0 && lead < 0xE0) {
            more = 1;
            code = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            more = 2;
            code = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead < 0xF8) {
            more = 3;
            code = lead & 0x07u;
        } else {
            return false;
        }
        ++pos_;
        for (int i = 0; i < more; ++i) {
            const auto next = static_cast<unsigned char>(Peek());
            if (AtEnd() || (next & 0xC0u) != 0x80u) {
                return false;
            }
            code = (code << 6) | (next & 0x3Fu);
            ++pos_;
        }
        static constexpr std::uint32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
        return code >= kSmallest[more] && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
    }

    bool String() {
        ++pos_;
        while (!AtEnd()) {
            const auto c = static_cast<unsigned char>(Peek());
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (c < 0x20) {
                return false;
            }
            if (c == '\\') {
                ++pos_;
                if (!Escape()) {
                    return false;
                }
            } else if (c >= 0x80) {
                if (!Utf8()) {
                    return false;
                }
            } else {
                ++pos_;
            }
        }
        return false;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

bool IsValidJson(std::string_view text) {
    return Checker(text).Document();
}

}  // namespace zembo::test
