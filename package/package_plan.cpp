#include "package/package_plan.h"

#include <set>

#include "package/copy_names.h"
#include "patch/patch_format.h"

namespace zembo {
namespace {

// The name a copy would naturally take: the file's own name where it was found (a clip found
// nowhere: the name its value gives), as Windows lets a copy bear it.
std::string NaturalName(const PlannedCopy& copy) {
    return WindowsSafeName(FileNamePart(copy.source.found ? copy.source.path : copy.value));
}

void Settle(PlannedCopy& copy, const PackageFolder& folder, CopyNames& names,
            const platform::FileServices& files) {
    copy.copyName = names.NameFor(copy.source.path, NaturalName(copy));
    copy.inPlace =
        copy.source.found && files.IsFileAt(copy.source.path, folder.CopyPath(copy.copyName));
    copy.bytes = copy.source.found ? files.FileSize(copy.source.path) : 0;
}

}  // namespace

std::vector<SlotPlan> PlanPackage(TCustomIniFile& source, const std::string& patchFolder,
                                  const PackageFolder& clips, const PackageFolder& mattes,
                                  const platform::FileServices& files) {
    auto exists = [&files](const std::string& p) { return files.FileExists(p); };
    std::vector<SlotPlan> plan;
    for (int slot = 1; slot <= zbk::kSlotCount; ++slot) {
        auto clip = zbk::ReadSlotClip(source, slot);
        if (!clip) {
            continue;
        }
        SlotPlan p;
        p.slot = slot;
        p.clip.value = *clip;
        p.clip.source = ResolveStoredPath(*clip, patchFolder, exists);
        p.matte.value = zbk::ReadSlotMatte(source, slot);
        if (!p.matte.value.empty()) {
            p.matte.source = ResolveStoredPath(p.matte.value, patchFolder, exists);
        }
        plan.push_back(std::move(p));
    }

    auto same = [&files](const std::string& a, const std::string& b) {
        return files.SameFile(a, b);
    };
    CopyNames clipNames(same);
    CopyNames matteNames(same);
    // Files already in the package folder under their own name keep it: nothing may be copied
    // over them before they have served their own slot. A link there that leads to its source
    // keeps the name too, but is no copy: the slot's copy takes its place.
    for (const SlotPlan& p : plan) {
        const std::string clipName = NaturalName(p.clip);
        if (p.clip.source.found && files.SameFile(p.clip.source.path, clips.CopyPath(clipName))) {
            clipNames.Reserve(p.clip.source.path, clipName);
        }
        if (p.matte.source.found) {
            const std::string matteName = NaturalName(p.matte);
            if (files.SameFile(p.matte.source.path, mattes.CopyPath(matteName))) {
                matteNames.Reserve(p.matte.source.path, matteName);
            }
        }
    }
    for (SlotPlan& p : plan) {
        Settle(p.clip, clips, clipNames, files);
        if (p.matte.source.found) {
            Settle(p.matte, mattes, matteNames, files);
        }
    }
    return plan;
}

std::uint64_t BytesToCopy(const std::vector<SlotPlan>& plan) {
    std::set<std::string> clips;
    std::set<std::string> mattes;
    std::uint64_t total = 0;
    auto add = [&total](const PlannedCopy& copy, std::set<std::string>& names) {
        if (!copy.inPlace && names.insert(copy.copyName).second) {
            total += copy.bytes;
        }
    };
    for (const SlotPlan& p : plan) {
        add(p.clip, clips);
        if (p.matte.source.found) {
            add(p.matte, mattes);
        }
    }
    return total;
}

}  // namespace zembo
