#pragma once
// What the editor's actions work with besides their own data: where they ask and tell the user,
// the settings they record in, and the disk. The window gives the real ones; tests and the
// command line give their own.

#include "patch/editor_settings.h"
#include "patch/file_dialog.h"
#include "patch/user_feedback.h"
#include "platform/file_services.h"

namespace zembo {

struct EditorServices {
    FileChooser& chooser;
    UserFeedback& feedback;
    EditorSettings& settings;
    platform::FileServices& files;
};

}  // namespace zembo
