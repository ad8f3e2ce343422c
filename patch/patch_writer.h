#pragma once
// Saving the clip list as patch files: 16 clips a file, or 15 while restricted, one save dialog
// for each chunk.

#include "patch/clip_list.h"
#include "patch/editor_settings.h"
#include "patch/file_dialog.h"

namespace zembo {

inline constexpr int kFullChunk = 16;
inline constexpr int kRestrictedChunk = 15;

// Cuts the list into chunks and writes each into the file the user names in sd1; a cancelled
// dialog skips its chunk. Afterwards sd1's file name is recorded as the last patch. A failed
// write ends the run with the profile error, and nothing is recorded.
void WritePatches(const ClipList& clips, bool restrictTo15, TFileDialog& sd1, FileChooser& chooser,
                  EditorSettings& settings);

}  // namespace zembo
