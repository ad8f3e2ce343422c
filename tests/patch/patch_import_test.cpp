// Importing the clips of a patch: reverse slot order, markers, unticked entries.
#include <gtest/gtest.h>

#include "patch/patch_editor.h"
#include "patch/patch_import.h"
#include "tests/support/editor_fixture.h"

namespace zembo {
namespace {

class Import : public testing::Test, public test::EditorFixture {
  protected:
    std::vector<std::string> Paths() const {
        std::vector<std::string> out;
        for (int i = 0; i < editor.clips.Count(); ++i) {
            out.push_back(editor.clips.PathAt(i));
        }
        return out;
    }
    using Paths_ = std::vector<std::string>;
};

TEST_F(Import, ClipsArriveFromTheHighestSlotDownAfterTheListsOwn) {
    test::WriteFile(dir / "p.zbk",
                    "[Filenames]\r\n1=A\r\n2=B\r\n3=C\r\n[SourceSystems]\r\n1=ssDS\r\n");
    editor.clips.AddClip("/mine.mpg");
    chooser.Confirm(dir / "p.zbk");
    editor.ImportPatch();
    EXPECT_EQ(Paths(), (Paths_{"/mine.mpg", "C", "B", "A"}));
    EXPECT_TRUE(editor.clips.IsTicked(0));
    for (int i = 1; i < 4; ++i) {
        EXPECT_FALSE(editor.clips.IsTicked(i)) << "imported clips come in unticked";
    }
    EXPECT_EQ(chooser.opened.at(0).kind, FileDialogKind::kOpen);
    EXPECT_EQ(chooser.opened.at(0).filter, "");
}

TEST_F(Import, GapsAndMarkersAreSkippedAndValuesTakenAsStored) {
    test::WriteFile(dir / "p.zbk",
                    "[Filenames]\r\n2=party_clips\\two.avi\r\n3=end\r\n4=END\r\n5=\r\n"
                    "16=/abs/sixteen.mov\r\n17=/never.avi\r\n01=/never2.avi\r\n");
    chooser.Confirm(dir / "p.zbk");
    editor.ImportPatch();
    EXPECT_EQ(Paths(), (Paths_{"/abs/sixteen.mov", "END", "party_clips\\two.avi"}));
}

TEST_F(Import, ImportingTwiceAppendsTwice) {
    test::WriteFile(dir / "p.zbk", "[Filenames]\r\n1=A\r\n");
    chooser.Confirm(dir / "p.zbk").Confirm(dir / "p.zbk");
    editor.ImportPatch();
    editor.ImportPatch();
    EXPECT_EQ(Paths(), (Paths_{"A", "A"}));
    EXPECT_EQ(chooser.opened.at(1).fileName, dir / "p.zbk");
}

TEST_F(Import, CancelOrAMissingFileAddsNothing) {
    chooser.Cancel().Confirm(dir / "nothing-here.zbk");
    editor.ImportPatch();
    editor.ImportPatch();
    EXPECT_EQ(editor.clips.Count(), 0);
    EXPECT_FALSE(test::Exists(dir / "nothing-here.zbk"));
}

TEST_F(Import, AFull16SlotPatchInto5EntriesSavesAsTwoFiles) {
    std::string text = "[Filenames]\r\n";
    for (int k = 1; k <= 16; ++k) {
        text += std::to_string(k) + "=/c/" + std::to_string(k) + ".avi\r\n";
    }
    test::WriteFile(dir / "full.zbk", text);
    for (int i = 0; i < 5; ++i) {
        editor.clips.AddClip("/mine" + std::to_string(i) + ".avi");
    }
    chooser.Confirm(dir / "full.zbk").Confirm(dir / "a.zbk").Confirm(dir / "b.zbk");
    editor.ImportPatch();
    EXPECT_EQ(editor.clips.Count(), 21);
    editor.WritePatches();
    EXPECT_EQ(chooser.opened.size(), 3u);
    EXPECT_TRUE(test::Exists(dir / "b.zbk"));
}

TEST_F(Import, AFullListStopsTheImportAtThatClip) {
    ClipList small(2);
    test::WriteFile(dir / "p.zbk", "[Filenames]\r\n1=A\r\n2=B\r\n3=C\r\n");
    TFileDialog od1 = TFileDialog::OpenDialog();
    chooser.Confirm(dir / "p.zbk");
    EXPECT_THROW(AddFromZBK(od1, chooser, small), EClipListError);
    ASSERT_EQ(small.Count(), 2);
    EXPECT_EQ(small.PathAt(0), "C");
    EXPECT_EQ(small.PathAt(1), "B");
}

}  // namespace
}  // namespace zembo
