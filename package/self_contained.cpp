#include "package/self_contained.h"

#include <optional>
#include <set>

#include "package/package_folders.h"
#include "package/package_plan.h"
#include "package/system_error_text.h"
#include "patch/ini_file.h"
#include "patch/patch_format.h"
#include "patch/path_rules.h"

namespace zembo {
namespace {

const std::string kClipNotFound = "Couldn't find relative clip: ";
const std::string kClipNotCopied = "Could not copy ";
const std::string kMatteNotFound = "Couldn't find relative alpha matte: ";
const std::string kMatteNotCopied = "Could not copy alpha matte ";
const std::string kLineBreak = "\r\n";

// Makes a package folder unless it is there; a folder that cannot be made shows in the report
// as every copy into it fails.
void EnsureFolder(platform::FileServices& files, const PackageFolder& folder) {
    if (!files.DirectoryExists(folder.path)) {
        (void)files.CreateDirectory(folder.path);
    }
}

// The copies made in this run: a source named by several slots is copied once, unless that copy
// failed, when every slot tries and reports its own.
class MadeCopies {
  public:
    bool Copy(const PlannedCopy& copy, const PackageFolder& folder, platform::FileServices& files) {
        if (copy.inPlace || made_.count(copy.copyName) != 0) {
            return true;
        }
        if (!files.CopyFile(copy.source.path, folder.CopyPath(copy.copyName))) {
            return false;
        }
        made_.insert(copy.copyName);
        return true;
    }

  private:
    std::set<std::string> made_;
};

}  // namespace

PackagingResult SelfContainedPackager::OpenZBKSaveSelfClick(bool relativeValues) {
    if (!editor_.state.lastPatchFolder.empty()) {
        editor_.OD1.InitialDir = editor_.state.lastPatchFolder;
    }
    if (!editor_.OD1.Execute(editor_.Chooser())) {
        return {};
    }
    editor_.Feedback().ShowInformation(kChooseNewPatchText);
    return SaveSelfContained(editor_.OD1.FileName, relativeValues);
}

PackagingResult SelfContainedPackager::SaveSelfContained(const std::string& sourcePatch,
                                                         bool relativeValues) {
    UserFeedback& feedback = editor_.Feedback();
    platform::FileServices& files = editor_.Files();
    PackagingResult result;

    TIniFile source(sourcePatch);
    editor_.SD1.FileName = sourcePatch;
    editor_.state.lastPatchFolder = FolderPart(sourcePatch);
    if (!editor_.state.lastClipFolder.empty()) {
        editor_.SD1.InitialDir = editor_.state.lastClipFolder;
    }

    std::optional<TIniFile> newPatch;
    [&] {
        if (!editor_.SD1.Execute(editor_.Chooser())) {
            return;
        }
        const std::string newPath = editor_.SD1.FileName;
        result.newPatch = newPath;
        if (!files.CopyFile(sourcePatch, newPath)) {
            result.outcome = PackagingResult::Outcome::kInternalError;
            result.errorText = SystemErrorText();
            feedback.ShowMessageBox(result.errorText, kInternalErrorCaption);
            return;
        }
        if (!files.FileExists(newPath)) {
            result.outcome = PackagingResult::Outcome::kInternalError;
            result.errorText = kNoZbkThere;
            feedback.ShowMessageBox(kNoZbkThere, kInternalErrorCaption);
            return;
        }
        newPatch.emplace(newPath);
        const PackageFolder clips = PackageFolderFor(newPath, kClipsSuffix);
        const PackageFolder mattes = PackageFolderFor(newPath, kMattesSuffix);
        EnsureFolder(files, clips);

        std::string& report = result.copyReport;
        report.clear();
        const std::vector<SlotPlan> plan =
            PlanPackage(source, editor_.state.lastPatchFolder, clips, mattes, files);
        MadeCopies made;
        MadeCopies madeMattes;
        auto next = plan.begin();
        for (int slot = 1; slot <= zbk::kSlotCount; ++slot) {
            feedback.Repaint();
            feedback.Pause(slotPauseMs_);
            if (next == plan.end() || next->slot != slot) {
                continue;  // an empty slot
            }
            const SlotPlan& p = *next++;

            const PlannedCopy& clip = p.clip;
            if (!clip.source.found) {
                report += kClipNotFound + clip.source.path;
            }
            feedback.SetStatus("Copying Clip: " + FileNamePart(clip.value));
            newPatch->WriteValue(zbk::kFilenamesSection, zbk::SlotKey(slot),
                                 clips.ValueFor(clip.copyName, relativeValues));
            if (!made.Copy(clip, clips, files)) {
                report += kClipNotCopied + clip.source.path + kLineBreak;
            }

            const PlannedCopy& matte = p.matte;
            if (matte.value.empty()) {
                continue;
            }
            if (!matte.source.found) {
                report += kMatteNotFound + matte.source.path;
                continue;
            }
            EnsureFolder(files, mattes);
            feedback.SetStatus("Copying Alpha Matte: " + FileNamePart(matte.source.path));
            newPatch->WriteValue(zbk::kStencilFilenamesSection, zbk::SlotKey(slot),
                                 mattes.ValueFor(matte.copyName, relativeValues));
            if (!madeMattes.Copy(matte, mattes, files)) {
                report += kMatteNotCopied + matte.source.path + kLineBreak;
            }
        }
        if (!report.empty()) {
            feedback.ShowMessageBox(report, kCopyErrorCaption);
        }
        newPatch->Flush();
        editor_.state.lastClipFolder = clips.prefix;
        editor_.RememberLastPatch(editor_.SD1.FileName);
        result.outcome = PackagingResult::Outcome::kCompleted;
    }();
    newPatch.reset();
    feedback.SetStatus(kDoneStatus);
    return result;
}

}  // namespace zembo
