#pragma once
// Pasting files into a folder, as the desktop's file managers do it, except that nothing is ever
// replaced: a name that is taken gets " (2)", " (3)"... before its extension.

#include <string>
#include <vector>

#include "platform/file_tree.h"

namespace zembo::browser {

// The name of the n-th copy (n from 2): "clip (2).avi", "Folder (2)", ".hidden (2)".
std::string NumberedCopyName(const std::string& name, int n, bool folder);

// Copies the entries at sources (folders whole) into folder, or moves them there: a rename on
// one file system, else a complete copy and then the source removed. Stops at the first failure,
// which error tells; what was done before stays done.
bool PasteFiles(const std::vector<std::string>& sources, const std::string& folder, bool move,
                platform::FileError& error);

}  // namespace zembo::browser
