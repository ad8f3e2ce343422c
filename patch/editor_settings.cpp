#include "patch/editor_settings.h"

#include "patch/ini_file.h"
#include "patch/path_rules.h"

namespace zembo {

void EditorSettings::Reload(WindowState& state, TFileDialog& sd1,
                            const platform::FileServices& files) const {
    std::string lastPatch;
    {
        TIniFile settings(fileName_);
        lastPatch = settings.ReadValue(kFilesSection, kPatchKey, kDefaultLastPatch);
        state.rememberedClipPath = settings.ReadValue(kFilesSection, kClipKey, kDefaultClip);
    }
    state.lastPatchFolder = FolderPart(lastPatch);
    state.lastClipFolder = FolderPart(state.rememberedClipPath);

    // Values written on Windows reach their files here too; a relative one has no folder to be
    // taken against, so it reaches nothing.
    auto isFile = [&files](const std::string& p) { return files.FileExists(p); };
    auto isFolder = [&files](const std::string& p) { return files.DirectoryExists(p); };
    if (ResolveStoredPath(lastPatch, "", isFile).found) {
        sd1.FileName = lastPatch;
    } else if (ResolveStoredPath(state.lastPatchFolder, "", isFolder).found) {
        sd1.InitialDir = state.lastPatchFolder;
    } else {
        sd1.InitialDir = kFallbackInitialDir;
    }
}

void EditorSettings::RememberLastPatch(const std::string& path) {
    TIniFile settings(fileName_);
    settings.WriteValue(kFilesSection, kPatchKey, path);
}

}  // namespace zembo
