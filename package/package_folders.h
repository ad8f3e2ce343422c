#pragma once
// The folders a self-contained patch keeps its copies in, beside the new patch: the new patch's
// file name without its ".zbk", with "_clips" or "_mattes" appended.

#include <string>

namespace zembo {

struct PackageFolder {
    std::string path;      // on this disk, e.g. /shows/Set_clips
    std::string prefix;    // path with a "/" appended, e.g. /shows/Set_clips/
    std::string relative;  // as the new patch names it, e.g. Set_clips

    // The value a slot stores for a copy named fileName: relative ("Set_clips\intro.avi", as
    // Zembo resolves it against the patch's folder) or the copy's full path.
    std::string ValueFor(const std::string& fileName, bool relativeValues) const;
    std::string CopyPath(const std::string& fileName) const { return prefix + fileName; }
};

// The folder for a new patch and a suffix ("_clips", "_mattes"). Only the new patch's own file
// name loses its ".zbk": a ".zbk" in a folder name above it stays where it is.
PackageFolder PackageFolderFor(const std::string& newPatch, const std::string& suffix);

inline const std::string kClipsSuffix = "_clips";
inline const std::string kMattesSuffix = "_mattes";

}  // namespace zembo
