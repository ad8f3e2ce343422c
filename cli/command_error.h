#pragma once

#include <stdexcept>

namespace zembo::cli {

// A command that cannot run, or could not finish: the text names the problem in one line.
class CommandError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace zembo::cli
