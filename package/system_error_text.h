#pragma once

#include <string>

namespace zembo {

// The system's text for the last failed platform call, or "Unable to retrieve error".
std::string SystemErrorText();

}  // namespace zembo
