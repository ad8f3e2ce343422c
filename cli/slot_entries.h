#pragma once
// The filled slots of a patch, read as the packager reads them.

#include <string>
#include <vector>

namespace zembo::cli {

struct SlotEntry {
    int slot = 0;
    std::string sourceSystem;  // the slot's "SourceSystems" value; empty when absent
    std::string clip;
    std::string matte;  // empty: the slot has no alpha matte
};

// Every filled slot of the patch at patchPath (an absolute path), in slot order.
std::vector<SlotEntry> ReadFilledSlots(const std::string& patchPath);

}  // namespace zembo::cli
