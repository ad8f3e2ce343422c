#include "patch/patch_editor.h"

#include "patch/patch_import.h"
#include "patch/patch_writer.h"

namespace zembo {

PatchEditor::PatchEditor(FileChooser& chooser, UserFeedback& feedback, EditorSettings& settings,
                         platform::FileServices& files)
    : chooser_(chooser), feedback_(feedback), settings_(settings), files_(files) {}

void PatchEditor::FormActivate() {
    settings_.FormActivate(state, SD1, files_);
}

void PatchEditor::RememberLastPatch(const std::string& path) {
    settings_.RememberLastPatch(path);
}

void PatchEditor::WritePatches() {
    zembo::WritePatches(clips, restrictTo15_, SD1, chooser_, settings_);
}

bool PatchEditor::cb15Click() {
    restrictTo15_ = !restrictTo15_;
    return restrictTo15_;
}

void PatchEditor::AddFromZBKClick() {
    AddFromZBK(OD1, chooser_, clips);
}

}  // namespace zembo
