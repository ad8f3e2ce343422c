// zembo-patch package: the self-contained packager run from the command line, end to end.

#include <filesystem>

#include "tests/cli/cli_fixture.h"

namespace zembo {
namespace {

using test::Exists;
using test::ListFolder;
using test::ReadFile;
using test::WriteFile;
using Names = std::vector<std::string>;

class CliPackage : public CliTest {
  protected:
    CliPackage() {
        std::filesystem::create_directories(root / "src/sub");
        std::filesystem::create_directories(root / "media");
        std::filesystem::create_directories(root / "out");
    }

    std::string SourceText() const {
        return "[Version]\r\nZBK=Low1\r\n"
               "[Filenames]\r\n"
               "1=" +
               (root / "media/intro.avi") +
               "\r\n"
               "2=beside.avi\r\n"
               "3=end\r\n"
               "4=sub\\rel.avi\r\n"
               "[SourceSystems]\r\n1=ssDS\r\n2=ssVFW\r\n"
               "[StencilFilenames]\r\n"
               "1=" +
               (root / "media/mask.bmp") + "\r\n";
    }

    // Every clip and matte the source names is there.
    void MakeSourceTree() {
        WriteFile(root / "src/Old.zbk", SourceText());
        WriteFile(root / "media/intro.avi", "INTRO");
        WriteFile(root / "src/beside.avi", "BESIDE");
        WriteFile(root / "src/sub/rel.avi", "REL");
        WriteFile(root / "media/mask.bmp", "MASK");
    }

