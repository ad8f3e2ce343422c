#include "platform/last_error.h"

#include <cstring>

namespace zembo::platform {
namespace {

struct LastError {
    int code = 0;
    std::string text;
};

thread_local LastError lastError;

}  // namespace

void SetLastError(int code, std::string text) {
    lastError.code = code;
    lastError.text = std::move(text);
}

int LastErrorCode() {
    return lastError.code;
}

std::string LastErrorText() {
    if (!lastError.text.empty()) {
        return lastError.text;
    }
    if (lastError.code == 0) {
        return {};
    }
    return std::strerror(lastError.code);
}

}  // namespace zembo::platform
