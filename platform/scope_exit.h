#pragma once
// Runs a step when the scope ends, however it ends: the second half of a pair such as begin and
// end of an update.

#include <utility>

namespace zembo::platform {

template <class F>
class ScopeExit {
  public:
    explicit ScopeExit(F f) : f_(std::move(f)) {}
    ~ScopeExit() { f_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

  private:
    F f_;
};

}  // namespace zembo::platform