    std::string Statuses() const {
        return "Copying Clip: intro.avi\n"
               "Copying Alpha Matte: mask.bmp\n"
               "Copying Clip: beside.avi\n"
               "Copying Clip: rel.avi\n"
               "Done\n";
    }
};

TEST_F(CliPackage, RelativeValuesEveryFileCopied) {
    MakeSourceTree();
    const auto result = RunIn(root / "out", {"package", "../src/Old.zbk", "Set.zbk"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, Statuses());

    EXPECT_EQ(ReadFile(root / "out/Set.zbk"),
              "[Version]\r\nZBK=Low1\r\n"
              "[Filenames]\r\n1=Set_clips\\intro.avi\r\n2=Set_clips\\beside.avi\r\n3=end\r\n"
              "4=Set_clips\\rel.avi\r\n"
              "[SourceSystems]\r\n1=ssDS\r\n2=ssVFW\r\n"
              "[StencilFilenames]\r\n1=Set_mattes\\mask.bmp\r\n");
    EXPECT_EQ(ListFolder(root / "out"), (Names{"Set.zbk", "Set_clips", "Set_mattes"}));
    EXPECT_EQ(ListFolder(root / "out/Set_clips"), (Names{"beside.avi", "intro.avi", "rel.avi"}));
    EXPECT_EQ(ReadFile(root / "out/Set_clips/rel.avi"), "REL");
    EXPECT_EQ(ReadFile(root / "out/Set_mattes/mask.bmp"), "MASK");
    EXPECT_EQ(ReadFile(root / "src/Old.zbk"), SourceText());
}

// Names that are ordinary here: ":" and "\" in the new patch's name and in the clips' names,
// and a relative clip for which a file of the current folder must not stand in.
TEST_F(CliPackage, LinuxNamesPackageIntoCopiesThatCheckFindsEveryOne) {
    WriteFile(root / "media/a:b.avi", "AB");
    WriteFile(root / "src/back\\slash.avi", "BACKSLASH");
    WriteFile(root / "src/intro.avi", "BESIDE");
    WriteFile(root / "out/intro.avi", "DECOY");
    WriteFile(root / "src/show.zbk", "[Filenames]\r\n1=" + (root / "media/a:b.avi") +
                                         "\r\n2=back\\slash.avi\r\n3=intro.avi\r\n");
    const auto packaged = RunIn(root / "out", {"package", "../src/show.zbk", "show 10:30.zbk"});
    ASSERT_EQ(packaged.status, 0) << packaged.out << packaged.err;

    const std::string clips = root / "out/show 10:30_clips";
    EXPECT_EQ(ListFolder(clips), (Names{"a_b.avi", "back_slash.avi", "intro.avi"}));
    EXPECT_EQ(ReadFile(clips + "/back_slash.avi"), "BACKSLASH");
    EXPECT_EQ(ReadFile(clips + "/intro.avi"), "BESIDE");
    EXPECT_EQ(ReadFile(root / "out/show 10:30.zbk"),
              "[Filenames]\r\n1=show 10:30_clips\\a_b.avi\r\n"
              "2=show 10:30_clips\\back_slash.avi\r\n3=show 10:30_clips\\intro.avi\r\n");

    const auto checked = Run({"check", "out/show 10:30.zbk"});
    EXPECT_EQ(checked.status, 0) << checked.out;
    const std::vector<std::string> lines = test::Lines(checked.out);
    EXPECT_EQ(lines.size(), 3u);
    for (const std::string& line : lines) {
        EXPECT_EQ(line.rfind("ok\t", 0), 0u) << line;
    }
}

TEST_F(CliPackage, AbsoluteValuesNameTheCopiesByFullPath) {
    MakeSourceTree();
    const auto result = Run({"package", "src/Old.zbk", "out/Set.zbk", "--absolute"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, Statuses());
    const std::string text = ReadFile(root / "out/Set.zbk");
    for (const std::string& line :
         {"1=" + (root / "out/Set_clips/intro.avi"), "2=" + (root / "out/Set_clips/beside.avi"),
          "4=" + (root / "out/Set_clips/rel.avi"), "1=" + (root / "out/Set_mattes/mask.bmp")}) {
        EXPECT_NE(text.find(line + "\r\n"), std::string::npos) << line << " not in " << text;
    }
    EXPECT_EQ(ReadFile(root / "out/Set_clips/intro.avi"), "INTRO");
}

TEST_F(CliPackage, AClipFoundNowhereEndsInTheCopyReport) {
    MakeSourceTree();
    std::filesystem::remove(root / "src/beside.avi");
    const auto result = Run({"package", "src/Old.zbk", "out/Set.zbk"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "");
    // The report as the editor's box shows it: the entry for a file found nowhere runs on into
    // the entry for its failed copy.
    const std::string gone = root / "src/beside.avi";
    EXPECT_EQ(result.out, Statuses() + "Copy Error:\n" + "Couldn't find relative clip: " + gone +
                              "Could not copy " + gone + "\n");
    EXPECT_EQ(ListFolder(root / "out/Set_clips"), (Names{"intro.avi", "rel.avi"}));
    EXPECT_NE(ReadFile(root / "out/Set.zbk").find("2=Set_clips\\beside.avi\r\n"),
              std::string::npos);
}

TEST_F(CliPackage, TheSourceChosenAsTheNewPatchIsAnInternalError) {
    MakeSourceTree();
    const auto result = Run({"package", "src/Old.zbk", root / "src/Old.zbk"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "Done\n");
    EXPECT_EQ(result.err,
              "zembo-patch: Internal Error: Source and destination are the same file\n");
    EXPECT_EQ(ReadFile(root / "src/Old.zbk"), SourceText());
    EXPECT_EQ(ListFolder(root / "src"), (Names{"Old.zbk", "beside.avi", "sub"}));
}

TEST_F(CliPackage, ANewPatchInAFolderThatIsNotThereIsAnInternalError) {
    MakeSourceTree();
    const auto result = Run({"package", "src/Old.zbk", "nowhere/Set.zbk"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "Done\n");
    EXPECT_EQ(result.err, "zembo-patch: Internal Error: No such file or directory\n");
    EXPECT_FALSE(Exists(root / "nowhere"));
}

TEST_F(CliPackage, AFailedWriteIntoTheNewPatchIsTheProfileError) {
    MakeSourceTree();
    // Room for the copy of the patch, not for its first full path, which is longer.
    test::ScopedFileSizeLimit diskFull(SourceText().size() + 1);
    const auto result = Run({"package", "src/Old.zbk", "out/Set.zbk", "--absolute"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "Copying Clip: intro.avi\n");
    EXPECT_EQ(result.err, "zembo-patch: Unable to write to " + (root / "out/Set.zbk") + "\n");
}

}  // namespace
}  // namespace zembo
