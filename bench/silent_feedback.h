#pragma once
// Feedback that shows nothing and does not wait: benchmarks time the work alone.

#include "patch/user_feedback.h"

namespace zembo::bench {

class SilentFeedback : public UserFeedback {
  public:
    void SetStatus(const std::string&) override {}
    void Repaint() override {}
    void Pause(int) override {}
    void ShowMessageBox(const std::string&, const std::string&) override {}
    void ShowInformation(const std::string&) override {}
};

}  // namespace zembo::bench
