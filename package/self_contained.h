#pragma once
// Saving a patch self-contained: the patch copied to a new place, every clip and alpha matte it
// names copied into folders beside it, and the copy rewritten to name those copies.

#include <string>
#include <vector>

#include "package/package_folders.h"
#include "patch/editor_services.h"
#include "patch/file_dialog.h"
#include "patch/ini_file.h"
#include "patch/window_state.h"

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
    // od1 chooses the source patch, sd1 the new one; state holds the folders they start in.
    SelfContainedPackager(EditorServices services, TFileDialog& od1, TFileDialog& sd1,
                          WindowState& state, int slotPauseMs = kSlotPauseMs)
        : services_(services), od1_(od1), sd1_(sd1), state_(state), slotPauseMs_(slotPauseMs) {}

    // The source patch from od1, a word to the user, then the packaging. relativeValues: the
    // new patch names its copies relative to its own folder.
    PackagingResult ChooseAndPackage(bool relativeValues);

    // Packages sourcePatch into the new patch the user chooses in sd1. Raises the profile error
    // when a write into the new patch or into the settings fails.
    PackagingResult SaveSelfContained(const std::string& sourcePatch, bool relativeValues);

  private:
    // sd1 opened on the source patch; nullopt when the user cancels.
    std::optional<std::string> ChooseNewPatch(const std::string& sourcePatch);
    // The source patch copied to newPath; false (and the "Internal Error" box shown) when the
    // copy is not there.
    bool CopyPatchFile(const std::string& sourcePatch, const std::string& newPath,
                       PackagingResult& result);
    // Every slot's clip and matte copied and named in the new patch; failures in the report.
    void CopySlots(TIniFile& source, TIniFile& newPatch, const PackageFolder& clips,
                   const PackageFolder& mattes, bool relativeValues, std::string& report);
    // The report shown, the new patch and the package's folders made durable, the new patch
    // recorded as the last patch. Raises the profile error, or a like one for a folder, when
    // something cannot be made durable.
    void FinishRun(TIniFile& newPatch, const PackageFolder& clips, const PackageFolder& mattes,
                   const std::string& report);

    EditorServices services_;
    TFileDialog& od1_;
    TFileDialog& sd1_;
    WindowState& state_;
    int slotPauseMs_;
};

}  // namespace zembo
