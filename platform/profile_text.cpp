#include "platform/profile_text.h"

#include <cstring>

#include "platform/ascii_text.h"

namespace zembo::platform {
namespace {

enum class LineKind { kHeader, kKey, kOther };

// One line of the file: [begin, contentEnd) is its text, [contentEnd, end) its line end.
struct Line {
    std::size_t begin = 0;
    std::size_t contentEnd = 0;
    std::size_t end = 0;
    LineKind kind = LineKind::kOther;
    std::string_view name;   // section name of a header, key of a key line
    std::string_view value;  // raw value of a key line, blanks trimmed
};

// Walks the lines of a profile text; CRLF, LF and CR all end a line.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool Next(Line& line) {
        if (pos_ >= text_.size()) {
            return false;
        }
        line.begin = pos_;
        const char* data = text_.data();
        std::size_t i = pos_;
        const std::size_t n = text_.size();
        while (i < n && data[i] != '\n' && data[i] != '\r') {
            ++i;
        }
        line.contentEnd = i;
        if (i < n) {
            i += (data[i] == '\r' && i + 1 < n && data[i + 1] == '\n') ? 2 : 1;
        }
        line.end = i;
        pos_ = i;
        Classify(line);
        return true;
    }

  private:
    void Classify(Line& line) const {
        std::string_view content = text_.substr(line.begin, line.contentEnd - line.begin);
        std::string_view trimmed = Trimmed(content);
        line.kind = LineKind::kOther;
        line.name = {};
        line.value = {};
        if (trimmed.empty()) {
            return;
        }
        if (trimmed.front() == '[') {
            std::string_view inside = trimmed.substr(1);
            std::size_t close = inside.find(']');
            line.kind = LineKind::kHeader;
            line.name = Trimmed(inside.substr(0, close));
            return;
        }
        if (trimmed.front() == ';') {
            return;
        }
        std::size_t eq = trimmed.find('=');
        if (eq == std::string_view::npos) {
            return;
        }
        line.kind = LineKind::kKey;
        line.name = Trimmed(trimmed.substr(0, eq));
        line.value = Trimmed(trimmed.substr(eq + 1));
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

bool IsQuoted(std::string_view v) {
    return v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front();
}

std::string_view Unquote(std::string_view v) {
    return IsQuoted(v) ? v.substr(1, v.size() - 2) : v;
}

bool BreaksLine(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// Where a key lives, or would go, in a text.
struct Placement {
    bool sectionFound = false;
    bool keyFound = false;
    Line keyLine;                 // the key's line, when found
    std::size_t insertAt = 0;     // where a new key line goes, when the section exists
    bool insertNeedsEol = false;  // the line before insertAt has no line end (end of file)
    std::size_t textEnd = 0;
    bool textEndsWithoutEol = false;
};

Placement Locate(std::string_view text, std::string_view section, std::string_view key) {
    Placement p;
    LineReader reader(text);
    Line line;
    bool inSection = false;
    while (reader.Next(line)) {
        if (line.kind == LineKind::kHeader) {
            if (inSection) {
                break;  // only the first section of that name counts
            }
            if (EqualsIgnoringAsciiCase(line.name, section)) {
                inSection = true;
                p.sectionFound = true;
                p.insertAt = line.end;
                p.insertNeedsEol = line.end == line.contentEnd;
            }
            continue;
        }
        if (inSection && line.kind == LineKind::kKey) {
            if (EqualsIgnoringAsciiCase(line.name, key)) {
                p.keyFound = true;
                p.keyLine = line;
                return p;
            }
            p.insertAt = line.end;
            p.insertNeedsEol = line.end == line.contentEnd;
        }
    }
    p.textEnd = text.size();
    if (!text.empty()) {
        char last = text.back();
        p.textEndsWithoutEol = last != '\n' && last != '\r';
    }
    return p;
}

}  // namespace

std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section,
                                                 std::string_view key) {
    Placement p = Locate(text, section, key);
    if (!p.keyFound) {
        return std::nullopt;
    }
    return Unquote(p.keyLine.value);
}

std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value) {
    static constexpr std::string_view kCrlf = "\r\n";
    const std::string stored = StoredProfileValue(value);
    value = stored;
    Placement p = Locate(text, section, key);
    std::string out;
    out.reserve(text.size() + section.size() + key.size() + value.size() + 8);
    if (p.keyFound) {
        out.append(text.substr(0, p.keyLine.begin));
        out.append(p.keyLine.name);  // the key keeps its own spelling
        out.push_back('=');
        out.append(value);
        out.append(kCrlf);
        out.append(text.substr(p.keyLine.end));
    } else if (p.sectionFound) {
        out.append(text.substr(0, p.insertAt));
        if (p.insertNeedsEol) {
            out.append(kCrlf);
        }
        out.append(key);
        out.push_back('=');
        out.append(value);
        out.append(kCrlf);
        out.append(text.substr(p.insertAt));
    } else {
        out.append(text);
        if (p.textEndsWithoutEol) {
            out.append(kCrlf);
        }
        out.push_back('[');
        out.append(section);
        out.push_back(']');
        out.append(kCrlf);
        out.append(key);
        out.push_back('=');
        out.append(value);
        out.append(kCrlf);
    }
    return out;
}

std::string_view CutProfileValue(std::string_view value) {
    return value.substr(0, Utf8Prefix(value, kMaxProfileValue));
}

std::string StoredProfileValue(std::string_view value) {
    // Blanks of any kind, as Windows may trim more than the blanks and tabs that this reader does.
    if (value.empty() || (Trimmed(value, " \t\v\f") == value && !IsQuoted(value))) {
        return std::string(value);
    }
    std::string quoted;
    quoted.reserve(value.size() + 2);
    quoted.push_back('"');
    quoted.append(value);
    quoted.push_back('"');
    return quoted;
}

bool IsStorableProfileValue(std::string_view value) {
    return value.size() <= kMaxProfileValue && !BreaksLine(value);
}

bool IsWritableProfileEntry(std::string_view section, std::string_view key,
                            std::string_view value) {
    if (BreaksLine(section) || BreaksLine(key) || !IsStorableProfileValue(value)) {
        return false;
    }
    // Names that a read could never find again: "]" in a section, "=" in a key, blanks around
    // either, a key that would read as a comment or a section header.
    if (section.find(']') != std::string_view::npos || Trimmed(section) != section) {
        return false;
    }
    if (key.empty() || key.find('=') != std::string_view::npos || Trimmed(key) != key ||
        key.front() == ';' || key.front() == '[') {
        return false;
    }
    return true;
}

}  // namespace zembo::platform
