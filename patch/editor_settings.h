#pragma once
// The editor's settings in "zembo.ini", shared with Zembo: the last patch saved and a clip path,
// from which the dialogs' start folders are derived.

#include <string>

#include "patch/file_dialog.h"
#include "patch/window_state.h"
#include "platform/file_services.h"

namespace zembo {

inline const std::string kSettingsFileName = "zembo.ini";
inline const std::string kFilesSection = "files";
inline const std::string kPatchKey = "patch";
inline const std::string kClipKey = "clip";
inline const std::string kDefaultLastPatch = "c:\\temp.zbk";
inline const std::string kDefaultClip = "c:\\temp.avi";
// Where the save dialog starts when neither the last patch nor its folder exists any more.
inline const std::string kFallbackInitialDir = "C";

class EditorSettings {
  public:
    explicit EditorSettings(std::string fileName = kSettingsFileName)
        : fileName_(std::move(fileName)) {}
    virtual ~EditorSettings() = default;

    // On every activation of the main window: re-reads the settings into the window state and
    // points the save dialog at the last patch, or at its folder.
    void Reload(WindowState& state, TFileDialog& sd1, const platform::FileServices& files) const;

    // Records a saved patch as the last patch; raises the profile error when it cannot.
    virtual void RememberLastPatch(const std::string& path);

    const std::string& FileName() const { return fileName_; }

  private:
    std::string fileName_;
};

// Settings that are read but never written: for runs outside the editor that must leave the
// editor's last patch alone.
class ReadOnlySettings final : public EditorSettings {
  public:
    using EditorSettings::EditorSettings;
    void RememberLastPatch(const std::string& /*path*/) override {}
};

}  // namespace zembo
