#pragma once
// The error of the last failed platform call on this thread, with its text.

#include <string>

namespace zembo::platform {

// Records a failure: an errno value, and a text of our own where the system has none fitting.
void SetLastError(int code, std::string text = {});

// 0 when no platform call has failed yet.
int LastErrorCode();

// The text of the last failure: our own text when one was given, else the system's (strerror);
// empty when there is no failure to describe.
std::string LastErrorText();

}  // namespace zembo::platform
