#include "package/system_error_text.h"

#include "platform/last_error.h"

namespace zembo {

std::string SystemErrorText() {
    std::string text = platform::LastErrorText();
    return text.empty() ? std::string("Unable to retrieve error") : text;
}

}  // namespace zembo
