#pragma once
// The user's home folder.

#include <string>

namespace zembo::platform {

// $HOME when it is an absolute path; else (unset, empty or relative, which would depend on the
// current folder) the password database's entry for the user; "/" when neither tells.
std::string HomeFolder();

}  // namespace zembo::platform
