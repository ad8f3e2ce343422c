#pragma once
// The editor core as a test drives it: a settings folder and a disk folder of the test's own,
// scripted dialogs and recorded feedback.

#include "patch/ini_file.h"
#include "patch/patch_editor.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_dir.h"

namespace zembo::test {

class EditorFixture {
  protected:
    // The last patch the settings name, or "<none>".
    std::string LastPatch() {
        TIniFile ini(kSettingsFileName);
        return ini.ReadValue(kFilesSection, kPatchKey, "<none>");
    }

    TestSettings settings;
    TempDir dir;
    ScriptedChooser chooser;
    RecordingFeedback feedback;
    EditorSettings editorSettings;
    PatchEditor editor{{chooser, feedback, editorSettings, platform::Disk()}};
};

}  // namespace zembo::test
