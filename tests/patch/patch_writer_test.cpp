// Saving the clip list as patch files through scripted save dialogs.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "patch/ini_file.h"
#include "patch/patch_editor.h"
#include "patch/patch_format.h"
#include "tests/support/editor_fixture.h"

namespace zembo {
namespace {

class Writer : public testing::Test, public test::EditorFixture {
  protected:
    void AddClips(int n) {
        for (int i = 1; i <= n; ++i) {
            editor.clips.AddClip("/clips/c" + std::to_string(i) + (i % 3 == 0 ? ".mpg" : ".avi"));
        }
    }
    std::string Slot(const std::string& file, const std::string& section, int slot) {
        TIniFile ini(file);
        return ini.ReadValue(section, zbk::SlotKey(slot), "<none>");
    }
    int SlotCount(const std::string& file) {
        int n = 0;
        while (n < 20 && Slot(file, zbk::kFilenamesSection, n + 1) != "<none>") {
            ++n;
        }
        return n;
    }
};

TEST_F(Writer, AnEmptyListShowsNoDialogAndTouchesNothing) {
    editor.WritePatches();
    EXPECT_TRUE(chooser.opened.empty());
    EXPECT_FALSE(test::Exists(settings.IniPath()));
}

TEST_F(Writer, AFileWrittenFromScratchHasTheExactLayout) {
    editor.clips.AddClip("/clips/intro.avi");
    editor.clips.AddClip("/clips/Loop.MPG");
    editor.clips.AddClip("/clips/outro.AVI");
    chooser.Confirm(dir / "three.zbk");
    editor.WritePatches();
    EXPECT_EQ(test::ReadFile(dir / "three.zbk"),
              test::ReadFile(std::string(ZEMBO_TEST_DATA) + "/patch/three_clips.zbk"));
}

TEST_F(Writer, SixteenEntriesMakeOneFile) {
    AddClips(16);
    chooser.Confirm(dir / "a.zbk");
    editor.WritePatches();
    EXPECT_EQ(chooser.opened.size(), 1u);
    EXPECT_EQ(SlotCount(dir / "a.zbk"), 16);
    EXPECT_EQ(Slot(dir / "a.zbk", zbk::kFilenamesSection, 16), "/clips/c16.avi");
}

TEST_F(Writer, RestrictedToFifteenSixteenEntriesMakeTwoFiles) {
    AddClips(16);
    EXPECT_TRUE(editor.ToggleRestrictTo15());
    chooser.Confirm(dir / "a.zbk").Confirm(dir / "b.zbk");
    editor.WritePatches();
    EXPECT_EQ(SlotCount(dir / "a.zbk"), 15);
    EXPECT_EQ(SlotCount(dir / "b.zbk"), 1);
    EXPECT_EQ(Slot(dir / "b.zbk", zbk::kFilenamesSection, 1), "/clips/c16.avi");
    EXPECT_FALSE(editor.ToggleRestrictTo15());
}

TEST_F(Writer, FortyEntriesMakeChunksOf16And16And8AndEachDialogOpensOnTheLastName) {
    AddClips(40);
    editor.SD1.FileName = dir / "start.zbk";
    chooser.Confirm(dir / "a.zbk").Confirm(dir / "b.zbk").Confirm(dir / "c.zbk");
    editor.WritePatches();
    ASSERT_EQ(chooser.opened.size(), 3u);
    EXPECT_EQ(chooser.opened[0].fileName, dir / "start.zbk");
    EXPECT_EQ(chooser.opened[1].fileName, dir / "a.zbk");
    EXPECT_EQ(chooser.opened[2].fileName, dir / "b.zbk");
    EXPECT_EQ(chooser.opened[0].kind, FileDialogKind::kSave);
    EXPECT_EQ(chooser.opened[0].defaultExt, "zbk");
    EXPECT_EQ(chooser.opened[0].filter, "Zembo patch files|*.zbk");
    EXPECT_TRUE(chooser.opened[0].overwritePrompt);
    EXPECT_EQ(SlotCount(dir / "a.zbk"), 16);
    EXPECT_EQ(SlotCount(dir / "b.zbk"), 16);
    EXPECT_EQ(SlotCount(dir / "c.zbk"), 8);
    EXPECT_EQ(Slot(dir / "b.zbk", zbk::kFilenamesSection, 1), "/clips/c17.avi");
    EXPECT_EQ(Slot(dir / "c.zbk", zbk::kFilenamesSection, 8), "/clips/c40.avi");
    EXPECT_EQ(Slot(dir / "c.zbk", zbk::kSourceSystemsSection, 7), "ssDS");  // c39.mpg
    EXPECT_EQ(Slot(dir / "c.zbk", zbk::kSourceSystemsSection, 8), "ssVFW");
    EXPECT_EQ(LastPatch(), dir / "c.zbk");
    EXPECT_EQ(editor.clips.Count(), 40);
}

TEST_F(Writer, ACancelledChunkIsWrittenNowhere) {
    AddClips(17);
    chooser.Cancel().Confirm(dir / "b.zbk");
    editor.WritePatches();
    EXPECT_EQ(SlotCount(dir / "b.zbk"), 1);
    EXPECT_EQ(Slot(dir / "b.zbk", zbk::kFilenamesSection, 1), "/clips/c17.avi");
    EXPECT_EQ(LastPatch(), dir / "b.zbk");
}

TEST_F(Writer, ALaterCancelLeavesTheLastConfirmedNameAsTheLastPatch) {
    AddClips(20);
    chooser.Confirm(dir / "a.zbk").Cancel();
    editor.WritePatches();
    EXPECT_EQ(LastPatch(), dir / "a.zbk");
}

TEST_F(Writer, EveryDialogCancelledStillRecordsTheUnchangedName) {
    AddClips(20);
    editor.SD1.FileName = "/before.zbk";
    chooser.Cancel().Cancel();
    editor.WritePatches();
    EXPECT_EQ(LastPatch(), "/before.zbk");
    EXPECT_EQ(test::ListFolder(dir.Path()), std::vector<std::string>{});

    editor.SD1.FileName = "";
    chooser.Cancel().Cancel();
    editor.WritePatches();
    EXPECT_EQ(LastPatch(), "");
}

TEST_F(Writer, WritingOverA16SlotPatchKeepsItsHigherSlotsAndOtherSections) {
    {
        TIniFile old(dir / "old.zbk");
        for (int k = 1; k <= 16; ++k) {
            old.WriteValue(zbk::kFilenamesSection, zbk::SlotKey(k), "/old/o" + std::to_string(k));
            old.WriteValue(zbk::kSourceSystemsSection, zbk::SlotKey(k), "ssDS");
        }
        old.WriteValue(zbk::kStencilFilenamesSection, "2", "/old/mask.bmp");
    }
    editor.clips.AddClip("/new/a.avi");
    editor.clips.AddClip("/new/b.avi");
    editor.clips.AddClip("/new/c.avi");
    chooser.Confirm(dir / "old.zbk");
    editor.WritePatches();
    EXPECT_EQ(Slot(dir / "old.zbk", zbk::kFilenamesSection, 3), "/new/c.avi");
    EXPECT_EQ(Slot(dir / "old.zbk", zbk::kSourceSystemsSection, 3), "ssVFW");
    EXPECT_EQ(Slot(dir / "old.zbk", zbk::kFilenamesSection, 4), "/old/o4");
    EXPECT_EQ(Slot(dir / "old.zbk", zbk::kSourceSystemsSection, 16), "ssDS");
    EXPECT_EQ(Slot(dir / "old.zbk", zbk::kStencilFilenamesSection, 2), "/old/mask.bmp");
}

TEST_F(Writer, TheSameNameForTwoChunksLetsTheSecondReplaceTheFirstsLowSlots) {
    AddClips(20);
    chooser.Confirm(dir / "a.zbk").Confirm(dir / "a.zbk");
    editor.WritePatches();
    EXPECT_EQ(Slot(dir / "a.zbk", zbk::kFilenamesSection, 1), "/clips/c17.avi");
    EXPECT_EQ(Slot(dir / "a.zbk", zbk::kFilenamesSection, 5), "/clips/c5.avi");
}

TEST_F(Writer, AFailedWriteEndsTheRunAndRecordsNothing) {
    AddClips(40);
    std::filesystem::create_directory(dir / "ro");
    test::WriteFile(dir / "ro/locked.zbk", "[Version]\r\nZBK=Low1\r\n");
    chmod((dir / "ro/locked.zbk").c_str(), 0444);
    test::WriteFile(settings.IniPath(), "[files]\r\npatch=/earlier.zbk\r\n");
    chooser.Confirm(dir / "a.zbk").Confirm(dir / "ro/locked.zbk").Confirm(dir / "c.zbk");
    try {
        editor.WritePatches();
        FAIL() << "the run went on";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + (dir / "ro/locked.zbk"));
    }
    EXPECT_EQ(chooser.opened.size(), 2u);  // the third chunk is never offered
    EXPECT_EQ(SlotCount(dir / "a.zbk"), 16);
    EXPECT_EQ(test::ReadFile(dir / "ro/locked.zbk"), "[Version]\r\nZBK=Low1\r\n");
    EXPECT_FALSE(test::Exists(dir / "c.zbk"));
    EXPECT_EQ(LastPatch(), "/earlier.zbk");
}

TEST_F(Writer, TheWriterRunsThroughTheSettingsItIsGiven) {
    ReadOnlySettings untouched;
    PatchEditor quiet({chooser, feedback, untouched, platform::Disk()});
    quiet.clips.AddClip("/a.avi");
    chooser.Confirm(dir / "a.zbk");
    quiet.WritePatches();
    EXPECT_TRUE(test::Exists(dir / "a.zbk"));
    EXPECT_FALSE(test::Exists(settings.IniPath()));
}

}  // namespace
}  // namespace zembo
