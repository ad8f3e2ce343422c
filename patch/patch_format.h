#pragma once
// The patch file (".zbk"): its sections, keys and values, and how its slots are read.

#include <optional>
#include <string>

#include "patch/ini_file.h"

namespace zembo::zbk {

inline const std::string kVersionSection = "Version";
inline const std::string kVersionKey = "ZBK";
inline const std::string kVersionValue = "Low1";
inline const std::string kGlobalsSection = "Globals";
inline const std::string kLayeringKey = "Layering";
inline const std::string kLoopKey = "Loop";
inline const std::string kFilenamesSection = "Filenames";
inline const std::string kSourceSystemsSection = "SourceSystems";
inline const std::string kStencilFilenamesSection = "StencilFilenames";

inline const std::string kDirectShow = "ssDS";
inline const std::string kVideoForWindows = "ssVFW";

// The default a slot is read with, and the value that marks a slot empty (letter case counts).
inline const std::string kEmptySlotMarker = "end";

inline constexpr int kSlotCount = 16;

inline const std::string kExtension = "zbk";
inline const std::string kFilter = "Zembo patch files|*.zbk";

// "1" to "16": decimal, no sign, no leading zeros.
std::string SlotKey(int slot);

// Whether a "Filenames" value marks its slot empty: exactly "end", or empty.
bool IsEmptySlotValue(const std::string& value);

// The clip of a slot, or nullopt for an empty slot.
std::optional<std::string> ReadSlotClip(TCustomIniFile& patch, int slot);

// The alpha matte of a slot; empty when it has none.
std::string ReadSlotMatte(TCustomIniFile& patch, int slot);

// The source system a clip list tick stands for.
inline const std::string& SourceSystemFor(bool ticked) {
    return ticked ? kDirectShow : kVideoForWindows;
}

}  // namespace zembo::zbk
