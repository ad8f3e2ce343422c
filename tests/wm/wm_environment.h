#pragma once
// What the test main of the window-manager tests set up: the X display they run on, or why there
// is none; and where screenshots go.

#include <string>

namespace zembo::test {

struct WmEnvironment {
    std::string display;  // empty: no session; the tests skip with skipReason
    std::string skipReason;
    std::string shots;  // the folder screenshots are saved in
};

WmEnvironment& Wm();

}  // namespace zembo::test
