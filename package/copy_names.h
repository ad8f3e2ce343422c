#pragma once
// The names of the copies in one package folder, taken once per run: two different clips that
// share a file name must not end up as one copy.

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

// "intro.avi" numbered n: "intro_2.avi"; a name without extension gets the number at its end.
std::string NumberedName(const std::string& name, int n);

}  // namespace zembo
