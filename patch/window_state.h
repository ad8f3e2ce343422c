#pragma once
// Where the dialogs start: derived from the settings on every activation of the main window, and
// moved on by the packager.

#include <string>

namespace zembo {

struct WindowState {
    std::string lastPatchFolder;
    std::string lastClipFolder;
    std::string rememberedClipPath;
};

}  // namespace zembo
