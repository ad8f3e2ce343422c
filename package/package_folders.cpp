#include "package/package_folders.h"

#include "patch/path_rules.h"

namespace zembo {

std::string PackageFolder::ValueFor(const std::string& fileName, bool relativeValues) const {
    return relativeValues ? relative + "\\" + fileName : CopyPath(fileName);
}

PackageFolder PackageFolderFor(const std::string& newPatch, const std::string& suffix) {
    PackageFolder folder;
    folder.relative = ExtensionCut(FileNamePart(newPatch)) + suffix;
    folder.path = FolderPrefix(newPatch) + folder.relative;
    folder.prefix = JoinPath(folder.path, "");
    return folder;
}

}  // namespace zembo
