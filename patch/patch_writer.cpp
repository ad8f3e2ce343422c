#include "patch/patch_writer.h"

#include <algorithm>

#include "patch/ini_file.h"
#include "patch/patch_format.h"

namespace zembo {
namespace {

// Writes one chunk (count entries from first) into the patch file, slots from "1".
void WritePatchFile(const std::string& fileName, const ClipList& clips, int first, int count) {
    TIniFile patch(fileName);
    patch.WriteValue(zbk::kVersionSection, zbk::kVersionKey, zbk::kVersionValue);
    patch.WriteFlag(zbk::kGlobalsSection, zbk::kLayeringKey, true);
    patch.WriteFlag(zbk::kGlobalsSection, zbk::kLoopKey, true);
    for (int k = 1; k <= count; ++k) {
        const int index = first + k - 1;
        const std::string slot = zbk::SlotKey(k);
        patch.WriteValue(zbk::kFilenamesSection, slot, clips.PathAt(index));
        patch.WriteValue(zbk::kSourceSystemsSection, slot,
                         zbk::SourceSystemFor(clips.IsTicked(index)));
    }
    // A file that did not reach the disk is a failed write, not a saved patch.
    patch.Flush();
}

}  // namespace

void WritePatches(const ClipList& clips, bool restrictTo15, TFileDialog& sd1, FileChooser& chooser,
                  EditorSettings& settings) {
    if (clips.Count() == 0) {
        return;
    }
    const int chunk = restrictTo15 ? kRestrictedChunk : kFullChunk;
    for (int position = 0; position < clips.Count();) {
        const int n = std::min(chunk, clips.Count() - position);
        if (sd1.Execute(chooser)) {
            WritePatchFile(sd1.FileName, clips, position, n);
        }
        position += n;
    }
    settings.RememberLastPatch(sd1.FileName);
}

}  // namespace zembo
