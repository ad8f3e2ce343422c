#include "package/copy_names.h"

#include "platform/ascii_text.h"

namespace zembo {
namespace {

// Zembo runs on Windows, where a folder cannot hold "Intro.avi" and "intro.avi" side by side; a
// package must stay whole when it is carried there.
bool SameName(const std::string& a, const std::string& b) {
    return platform::EqualsIgnoringAsciiCase(a, b);
}

}  // namespace

std::string NumberedName(const std::string& name, int n) {
    std::size_t dot = name.rfind('.');
    std::string suffix = "_" + std::to_string(n);
    if (dot == std::string::npos || dot == 0) {
        return name + suffix;
    }
    return name.substr(0, dot) + suffix + name.substr(dot);
}

bool CopyNames::IsFree(const std::string& name) const {
    for (const Taken& t : taken_) {
        if (SameName(t.name, name)) {
            return false;
        }
    }
    return true;
}

void CopyNames::Reserve(const std::string& source, const std::string& name) {
    if (IsFree(name)) {
        taken_.push_back({name, source});
    }
}

std::string CopyNames::NameFor(const std::string& source, const std::string& wanted) {
    for (const Taken& t : taken_) {
        if (t.source == source || same_(t.source, source)) {
            return t.name;
        }
    }
    std::string name = wanted;
    for (int n = 2; !IsFree(name); ++n) {
        name = NumberedName(wanted, n);
    }
    taken_.push_back({name, source});
    return name;
}

}  // namespace zembo
