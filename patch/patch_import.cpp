#include "patch/patch_import.h"

#include "patch/ini_file.h"
#include "patch/patch_format.h"

namespace zembo {

int AppendPatchClips(const std::string& fileName, ClipList& clips) {
    TIniFile patch(fileName);
    int added = 0;
    for (int slot = zbk::kSlotCount; slot >= 1; --slot) {
        if (auto clip = zbk::ReadSlotClip(patch, slot)) {
            clips.AppendClip(*clip);
            ++added;
        }
    }
    return added;
}

void AddFromZBK(TFileDialog& od1, FileChooser& chooser, ClipList& clips) {
    if (!od1.Execute(chooser)) {
        return;
    }
    AppendPatchClips(od1.FileName, clips);
}

}  // namespace zembo
