#include "cli/json_writer.h"

#include <cstdio>

namespace zembo::cli {
namespace {

// The length of the valid UTF-8 sequence at the start of bytes, or 0 with invalid set to the
// length of the maximal ill-formed subpart (at least 1).
std::size_t ValidSequence(std::string_view bytes, std::size_t& invalid) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    std::size_t continuations = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        continuations = 1;
    } else if (lead == 0xE0) {
        continuations = 2;
        low = 0xA0;  // no overlong forms
    } else if (lead == 0xED) {
        continuations = 2;
        high = 0x9F;  // no surrogates
    } else if (lead >= 0xE1 && lead <= 0xEF) {
        continuations = 2;
    } else if (lead == 0xF0) {
        continuations = 3;
        low = 0x90;  // no overlong forms
    } else if (lead >= 0xF1 && lead <= 0xF3) {
        continuations = 3;
    } else if (lead == 0xF4) {
        continuations = 3;
        high = 0x8F;  // nothing beyond U+10FFFF
    } else {
        invalid = 1;
        return 0;
    }
    std::size_t length = 1;
    while (length <= continuations && length < bytes.size()) {
        const auto next = static_cast<unsigned char>(bytes[length]);
        if (next < low || next > high) {
            break;
        }
        low = 0x80;
        high = 0xBF;
        ++length;
    }
    if (length == continuations + 1) {
        return length;
    }
    invalid = length;
    return 0;
}

void AppendEscapedAscii(std::string& out, char c) {
    switch (c) {
        case '"':
            out += "\\\"";
            return;
        case '\\':
            out += "\\\\";
            return;
        case '\b':
            out += "\\b";
            return;
        case '\f':
            out += "\\f";
            return;
        case '\n':
            out += "\\n";
            return;
        case '\r':
            out += "\\r";
            return;
        case '\t':
            out += "\\t";
            return;
        default:
            break;
    }
    const auto code = static_cast<unsigned char>(c);
    if (code < 0x20 || code == 0x7F) {
        char escape[7];
        std::snprintf(escape, sizeof escape, "\\u%04x", code);
        out += escape;
    } else {
        out.push_back(c);
    }
}

}  // namespace

std::string JsonQuoted(std::string_view bytes) {
    std::string out = "\"";
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            AppendEscapedAscii(out, bytes[i]);
            ++i;
            continue;
        }
        std::size_t invalid = 0;
        const std::size_t valid = ValidSequence(bytes.substr(i), invalid);
        if (valid > 0) {
            out.append(bytes.substr(i, valid));
            i += valid;
        } else {
            out += "\\ufffd";
            i += invalid;
        }
    }
    out.push_back('"');
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        std::size_t invalid = 0;
        const std::size_t valid = ValidSequence(bytes.substr(i), invalid);
        if (valid == 0) {
            return false;
        }
        i += valid;
    }
    return true;
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!empty_.empty()) {
        if (!empty_.back()) {
            text_.push_back(',');
        }
        empty_.back() = false;
    }
}

void JsonWriter::Open(char bracket) {
    BeforeValue();
    text_.push_back(bracket);
    empty_.push_back(true);
}

void JsonWriter::Close(char bracket) {
    text_.push_back(bracket);
    empty_.pop_back();
}

JsonWriter& JsonWriter::BeginArray() {
    Open('[');
    return *this;
}

JsonWriter& JsonWriter::EndArray() {
    Close(']');
    return *this;
}

JsonWriter& JsonWriter::BeginObject() {
    Open('{');
    return *this;
}

JsonWriter& JsonWriter::EndObject() {
    Close('}');
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view name) {
    BeforeValue();
    text_ += JsonQuoted(name);
    text_.push_back(':');
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view value) {
    BeforeValue();
    text_ += JsonQuoted(value);
    return *this;
}

JsonWriter& JsonWriter::Bytes(std::string_view name, std::string_view bytes) {
    Key(name).String(bytes);
    if (!IsValidUtf8(bytes)) {
        static constexpr char kDigits[] = "0123456789abcdef";
        std::string hex;
        hex.reserve(bytes.size() * 2);
        for (const char c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            hex.push_back(kDigits[b >> 4]);
            hex.push_back(kDigits[b & 0x0F]);
        }
        Key(std::string(name) + "Hex").String(hex);
    }
    return *this;
}

JsonWriter& JsonWriter::Number(long long value) {
    BeforeValue();
    text_ += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::Null() {
    BeforeValue();
    text_ += "null";
    return *this;
}

}  // namespace zembo::cli
