#include "patch/patch_editor.h"

#include "patch/patch_import.h"
#include "patch/patch_writer.h"

namespace zembo {

void PatchEditor::ReloadSettings() {
    services_.settings.Reload(state, SD1, services_.files);
}

void PatchEditor::WritePatches() {
    zembo::WritePatches(clips, restrictTo15_, SD1, services_.chooser, services_.settings);
}

bool PatchEditor::ToggleRestrictTo15() {
    restrictTo15_ = !restrictTo15_;
    return restrictTo15_;
}

void PatchEditor::ImportPatch() {
    AddFromZBK(OD1, services_.chooser, clips);
}

}  // namespace zembo
