#pragma once
// The editor behind the main window: the clip list, the two file dialogs, the window state and
// the restrict-to-15 flag, with the patch-building actions the window's controls start. The
// window binds its controls to these; tests drive them with scripted dialogs.

#include "patch/clip_list.h"
#include "patch/editor_settings.h"
#include "patch/file_dialog.h"
#include "patch/user_feedback.h"
#include "patch/window_state.h"
#include "platform/file_services.h"

namespace zembo {

class PatchEditor {
  public:
    PatchEditor(FileChooser& chooser, UserFeedback& feedback, EditorSettings& settings,
                platform::FileServices& files);
    PatchEditor(const PatchEditor&) = delete;
    PatchEditor& operator=(const PatchEditor&) = delete;

    // Activation of the main window: settings re-read, dialogs' start folders derived.
    void FormActivate();
    void RememberLastPatch(const std::string& path);

    // "Save ZBK As": the clip list into patch files.
    void WritePatches();
    // "Restrict ZBKs to 15 clips": flips the flag and returns its new value for the check box.
    bool cb15Click();
    // "Add from ZBK": the clips of a chosen patch appended.
    void AddFromZBKClick();
    void bDeleteClick() { clips.DeleteSelected(); }
    void bClearClick() { clips.Clear(); }

    bool RestrictTo15() const { return restrictTo15_; }

    ClipList clips;
    TFileDialog SD1 = TFileDialog::SaveDialog();
    TFileDialog OD1 = TFileDialog::OpenDialog();
    WindowState state;

    FileChooser& Chooser() { return chooser_; }
    UserFeedback& Feedback() { return feedback_; }
    EditorSettings& Settings() { return settings_; }
    platform::FileServices& Files() { return files_; }

  private:
    FileChooser& chooser_;
    UserFeedback& feedback_;
    EditorSettings& settings_;
    platform::FileServices& files_;
    bool restrictTo15_ = false;
};

}  // namespace zembo
