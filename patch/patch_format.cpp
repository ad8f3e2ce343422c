#include "patch/patch_format.h"

namespace zembo::zbk {

std::string SlotKey(int slot) {
    return std::to_string(slot);
}

bool IsEmptySlotValue(const std::string& value) {
    return value.empty() || value == kEmptySlotMarker;
}

std::optional<std::string> ReadSlotClip(TCustomIniFile& patch, int slot) {
    std::string value = patch.ReadValue(kFilenamesSection, SlotKey(slot), kEmptySlotMarker);
    if (IsEmptySlotValue(value)) {
        return std::nullopt;
    }
    return value;
}

std::string ReadSlotMatte(TCustomIniFile& patch, int slot) {
    return patch.ReadValue(kStencilFilenamesSection, SlotKey(slot), "");
}

}  // namespace zembo::zbk
