#pragma once
// Records what the desktop would have opened, so that no test starts a program.

#include <string>
#include <vector>

#include "platform/default_opener.h"

namespace zembo::test {

class RecordingOpener : public platform::DefaultOpener {
  public:
    explicit RecordingOpener(std::vector<std::string>& opened) : opened_(opened) {}
    void Open(const std::string& path) override { opened_.push_back(path); }

  private:
    std::vector<std::string>& opened_;
};

}  // namespace zembo::test
