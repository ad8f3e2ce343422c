#pragma once
// The filled slots of a patch, read as the packager reads them.

#include <string>
#include <string_view>
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

// value as one field of a TAB-separated line: TAB, CR, LF and "\" written as "\t", "\r", "\n"
// and "\\", so that every field can be told apart and read back.
std::string EscapedField(std::string_view value);

}  // namespace zembo::cli
