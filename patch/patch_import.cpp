#include "patch/patch_import.h"

#include "patch/ini_file.h"
#include "patch/patch_format.h"

namespace zembo {

void AddFromZBK(TFileDialog& od1, FileChooser& chooser, ClipList& clips) {
    if (!od1.Execute(chooser)) {
        return;
    }
    TIniFile patch(od1.FileName);
    for (int slot = zbk::kSlotCount; slot >= 1; --slot) {
        if (auto clip = zbk::ReadSlotClip(patch, slot)) {
            clips.AppendClip(*clip);
        }
    }
}

}  // namespace zembo
