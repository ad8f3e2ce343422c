#pragma once
// The names of the copies in one package folder, taken once per run: two different clips that
// share a file name must not end up as one copy.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace zembo {

class CopyNames {
  public:
    // Whether two source paths are one and the same file.
    using SameSource = std::function<bool(const std::string&, const std::string&)>;

    explicit CopyNames(SameSource same) : same_(std::move(same)) {}

    // Reserves a name for a source that already lies in the folder under that name.
    void Reserve(const std::string& source, const std::string& name);

    // The copy name for source: the name given to that same source before, else wanted when it
    // is free, else the first free of "stem_2.ext", "stem_3.ext", ...
    std::string NameFor(const std::string& source, const std::string& wanted);

  private:
    struct Taken {
        std::string name;
        std::string source;
    };
    bool IsFree(const std::string& name) const;

    SameSource same_;
    std::vector<Taken> taken_;
};

// The longest file name the file systems a package lives on take, in bytes.
inline constexpr std::size_t kMaxCopyNameBytes = 255;

// name as a copy may bear it on Windows, where the package is played: each character Windows
// refuses (\ / : * ? " < > | and control characters) becomes "_", trailing dots and blanks go, a
// device name (CON, PRN, AUX, NUL, COM1-9, LPT1-9, with or without extension) gets a "_" after
// it, and a name over kMaxCopyNameBytes is shortened before its extension, never inside a UTF-8
// sequence. An empty result becomes "_".
std::string WindowsSafeName(const std::string& name);

// "intro.avi" numbered n: "intro_2.avi"; a name without extension gets the number at its end.
// Shortened before the number as WindowsSafeName does, so that it stays within
// kMaxCopyNameBytes.
std::string NumberedName(const std::string& name, int n);

}  // namespace zembo
