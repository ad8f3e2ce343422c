#pragma once
// Importing the clips of an existing patch into the clip list.

#include "patch/clip_list.h"
#include "patch/file_dialog.h"

namespace zembo {

// Asks od1 for a patch and appends its clips, slot 16 first and slot 1 last, unticked and
// unchanged; empty slots add nothing. A cancelled dialog changes nothing.
void AddFromZBK(TFileDialog& od1, FileChooser& chooser, ClipList& clips);

}  // namespace zembo
