#pragma once
// Parts of the editor that stand on large libraries (GStreamer, GIO) are modules of their own,
// loaded by their first use: the editor's start loads none of them.

#include <string>
#include <vector>

namespace zembo::ui {

// Where a module of that file name is looked for: beside the program (and the folder above,
// for programs in the build tree's subfolders), then where it is installed.
std::vector<std::string> ModulePlaces(const std::string& fileName);

// The address of symbol in the first of places whose module loads and has it; nullptr, with why
// in why, when none does. A loaded module stays until the program ends.
void* ResolveInModule(const std::vector<std::string>& places, const char* symbol, std::string& why);

}  // namespace zembo::ui
