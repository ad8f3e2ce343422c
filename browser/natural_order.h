#pragma once
// The order in which file managers list names: runs of digits by their value ("clip2" before
// "clip10"), letters without regard to case.

#include <string_view>

namespace zembo::browser {

// Negative when a goes first, positive when b does; 0 only for identical texts (names that differ
// only in case or in leading zeros still get a fixed order).
int NaturalCompare(std::string_view a, std::string_view b);

}  // namespace zembo::browser
