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

std::string EscapedField(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (const char c : value) {
        switch (c) {
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                out.push_back(c);
        }
    }
    return out;
}

}  // namespace zembo::cli
