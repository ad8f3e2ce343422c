#pragma once
// Opening a file or folder with the program the desktop associates with it.

#include <string>

namespace zembo::platform {

class DefaultOpener {
  public:
    virtual ~DefaultOpener() = default;
    // Starts the opening; whether a program took it is not reported.
    virtual void Open(const std::string& path) = 0;
};

}  // namespace zembo::platform
