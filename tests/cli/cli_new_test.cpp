// zembo-patch new: patches built from clips named on the command line, as the writer builds them.
#include <filesystem>

#include "tests/cli/cli_fixture.h"

namespace zembo {
namespace {

using test::Exists;
using test::ListFolder;
using test::ReadFile;
using test::WriteFile;
using Names = std::vector<std::string>;

class CliNew : public CliTest {
  protected:
    // clip1.avi, clip2.mov, clip3.avi, ... : every other clip plays through Video for Windows.
    static std::vector<std::string> Clips(int count) {
        std::vector<std::string> clips;
        for (int i = 1; i <= count; ++i) {
            clips.push_back("/media/clip" + std::to_string(i) + (i % 2 == 1 ? ".avi" : ".mov"));
        }
        return clips;
    }

    static std::vector<std::string> Args(std::vector<std::string> head,
                                         const std::vector<std::string>& clips) {
        head.insert(head.end(), clips.begin(), clips.end());
        return head;
    }

    // The file the writer makes for the clips first to first + count - 1 of Clips().
    static std::string PatchText(int first, int count) {
        std::string filenames;
        std::string systems;
        for (int k = 1; k <= count; ++k) {
            const int i = first + k - 1;
            const std::string slot = std::to_string(k);
            filenames +=
                slot + "=/media/clip" + std::to_string(i) + (i % 2 == 1 ? ".avi" : ".mov") + "\r\n";
            systems += slot + (i % 2 == 1 ? "=ssVFW\r\n" : "=ssDS\r\n");
        }
        return "[Version]\r\nZBK=Low1\r\n[Globals]\r\nLayering=1\r\nLoop=1\r\n[Filenames]\r\n" +
               filenames + "[SourceSystems]\r\n" + systems;
    }
};

TEST_F(CliNew, ClipsOfThisDiskAreMadeFullAndWindowsValuesStayAsTyped) {
    WriteFile(root / "a:b.avi", "AB");  // a Linux name, though it looks like a drive
    const auto made = Run({"new", "N.zbk", "D:\\clips\\loop.avi", "party_clips\\x.avi",
                           "clips/a.mpg", "/abs/b.avi", "a:b.avi", "sub/c\\d.avi"});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(ReadFile(root / "N.zbk"),
              "[Version]\r\nZBK=Low1\r\n[Globals]\r\nLayering=1\r\nLoop=1\r\n[Filenames]\r\n"
              "1=D:\\clips\\loop.avi\r\n2=party_clips\\x.avi\r\n3=" +
                  (root / "clips/a.mpg") + "\r\n4=/abs/b.avi\r\n5=" + (root / "a:b.avi") +
                  "\r\n6=" + (root / "sub/c\\d.avi") +
                  "\r\n[SourceSystems]\r\n1=ssVFW\r\n2=ssVFW\r\n3=ssDS\r\n4=ssVFW\r\n"
                  "5=ssVFW\r\n6=ssVFW\r\n");
}

TEST_F(CliNew, AForgottenOutOrOneThatIsAClipIsRefusedUnlessForced) {
    // `new ~/clips/*.avi` without OUT: the first clip would become the patch.
    const std::string video("RIFF\0\0\0\0AVI \n[x]\n", 17);
    WriteFile(root / "clip1.avi", video);
    WriteFile(root / "clip2.avi", "");
    ExpectOneLineError(
        Run({"new", "clip1.avi", "clip2.avi"}),
        {"\"" + (root / "clip1.avi") + "\"", "neither empty nor a patch", "--force"});
    ExpectOneLineError(Run({"new", "clip2.avi", "clip1.avi", "./clip2.avi"}),
                       {"\"" + (root / "clip2.avi") + "\" is CLIP 2", "--force"});
    // A follower counts as much as OUT: nothing is written, not even the first patch.
    WriteFile(root / "notes_2.txt", "my notes\n");
    ExpectOneLineError(Run(Args({"new", "notes.txt"}, Clips(17))),
                       {root / "notes_2.txt", "neither empty nor a patch"});
    EXPECT_FALSE(Exists(root / "notes.txt"));
    EXPECT_EQ(ReadFile(root / "clip1.avi"), video);
    EXPECT_EQ(ReadFile(root / "clip2.avi"), "");

    const auto forced = Run(Args({"new", "--force", "notes.txt"}, Clips(17)));
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_EQ(ReadFile(root / "notes_2.txt"), "my notes\n" + PatchText(17, 1));
}

TEST_F(CliNew, AClipValueThatCannotBeStoredStopsTheRunBeforeAnyWrite) {
    std::vector<std::string> clips = Clips(20);
    clips.push_back("/m/" + std::string(3000, 'x') + ".avi");
    ExpectOneLineError(Run(Args({"new", "Set.zbk"}, clips)),
                       {"CLIP 21 \"/m/xxx", "...\"", "longer than 2047 bytes", "nothing written"});
    ExpectOneLineError(Run({"new", "Set.zbk", "/m/a.avi", "/m/two\nlines.avi"}),
                       {"CLIP 2 \"/m/two\\nlines.avi\"", "line break"});
    EXPECT_TRUE(ListFolder(root.Path()).empty());
}

TEST_F(CliNew, FortyClipsGoIntoThreeNumberedPatches) {
    std::filesystem::create_directory(root / "show");
    const auto made = Run(Args({"new", "show/Set.zbk"}, Clips(40)));
    EXPECT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.err, "");
    EXPECT_EQ(made.out, (root / "show/Set.zbk") + "\n" + (root / "show/Set_2.zbk") + "\n" +
                            (root / "show/Set_3.zbk") + "\n");
    EXPECT_EQ(ListFolder(root / "show"), (Names{"Set.zbk", "Set_2.zbk", "Set_3.zbk"}));
    EXPECT_EQ(ReadFile(root / "show/Set.zbk"), PatchText(1, 16));
    EXPECT_EQ(ReadFile(root / "show/Set_2.zbk"), PatchText(17, 16));
    EXPECT_EQ(ReadFile(root / "show/Set_3.zbk"), PatchText(33, 8));
}

TEST_F(CliNew, RestrictedToFifteenClipsAPatch) {
    const auto result = Run(Args({"new", "--restrict-15", "Set.zbk"}, Clips(40)));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, (root / "Set.zbk") + "\n" + (root / "Set_2.zbk") + "\n" +
                              (root / "Set_3.zbk") + "\n");
    EXPECT_EQ(ReadFile(root / "Set.zbk"), PatchText(1, 15));
    EXPECT_EQ(ReadFile(root / "Set_2.zbk"), PatchText(16, 15));
    EXPECT_EQ(ReadFile(root / "Set_3.zbk"), PatchText(31, 10));
}

