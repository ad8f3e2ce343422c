#include "package/self_contained.h"

#include <algorithm>
#include <optional>
#include <set>
#include <stdexcept>

#include "package/package_plan.h"
#include "package/system_error_text.h"
#include "patch/patch_format.h"
#include "patch/path_rules.h"
#include "platform/disk_path.h"

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

// The run's progress over all its copies: the bytes of the copies done with and those of the
// copy under way, against the total the plan gives. Told only when it has moved on.
class RunProgress {
  public:
    RunProgress(UserFeedback& feedback, std::uint64_t total) : feedback_(feedback), total_(total) {
        feedback_.ShowProgress(0, total_);
    }
    ~RunProgress() { feedback_.EndProgress(); }
    RunProgress(const RunProgress&) = delete;
    RunProgress& operator=(const RunProgress&) = delete;

    // What one copy tells, as the whole run's progress.
    platform::FileServices::CopyProgress During() {
        return [this](std::uint64_t copied) { Tell(doneWith_ + copied); };
    }
    // A source's bytes are done with, copied or not.
    void DoneWith(std::uint64_t bytes) {
        doneWith_ += bytes;
        Tell(doneWith_);
    }

  private:
    void Tell(std::uint64_t copied) {
        copied = std::min(copied, total_);
        if (copied > told_) {
            told_ = copied;
            feedback_.ShowProgress(told_, total_);
        }
    }

    UserFeedback& feedback_;
    std::uint64_t total_;
    std::uint64_t doneWith_ = 0;
    std::uint64_t told_ = 0;
};

// The copies made in this run: a source named by several slots is copied once, unless that copy
// failed, when every slot tries and reports its own. A copy that an earlier run made, of the same
// size and time, is kept: packaging again copies only what changed, and needs no room for it.
// Only the first try of a copy counts in the progress.
class MadeCopies {
  public:
    bool Copy(const PlannedCopy& copy, const PackageFolder& folder, platform::FileServices& files,
              RunProgress& progress) {
        if (copy.inPlace || made_.count(copy.copyName) != 0) {
            return true;
        }
        const bool first = tried_.insert(copy.copyName).second;
        const std::string to = folder.CopyPath(copy.copyName);
        bool copied = true;
        if (!files.IsUpToDateCopy(copy.source.path, to)) {
            copied = files.CopyFile(copy.source.path, to, first ? progress.During() : nullptr);
        }
        if (first) {
            progress.DoneWith(copy.bytes);
        }
        if (!copied) {
            return false;
        }
        made_.insert(copy.copyName);
        return true;
    }

  private:
    std::set<std::string> made_;
    std::set<std::string> tried_;
};

}  // namespace

PackagingResult SelfContainedPackager::ChooseAndPackage(bool relativeValues) {
    if (!state_.lastPatchFolder.empty()) {
        od1_.InitialDir = state_.lastPatchFolder;
    }
    if (!od1_.Execute(services_.chooser)) {
        return {};
    }
    services_.feedback.ShowInformation(kChooseNewPatchText);
    return SaveSelfContained(od1_.FileName, relativeValues);
}

PackagingResult SelfContainedPackager::SaveSelfContained(const std::string& sourcePatch,
                                                         bool relativeValues) {
    PackagingResult result;
    TIniFile source(sourcePatch);
    if (std::optional<std::string> newPath = ChooseNewPatch(sourcePatch)) {
        result.newPatch = *newPath;
        if (CopyPatchFile(sourcePatch, *newPath, result)) {
            TIniFile newPatch(*newPath);
            const PackageFolder clips = PackageFolderFor(*newPath, kClipsSuffix);
            const PackageFolder mattes = PackageFolderFor(*newPath, kMattesSuffix);
            EnsureFolder(services_.files, clips);
            CopySlots(source, newPatch, clips, mattes, relativeValues, result.copyReport);
            FinishRun(newPatch, clips, mattes, result.copyReport);
            result.outcome = PackagingResult::Outcome::kCompleted;
        }
    }
    // A failed write has left by now, without "Done": the status keeps the step it failed in.
    services_.feedback.SetStatus(kDoneStatus);
    return result;
}

std::optional<std::string> SelfContainedPackager::ChooseNewPatch(const std::string& sourcePatch) {
    sd1_.FileName = sourcePatch;
    state_.lastPatchFolder = FolderPart(sourcePatch);
    if (!state_.lastClipFolder.empty()) {
        sd1_.InitialDir = state_.lastClipFolder;
    }
    if (!sd1_.Execute(services_.chooser)) {
        return std::nullopt;
    }
    return sd1_.FileName;
}

bool SelfContainedPackager::CopyPatchFile(const std::string& sourcePatch,
                                          const std::string& newPath, PackagingResult& result) {
    if (!services_.files.CopyFile(sourcePatch, newPath, {})) {
        result.errorText = SystemErrorText();
    } else if (!services_.files.FileExists(newPath)) {
        result.errorText = kNoZbkThere;
    } else {
        return true;
    }
    result.outcome = PackagingResult::Outcome::kInternalError;
    services_.feedback.ShowMessageBox(result.errorText, kInternalErrorCaption);
    return false;
}

void SelfContainedPackager::CopySlots(TIniFile& source, TIniFile& newPatch,
                                      const PackageFolder& clips, const PackageFolder& mattes,
                                      bool relativeValues, std::string& report) {
    UserFeedback& feedback = services_.feedback;
    platform::FileServices& files = services_.files;
    report.clear();
    const std::vector<SlotPlan> plan =
        PlanPackage(source, state_.lastPatchFolder, clips, mattes, files);
    RunProgress progress(feedback, BytesToCopy(plan));
    MadeCopies madeClips;
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
        newPatch.WriteValue(zbk::kFilenamesSection, zbk::SlotKey(slot),
                            clips.ValueFor(clip.copyName, relativeValues));
        if (!madeClips.Copy(clip, clips, files, progress)) {
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
        newPatch.WriteValue(zbk::kStencilFilenamesSection, zbk::SlotKey(slot),
                            mattes.ValueFor(matte.copyName, relativeValues));
        if (!madeMattes.Copy(matte, mattes, files, progress)) {
            report += kMatteNotCopied + matte.source.path + kLineBreak;
        }
    }
}

void SelfContainedPackager::FinishRun(TIniFile& newPatch, const PackageFolder& clips,
                                      const PackageFolder& mattes, const std::string& report) {
    if (!report.empty()) {
        services_.feedback.ShowMessageBox(report, kCopyErrorCaption);
    }
    // The new patch, its folder and the names of the copies reach the disk before the run says
    // "Done": a stick pulled then loses nothing. Every folder, also where this run found the
    // copies made already (a run killed after its copies), and a failure ends the run as a
    // failed write does.
    newPatch.Flush();
    for (const std::string& folder : {FolderPart(newPatch.FileName()), clips.path, mattes.path}) {
        if (services_.files.DirectoryExists(folder) && !services_.files.SyncFolder(folder)) {
            throw std::runtime_error("Unable to write to " + folder);
        }
    }
    state_.lastClipFolder = clips.prefix;
    services_.settings.RememberLastPatch(sd1_.FileName);
}

}  // namespace zembo
