#include "cli/slot_entries.h"

#include <optional>

#include "patch/ini_file.h"
#include "patch/patch_format.h"

namespace zembo::cli {

std::vector<SlotEntry> ReadFilledSlots(const std::string& patchPath) {
    TIniFile patch(patchPath);
    std::vector<SlotEntry> entries;
    for (int slot = 1; slot <= zbk::kSlotCount; ++slot) {
        std::optional<std::string> clip = zbk::ReadSlotClip(patch, slot);
        if (!clip) {
            continue;
        }
        SlotEntry entry;
        entry.slot = slot;
        entry.sourceSystem = patch.ReadValue(zbk::kSourceSystemsSection, zbk::SlotKey(slot), "");
        entry.clip = std::move(*clip);
        entry.matte = zbk::ReadSlotMatte(patch, slot);
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace zembo::cli
