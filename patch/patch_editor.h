#pragma once
// The editor behind the main window: the clip list, the two file dialogs, the window state and
// the restrict-to-15 flag, with the patch-building actions the window's controls start. The
// window binds its controls to these; tests drive them with scripted dialogs.

#include "patch/clip_list.h"
#include "patch/editor_services.h"
#include "patch/file_dialog.h"
#include "patch/window_state.h"

namespace zembo {

class PatchEditor {
  public:
    explicit PatchEditor(EditorServices services) : services_(services) {}
    PatchEditor(const PatchEditor&) = delete;
    PatchEditor& operator=(const PatchEditor&) = delete;

    // Activation of the main window: settings re-read, dialogs' start folders derived.
    void ReloadSettings();

    // The clip list into patch files.
    void WritePatches();
    // Flips the restrict-to-15 flag and returns its new value.
    bool ToggleRestrictTo15();
    // The clips of a patch the user chooses, appended to the clip list.
    void ImportPatch();
    void DeleteSelected() { clips.DeleteSelected(); }
    void ClearClips() { clips.Clear(); }

    bool RestrictTo15() const { return restrictTo15_; }
    const EditorServices& Services() const { return services_; }

    ClipList clips;
    TFileDialog SD1 = TFileDialog::SaveDialog();
    TFileDialog OD1 = TFileDialog::OpenDialog();
    WindowState state;

  private:
    EditorServices services_;
    bool restrictTo15_ = false;
};

}  // namespace zembo
