#pragma once
// A small JSON writer for the --json output: compact text, commas placed by the writer.

#include <string>
#include <string_view>
#include <vector>

namespace zembo::cli {

// bytes as a JSON string literal, quotes included. Quotes, backslashes, control characters and
// DEL are escaped; valid UTF-8 passes unchanged; every maximal run of bytes that is not valid
// UTF-8 (a stray byte, a cut or overlong sequence, a surrogate) becomes one "\ufffd", so that
// the result is always valid JSON, whatever code page the patch was written in.
std::string JsonQuoted(std::string_view bytes);

// Whether bytes are valid UTF-8 throughout, so that a JSON string holds them unchanged.
bool IsValidUtf8(std::string_view bytes);

class JsonWriter {
  public:
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    // The name of the next member of the open object.
    JsonWriter& Key(std::string_view name);
    JsonWriter& String(std::string_view value);
    // Key(name), then bytes as a String. Bytes that are not valid UTF-8 add the member
    // name + "Hex": every byte of the original as two lower-case hex digits, so nothing is lost.
    JsonWriter& Bytes(std::string_view name, std::string_view bytes);
    JsonWriter& Number(long long value);
    JsonWriter& Null();

    const std::string& Text() const { return text_; }

  private:
    // A comma before every value but the first of its array or object; none after a key.
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);

    std::string text_;
    std::vector<bool> empty_;  // per open array or object: nothing written into it yet
    bool afterKey_ = false;
};

}  // namespace zembo::cli