TEST_F(CliNew, TheTickFollowsTheAviRule) {
    const auto result = Run({"new", "t.zbk", "/m/a.avi", "/m/b.AVI", "/m/c.avi/d", "/m/e.mpg"});
    EXPECT_EQ(result.status, 0) << result.err;
    const std::string text = ReadFile(root / "t.zbk");
    EXPECT_NE(text.find("[SourceSystems]\r\n1=ssVFW\r\n2=ssDS\r\n3=ssDS\r\n4=ssDS\r\n"),
              std::string::npos)
        << text;
}

TEST_F(CliNew, RelativeClipsAreTakenFromTheCurrentFolder) {
    std::filesystem::create_directory(root / "clips");
    const auto result = RunIn(root / "clips", {"new", "../one.zbk", "./a.avi", "sub/b.mov"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, (root / "clips/../one.zbk") + "\n");
    const std::string text = ReadFile(root / "one.zbk");
    EXPECT_NE(
        text.find("1=" + (root / "clips/a.avi") + "\r\n2=" + (root / "clips/sub/b.mov") + "\r\n"),
        std::string::npos)
        << text;
}

TEST_F(CliNew, ANameWithoutExtensionGetsItsNumberAtTheEnd) {
    std::filesystem::create_directory(root / "my.shows");
    const auto result = Run(Args({"new", "my.shows/set"}, Clips(17)));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, (root / "my.shows/set") + "\n" + (root / "my.shows/set_2") + "\n");
    EXPECT_EQ(ReadFile(root / "my.shows/set_2"), PatchText(17, 1));
}

TEST_F(CliNew, AnExistingPatchIsWrittenOverInPlace) {
    WriteFile(root / "Set.zbk",
              "[Custom]\r\nFoo=bar\r\n[Filenames]\r\n1=old1.avi\r\n5=old5.avi\r\n"
              "[SourceSystems]\r\n1=ssDS\r\n");
    const auto result = Run({"new", "Set.zbk", "/m/a.avi", "/m/b.mov"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(ReadFile(root / "Set.zbk"),
              "[Custom]\r\nFoo=bar\r\n[Filenames]\r\n1=/m/a.avi\r\n5=old5.avi\r\n2=/m/b.mov\r\n"
              "[SourceSystems]\r\n1=ssVFW\r\n2=ssDS\r\n"
              "[Version]\r\nZBK=Low1\r\n[Globals]\r\nLayering=1\r\nLoop=1\r\n");
}

TEST_F(CliNew, AFailedWriteStopsTheRunWithTheProfileError) {
    std::filesystem::create_directory(root / "Set_2.zbk");  // no patch can be written there
    const auto result = Run(Args({"new", "Set.zbk"}, Clips(40)));
    EXPECT_EQ(result.status, 2);
    // The patch written before the failure is whole, and the only one listed.
    EXPECT_EQ(result.out, (root / "Set.zbk") + "\n");
    EXPECT_EQ(result.err, "zembo-patch: Unable to write to " + (root / "Set_2.zbk") + "\n");
    EXPECT_EQ(ReadFile(root / "Set.zbk"), PatchText(1, 16));
    EXPECT_FALSE(Exists(root / "Set_3.zbk"));
}

TEST_F(CliNew, AFolderThatIsNotThereIsTheProfileError) {
    const auto result = Run(Args({"new", "show/Set.zbk"}, Clips(3)));
    ExpectOneLineError(result, {"Unable to write to " + (root / "show/Set.zbk")});
    EXPECT_FALSE(Exists(root / "show"));
}

}  // namespace
}  // namespace zembo
