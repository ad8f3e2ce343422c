// Deriving the dialogs' start folders from "zembo.ini", and recording the last patch.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "patch/editor_settings.h"
#include "patch/ini_file.h"
#include "tests/support/temp_dir.h"

namespace zembo {
namespace {

class Activation : public testing::Test {
  protected:
    void WriteSettings(const std::string& text) { test::WriteFile(settings_.IniPath(), text); }
    void Activate() { EditorSettings().Reload(state, sd1, platform::Disk()); }

    test::TestSettings settings_;
    test::TempDir disk;
    WindowState state;
    TFileDialog sd1 = TFileDialog::SaveDialog();
};

TEST_F(Activation, WithoutASettingsFileEverythingStartsAtTheDefaults) {
    Activate();
    EXPECT_EQ(state.lastPatchFolder, "c:\\");
    EXPECT_EQ(state.lastClipFolder, "c:\\");
    EXPECT_EQ(state.rememberedClipPath, "c:\\temp.avi");
    EXPECT_EQ(sd1.FileName, "");
    EXPECT_EQ(sd1.InitialDir, "C");  // no "c:\" folder on this disk
    EXPECT_FALSE(test::Exists(settings_.IniPath()));
}

TEST_F(Activation, AnExistingLastPatchBecomesTheSaveDialogsFileName) {
    test::WriteFile(disk / "party.zbk", "");
    std::filesystem::create_directory(disk / "clips");
    WriteSettings("[files]\r\npatch=" + (disk / "party.zbk") +
                  "\r\nclip=" + (disk / "clips/a.avi") + "\r\n");
    sd1.InitialDir = "/kept";
    Activate();
    EXPECT_EQ(state.lastPatchFolder, disk.Path());
    EXPECT_EQ(state.lastClipFolder, disk / "clips");
    EXPECT_EQ(sd1.FileName, disk / "party.zbk");
    EXPECT_EQ(sd1.InitialDir, "/kept");
}

TEST_F(Activation, AVanishedPatchInAnExistingFolderPointsTheDialogAtTheFolder) {
    WriteSettings("[files]\r\npatch=" + (disk / "gone.zbk") + "\r\n");
    sd1.FileName = "/earlier.zbk";
    Activate();
    EXPECT_EQ(sd1.InitialDir, disk.Path());
    EXPECT_EQ(sd1.FileName, "/earlier.zbk");
}

TEST_F(Activation, AVanishedFolderFallsBackToC) {
    WriteSettings("[files]\r\npatch=" + (disk / "gone/x.zbk") + "\r\n");
    Activate();
    EXPECT_EQ(state.lastPatchFolder, disk / "gone");
    EXPECT_EQ(sd1.InitialDir, "C");
}

TEST_F(Activation, AFolderAtTheLastPatchIsNoFile) {
    std::filesystem::create_directory(disk / "dir.zbk");
    WriteSettings("[files]\r\npatch=" + (disk / "dir.zbk") + "\r\n");
    Activate();
    EXPECT_EQ(sd1.FileName, "");
    EXPECT_EQ(sd1.InitialDir, disk.Path());
}

TEST_F(Activation, AnEmptyValueGivesAnEmptyFolderAndC) {
    WriteSettings("[files]\r\npatch=\r\nclip=\r\n");
    Activate();
    EXPECT_EQ(state.lastPatchFolder, "");
    EXPECT_EQ(state.lastClipFolder, "");
    EXPECT_EQ(sd1.InitialDir, "C");
}

TEST_F(Activation, ABareNameHasNoFolder) {
    WriteSettings("[files]\r\npatch=party.zbk\r\nclip=intro.avi\r\n");
    Activate();
    EXPECT_EQ(state.lastPatchFolder, "");
    EXPECT_EQ(state.lastClipFolder, "");
    EXPECT_EQ(state.rememberedClipPath, "intro.avi");
}

TEST_F(Activation, AFilesHeaderInOtherLetterCaseIsRead) {
    WriteSettings("[Files]\r\nPatch=" + (disk / "x.zbk") + "\r\n");
    Activate();
    EXPECT_EQ(state.lastPatchFolder, disk.Path());
}

TEST_F(Activation, WindowsPathsOfAnExistingFileAreFoundHere) {
    std::filesystem::create_directory(disk / "sets");
    test::WriteFile(disk / "sets/a.zbk", "");
    WriteSettings("[files]\r\npatch=" + disk.Path() + "\\sets\\a.zbk\r\n");
    Activate();
    EXPECT_EQ(sd1.FileName, disk.Path() + "\\sets\\a.zbk");
}

TEST(RememberLastPatch, WritesThePathUnchangedAndLeavesTheRestAlone) {
    test::TestSettings settings;
    test::WriteFile(settings.IniPath(),
                    "; Zembo's own\r\n[files]\r\nclip=c:\\a.avi\r\n[zembo]\r\nx=1\r\n");
    EditorSettings().RememberLastPatch("/shows/b.zbk");
    EXPECT_EQ(
        test::ReadFile(settings.IniPath()),
        "; Zembo's own\r\n[files]\r\nclip=c:\\a.avi\r\npatch=/shows/b.zbk\r\n[zembo]\r\nx=1\r\n");
    EditorSettings().RememberLastPatch("");
    TIniFile ini("zembo.ini");
    EXPECT_EQ(ini.ReadValue("files", "patch", "default"), "");
}

TEST(RememberLastPatch, AnUnwritableSettingsFileRaisesTheProfileErrorWithTheBareName) {
    test::TestSettings settings;
    test::WriteFile(settings.IniPath(), "[files]\r\n");
    chmod(settings.IniPath().c_str(), 0444);
    try {
        EditorSettings().RememberLastPatch("/x.zbk");
        FAIL();
    } catch (const EIniFileException& e) {
        EXPECT_STREQ(e.what(), "Unable to write to zembo.ini");
    }
}

}  // namespace
}  // namespace zembo
