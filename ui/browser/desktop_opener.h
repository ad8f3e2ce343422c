#pragma once
// Opens files with the programs the desktop associates with them.

#include "platform/default_opener.h"

namespace zembo::ui {

class DesktopOpener : public platform::DefaultOpener {
  public:
    void Open(const std::string& path) override;
};

}  // namespace zembo::ui
