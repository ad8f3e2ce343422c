#pragma once
// Saving a patch self-contained: the patch copied to a new place, every clip and alpha matte it
// names copied into folders beside it, and the copy rewritten to name those copies.

#include <string>

#include "patch/patch_editor.h"

namespace zembo {

// The pause at the top of every slot, so that the status of each copy can be read.
inline constexpr int kSlotPauseMs = 400;

inline const std::string kInternalErrorCaption = "Internal Error";
inline const std::string kCopyErrorCaption = "Copy Error";
inline const std::string kNoZbkThere = "no zbk there";
inline const std::string kChooseNewPatchText =
    "Now please choose where the Self Contained ZBK is going to be saved.";
inline const std::string kDoneStatus = "Done";

struct PackagingResult {
    enum class Outcome { kCancelled, kInternalError, kCompleted };
    Outcome outcome = Outcome::kCancelled;
    std::string newPatch;
    std::string copyReport;  // as shown in the "Copy Error" box; empty when every copy was made
    std::string errorText;   // the "Internal Error" box's text
};

class SelfContainedPackager {
  public:
    explicit SelfContainedPackager(PatchEditor& editor, int slotPauseMs = kSlotPauseMs)
        : editor_(editor), slotPauseMs_(slotPauseMs) {}

    // "Open ZBK and Save Self Contained": the source patch from OD1, a word to the user, then
    // the packaging. relativeValues: the "Relative Filenames" check box.
    PackagingResult OpenZBKSaveSelfClick(bool relativeValues);

    // Packages sourcePatch into the new patch the user chooses in SD1. Raises the profile error
    // when a write into the new patch or into the settings fails.
    PackagingResult SaveSelfContained(const std::string& sourcePatch, bool relativeValues);

  private:
    PatchEditor& editor_;
    int slotPauseMs_;
};

}  // namespace zembo
