#include "patch/file_dialog.h"

#include "patch/patch_format.h"

namespace zembo {

TFileDialog TFileDialog::SaveDialog() {
    FileDialogRequest look;
    look.kind = FileDialogKind::kSave;
    look.defaultExt = zbk::kExtension;
    look.filter = zbk::kFilter;
    look.overwritePrompt = true;
    return TFileDialog(look);
}

TFileDialog TFileDialog::OpenDialog() {
    FileDialogRequest look;
    look.kind = FileDialogKind::kOpen;
    return TFileDialog(look);
}

bool TFileDialog::Execute(FileChooser& chooser) {
    FileDialogRequest request = look_;
    request.fileName = FileName;
    request.initialDir = InitialDir;
    std::optional<std::string> chosen = chooser.Choose(request);
    if (!chosen) {
        return false;
    }
    FileName = *chosen;
    return true;
}

}  // namespace zembo
