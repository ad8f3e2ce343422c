#pragma once
// What a packaging run copies: every filled slot of the source patch with its clip and matte
// resolved on this disk and the name of each copy settled before the first file is copied, so
// that no copy can land on a file that another slot still has to copy from.

#include <cstdint>
#include <string>
#include <vector>

#include "package/package_folders.h"
#include "patch/ini_file.h"
#include "patch/path_rules.h"
#include "platform/file_services.h"

namespace zembo {

struct PlannedCopy {
    std::string value;        // as the source patch stores it
    ResolvedPath source;      // the file on this disk, or the last place it was looked for
    std::string copyName;     // the copy's file name in its package folder
    bool inPlace = false;     // the source is that very copy already
    std::uint64_t bytes = 0;  // the source's size; 0 when it is found nowhere
};

struct SlotPlan {
    int slot = 0;
    PlannedCopy clip;
    PlannedCopy matte;  // matte.value empty: the slot has no alpha matte
};

// Reads the clips and mattes of every filled slot; relative values are taken against
// patchFolder.
std::vector<SlotPlan> PlanPackage(TCustomIniFile& source, const std::string& patchFolder,
                                  const PackageFolder& clips, const PackageFolder& mattes,
                                  const platform::FileServices& files);

// The bytes a run copies: each source once, in the order the slots copy them, leaving out those
// that are their own copy already.
std::uint64_t BytesToCopy(const std::vector<SlotPlan>& plan);

}  // namespace zembo
