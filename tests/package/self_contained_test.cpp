// Saving self-contained, end to end in a temporary tree, with scripted dialogs and no waiting.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "package/self_contained.h"
#include "patch/ini_file.h"
#include "patch/path_rules.h"
#include "tests/support/editor_fixture.h"

namespace zembo {
namespace {

using test::Exists;
using test::ListFolder;
using test::ReadFile;
using test::WriteFile;
using Names = std::vector<std::string>;

class Packaging : public testing::Test, public test::EditorFixture {
  protected:
    Packaging() {
        std::filesystem::create_directories(root / "src/sub");
        std::filesystem::create_directories(root / "media");
        std::filesystem::create_directories(root / "out");
    }

    // A source patch with every kind of slot.
    std::string SourceText() const {
        return "[Version]\r\nZBK=Low1\r\n[Globals]\r\nLayering=1\r\nLoop=1\r\n"
               "[Filenames]\r\n"
               "1=" +
               (root / "media/intro.avi") +
               "\r\n"                     // at its stored path
               "2=beside.avi\r\n"         // beside the source patch
               "3=end\r\n"                // empty
               "4=END\r\n"                // a clip called END, found nowhere
               "5=\r\n"                   // empty
               "6=\r\n"                   // empty, with a matte
               "7=sub\\rel.avi\r\n"       // relative, written on Windows
               "8=/nowhere/gone.avi\r\n"  // found nowhere
               "9=" +
               (root / "media/b.avi") +
               "\r\n"  // with a matte found nowhere
               "[SourceSystems]\r\n1=ssDS\r\n2=ssVFW\r\n"
               "[StencilFilenames]\r\n"
               "1=" +
               (root / "media/mask.bmp") +
               "\r\n"
               "6=" +
               (root / "media/mask6.bmp") +
               "\r\n"
               "9=nomatte.bmp\r\n"
               "[Custom]\r\nFoo=bar\r\n";
    }

    void MakeSourceTree() {
        WriteFile(root / "src/Old.zbk", SourceText());
        WriteFile(root / "media/intro.avi", "INTRO");
        WriteFile(root / "src/beside.avi", "BESIDE");
        WriteFile(root / "src/sub/rel.avi", "REL");
        WriteFile(root / "media/b.avi", "B");
        WriteFile(root / "media/mask.bmp", "MASK");
        WriteFile(root / "media/mask6.bmp", "MASK6");
        timespec times[2] = {{1500000000, 0}, {1500000000, 0}};
        utimensat(AT_FDCWD, (root / "media/intro.avi").c_str(), times, 0);
    }

    PackagingResult Run(bool relative) {
        SelfContainedPackager packager(editor.Services(), editor.OD1, editor.SD1, editor.state);
        return packager.ChooseAndPackage(relative);
    }

    std::string Value(const std::string& file, const std::string& section, const std::string& key) {
        TIniFile ini(file);
        return ini.ReadValue(section, key, "<none>");
    }

    std::vector<std::string> Statuses() const {
        std::vector<std::string> out;
        for (const auto& e : feedback.events) {
            if (e.rfind("status:", 0) == 0) {
                out.push_back(e.substr(7));
            }
        }
        return out;
    }

    const test::TempDir& root = dir;
};

TEST_F(Packaging, EveryKindOfSlotWithRelativeValues) {
    MakeSourceTree();
    chmod((root / "src/Old.zbk").c_str(), 0444);  // from a disc: the new patch is still writable
    editor.state.lastPatchFolder = root / "elsewhere";
    editor.state.lastClipFolder = root / "clipsdir/";
    chooser.Confirm(root / "src/Old.zbk").Confirm(root / "out/Set.zbk");

    PackagingResult result = Run(true);

    // The dialogs: OD1 in the last patch folder, SD1 on the source patch in the last clip folder.
    ASSERT_EQ(chooser.opened.size(), 2u);
    EXPECT_EQ(chooser.opened[0].initialDir, root / "elsewhere");
    EXPECT_EQ(chooser.opened[1].fileName, root / "src/Old.zbk");
    EXPECT_EQ(chooser.opened[1].initialDir, root / "clipsdir/");
    EXPECT_EQ(chooser.opened[1].kind, FileDialogKind::kSave);

    // The new patch: the source's text with the slots that were copied rewritten in place.
    const std::string expected =
        "[Version]\r\nZBK=Low1\r\n[Globals]\r\nLayering=1\r\nLoop=1\r\n"
        "[Filenames]\r\n1=Set_clips\\intro.avi\r\n2=Set_clips\\beside.avi\r\n3=end\r\n"
        "4=Set_clips\\END\r\n5=\r\n6=\r\n7=Set_clips\\rel.avi\r\n8=Set_clips\\gone.avi\r\n"
        "9=Set_clips\\b.avi\r\n"
        "[SourceSystems]\r\n1=ssDS\r\n2=ssVFW\r\n"
        "[StencilFilenames]\r\n1=Set_mattes\\mask.bmp\r\n6=" +
        (root / "media/mask6.bmp") + "\r\n9=nomatte.bmp\r\n[Custom]\r\nFoo=bar\r\n";
    EXPECT_EQ(ReadFile(root / "out/Set.zbk"), expected);

    // The copies, and nothing else.
    EXPECT_EQ(ListFolder(root / "out"), (Names{"Set.zbk", "Set_clips", "Set_mattes"}));
    EXPECT_EQ(ListFolder(root / "out/Set_clips"),
              (Names{"b.avi", "beside.avi", "intro.avi", "rel.avi"}));
    EXPECT_EQ(ListFolder(root / "out/Set_mattes"), Names{"mask.bmp"});
    EXPECT_EQ(ReadFile(root / "out/Set_clips/intro.avi"), "INTRO");
    EXPECT_EQ(ReadFile(root / "out/Set_clips/rel.avi"), "REL");
    EXPECT_EQ(ReadFile(root / "out/Set_mattes/mask.bmp"), "MASK");
    struct stat st {};
    stat((root / "out/Set_clips/intro.avi").c_str(), &st);
    EXPECT_EQ(st.st_mtim.tv_sec, 1500000000);
    stat((root / "out/Set.zbk").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0644u);

    // The report, in slot order; entries for files found nowhere run on into the next.
    const std::string src = root / "src";
    const std::string report = "Couldn't find relative clip: " + src + "/END" + "Could not copy " +
                               src + "/END\r\n" + "Couldn't find relative clip: /nowhere/gone.avi" +
                               "Could not copy /nowhere/gone.avi\r\n" +
                               "Couldn't find relative alpha matte: " + src + "/nomatte.bmp";
    EXPECT_EQ(result.copyReport, report);
    EXPECT_EQ(result.outcome, PackagingResult::Outcome::kCompleted);
    EXPECT_EQ(feedback.Boxes(),
              (Names{"info:Now please choose where the Self Contained ZBK is going to be saved.",
                     "box:Copy Error|" + report}));

    EXPECT_EQ(Statuses(),
              (Names{"Copying Clip: intro.avi", "Copying Alpha Matte: mask.bmp",
                     "Copying Clip: beside.avi", "Copying Clip: END", "Copying Clip: rel.avi",
                     "Copying Clip: gone.avi", "Copying Clip: b.avi", "Done"}));
    // A repaint and the pause at the top of every one of the 16 slots.
    EXPECT_EQ(feedback.pauses, 16);
    EXPECT_EQ(feedback.totalPauseMs, 16 * 400);
    EXPECT_EQ(feedback.events.front(),
              "info:Now please choose where the Self Contained ZBK is going to be saved.");
    EXPECT_EQ(feedback.events[1], "repaint");
    EXPECT_EQ(feedback.events[2], "pause:400");

    // The window state and the settings afterwards.
    EXPECT_EQ(editor.state.lastPatchFolder, root / "src");
    EXPECT_EQ(editor.state.lastClipFolder, root / "out/Set_clips/");
    EXPECT_EQ(editor.SD1.FileName, root / "out/Set.zbk");
    EXPECT_EQ(LastPatch(), root / "out/Set.zbk");
    // Nothing of the source changed.
    EXPECT_EQ(ReadFile(root / "src/Old.zbk"), SourceText());
    EXPECT_EQ(ReadFile(root / "media/intro.avi"), "INTRO");
}

TEST_F(Packaging, AbsoluteValuesNameTheCopiesByFullPath) {
    MakeSourceTree();
    chooser.Confirm(root / "src/Old.zbk").Confirm(root / "out/Set.zbk");
    Run(false);
    const std::string out = root / "out/Set.zbk";
    EXPECT_EQ(Value(out, "Filenames", "1"), root / "out/Set_clips/intro.avi");
    EXPECT_EQ(Value(out, "Filenames", "7"), root / "out/Set_clips/rel.avi");
    EXPECT_EQ(Value(out, "Filenames", "8"), root / "out/Set_clips/gone.avi");
    EXPECT_EQ(Value(out, "StencilFilenames", "1"), root / "out/Set_mattes/mask.bmp");
    EXPECT_EQ(Value(out, "StencilFilenames", "9"), "nomatte.bmp");
    EXPECT_EQ(ReadFile(root / "out/Set_clips/beside.avi"), "BESIDE");
}

TEST_F(Packaging, APatchWithoutClipsIsCopiedAsItIsWithAnEmptyClipsFolder) {
    WriteFile(root / "src/Empty.zbk", "[Version]\r\nZBK=Low1\r\n");
    chooser.Confirm(root / "src/Empty.zbk").Confirm(root / "out/live.txt");
    PackagingResult result = Run(true);
    EXPECT_EQ(ReadFile(root / "out/live.txt"), "[Version]\r\nZBK=Low1\r\n");
    EXPECT_EQ(ListFolder(root / "out"), (Names{"live.txt", "live.txt_clips"}));
    EXPECT_TRUE(ListFolder(root / "out/live.txt_clips").empty());
    EXPECT_EQ(result.copyReport, "");
    EXPECT_EQ(feedback.Boxes().size(), 1u);  // the information only, no "Copy Error"
    EXPECT_EQ(feedback.pauses, 16);
    EXPECT_EQ(editor.state.lastClipFolder, root / "out/live.txt_clips/");
    EXPECT_EQ(LastPatch(), root / "out/live.txt");
}

TEST_F(Packaging, AnUpperCaseExtensionIsCutToo) {
    WriteFile(root / "src/a.zbk", "[Filenames]\r\n1=" + (root / "media/x.avi") + "\r\n");
    WriteFile(root / "media/x.avi", "X");
    chooser.Confirm(root / "src/a.zbk").Confirm(root / "out/Set.ZBK");
    Run(true);
    EXPECT_EQ(Value(root / "out/Set.ZBK", "Filenames", "1"), "Set_clips\\x.avi");
    EXPECT_EQ(ReadFile(root / "out/Set_clips/x.avi"), "X");
}

TEST_F(Packaging, AnExistingClipsFolderIsUsedAndSameNamedFilesReplaced) {
    WriteFile(root / "src/a.zbk", "[Filenames]\r\n1=" + (root / "media/x.avi") + "\r\n");
    WriteFile(root / "media/x.avi", "NEW");
    std::filesystem::create_directory(root / "out/Set_clips");
    WriteFile(root / "out/Set_clips/x.avi", "OLD");
    const timespec older[2] = {{1500000000, 0}, {1500000000, 0}};
    utimensat(AT_FDCWD, (root / "out/Set_clips/x.avi").c_str(), older, 0);
    WriteFile(root / "out/Set_clips/other.avi", "OTHER");
    chooser.Confirm(root / "src/a.zbk").Confirm(root / "out/Set.zbk");
    Run(true);
    EXPECT_EQ(ReadFile(root / "out/Set_clips/x.avi"), "NEW");
    EXPECT_EQ(ReadFile(root / "out/Set_clips/other.avi"), "OTHER");
}

TEST_F(Packaging, CancellingTheOpenDialogChangesNothing) {
    editor.state.lastPatchFolder = "/p";
    chooser.Cancel();
    PackagingResult result = Run(true);
    EXPECT_EQ(result.outcome, PackagingResult::Outcome::kCancelled);
    EXPECT_TRUE(feedback.events.empty());
    EXPECT_EQ(editor.state.lastPatchFolder, "/p");
}

TEST_F(Packaging, CancellingTheSaveDialogStillSaysDone) {
    MakeSourceTree();
    chooser.Confirm(root / "src/Old.zbk").Cancel();
    Run(true);
    EXPECT_EQ(Statuses(), Names{"Done"});
    EXPECT_EQ(editor.state.lastPatchFolder, root / "src");
    EXPECT_EQ(editor.SD1.FileName, root / "src/Old.zbk");
    EXPECT_TRUE(ListFolder(root / "out").empty());
    EXPECT_FALSE(Exists(settings.IniPath()));
}

TEST_F(Packaging, AMissingSourcePatchIsAnInternalError) {
    chooser.Confirm(root / "src/typed-but-missing.zbk").Confirm(root / "out/Set.zbk");
    PackagingResult result = Run(true);
    EXPECT_EQ(result.outcome, PackagingResult::Outcome::kInternalError);
    EXPECT_EQ(feedback.Boxes().back(), "box:Internal Error|No such file or directory");
    EXPECT_EQ(Statuses(), Names{"Done"});
    EXPECT_TRUE(ListFolder(root / "out").empty());
    EXPECT_FALSE(Exists(settings.IniPath()));
    EXPECT_EQ(feedback.pauses, 0);
}

// A copy that claims success but leaves nothing behind.
class VanishingCopy : public platform::DiskFileServices {
  public:
    bool CopyFile(const std::string&, const std::string&, const CopyProgress&) override {
        return true;
    }
};

TEST_F(Packaging, NoZbkThereAfterTheCopyIsAnInternalError) {
    MakeSourceTree();
    VanishingCopy files;
    chooser.Confirm(root / "src/Old.zbk").Confirm(root / "out/Set.zbk");
    SelfContainedPackager packager({chooser, feedback, editorSettings, files}, editor.OD1,
                                   editor.SD1, editor.state);
    packager.ChooseAndPackage(true);
    EXPECT_EQ(feedback.Boxes().back(), "box:Internal Error|no zbk there");
    EXPECT_EQ(Statuses(), Names{"Done"});
    EXPECT_TRUE(ListFolder(root / "out").empty());
}

TEST_F(Packaging, AFailedWriteIntoTheNewPatchEndsTheRunThere) {
    MakeSourceTree();
    editor.state.lastClipFolder = "/before/";
    chooser.Confirm(root / "src/Old.zbk").Confirm(root / "out/Set.zbk");
    try {
        // Room for the copy of the patch, not for its first full path, which is longer.
        test::ScopedFileSizeLimit diskFull(SourceText().size() + 1);
        Run(false);
        FAIL() << "the run went on";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + (root / "out/Set.zbk"));
    }
    EXPECT_EQ(Statuses(), Names{"Copying Clip: intro.avi"});
    EXPECT_EQ(feedback.Boxes().size(), 1u);  // no "Copy Error"
    EXPECT_EQ(feedback.progress.back(), "end");
    EXPECT_EQ(editor.state.lastClipFolder, "/before/");
    EXPECT_FALSE(Exists(settings.IniPath()));
    EXPECT_EQ(ReadFile(root / "out/Set.zbk"), SourceText());
}

TEST_F(Packaging, AFailedSettingsWriteLeavesTheCompletePackageAndNoDone) {
    MakeSourceTree();
    WriteFile(settings.IniPath(), "[files]\r\npatch=/before.zbk\r\n");
    chmod(settings.IniPath().c_str(), 0444);
    chooser.Confirm(root / "src/Old.zbk").Confirm(root / "out/Set.zbk");
    try {
        Run(true);
        FAIL();
    } catch (const EIniFileException& e) {
        EXPECT_STREQ(e.what(), "Unable to write to zembo.ini");
    }
    EXPECT_EQ(Statuses().back(), "Copying Clip: b.avi");
    EXPECT_EQ(editor.state.lastClipFolder, root / "out/Set_clips/");
    EXPECT_EQ(ReadFile(root / "out/Set_clips/b.avi"), "B");
    EXPECT_EQ(Value(root / "out/Set.zbk", "Filenames", "9"), "Set_clips\\b.avi");
}

TEST_F(Packaging, AMatteOnAnEmptySlotIsNeitherReadNorCopied) {
    WriteFile(root / "src/a.zbk",
              "[Filenames]\r\n1=end\r\n[StencilFilenames]\r\n1=" + (root / "media/m.bmp") + "\r\n");
    WriteFile(root / "media/m.bmp", "M");
    chooser.Confirm(root / "src/a.zbk").Confirm(root / "out/Set.zbk");
    Run(true);
    EXPECT_EQ(Value(root / "out/Set.zbk", "StencilFilenames", "1"), root / "media/m.bmp");
    EXPECT_FALSE(Exists(root / "out/Set_mattes"));
}

// Mended: a ".zbk" in a folder name above the new patch is not cut.
TEST_F(Packaging, AZbkInTheFolderNameStaysInTheFolderName) {
    std::filesystem::create_directories(root / "Old.zbk files");
    std::filesystem::create_directories(root / "Old files");
    WriteFile(root / "src/a.zbk", "[Filenames]\r\n1=" + (root / "media/x.avi") + "\r\n");
    WriteFile(root / "media/x.avi", "X");
    chooser.Confirm(root / "src/a.zbk").Confirm(root / "Old.zbk files/Set.zbk");
    PackagingResult result = Run(true);
    EXPECT_EQ(result.copyReport, "");
    EXPECT_EQ(ReadFile(root / "Old.zbk files/Set_clips/x.avi"), "X");
    EXPECT_TRUE(ListFolder(root / "Old files").empty());
    EXPECT_EQ(editor.state.lastClipFolder, root / "Old.zbk files/Set_clips/");
}

// Mended: clips that share a file name keep copies of their own.
TEST_F(Packaging, SameFileNameDifferentClipsGetCopiesOfTheirOwn) {
    std::filesystem::create_directories(root / "a");
    std::filesystem::create_directories(root / "b");
    WriteFile(root / "a/intro.avi", "A");
    WriteFile(root / "b/intro.avi", "B");
    WriteFile(root / "c.avi", "C");
    WriteFile(root / "a/m.bmp", "MA");
    WriteFile(root / "b/m.bmp", "MB");
    WriteFile(root / "src/p.zbk",
              "[Filenames]\r\n1=" + (root / "a/intro.avi") + "\r\n2=" + (root / "b/intro.avi") +
                  "\r\n3=" + (root / "a/intro.avi") + "\r\n4=" + (root / "c.avi") + "\r\n5=" +
                  (root / "b/intro.avi") + "\r\n[StencilFilenames]\r\n1=" + (root / "a/m.bmp") +
                  "\r\n2=" + (root / "b/m.bmp") + "\r\n4=" + (root / "a/m.bmp") + "\r\n");
    chooser.Confirm(root / "src/p.zbk").Confirm(root / "out/Set.zbk");
    PackagingResult result = Run(true);
    const std::string out = root / "out/Set.zbk";
    EXPECT_EQ(Value(out, "Filenames", "1"), "Set_clips\\intro.avi");
    EXPECT_EQ(Value(out, "Filenames", "2"), "Set_clips\\intro_2.avi");
    EXPECT_EQ(Value(out, "Filenames", "3"), "Set_clips\\intro.avi");
    EXPECT_EQ(Value(out, "Filenames", "4"), "Set_clips\\c.avi");
    EXPECT_EQ(Value(out, "Filenames", "5"), "Set_clips\\intro_2.avi");
    EXPECT_EQ(Value(out, "StencilFilenames", "2"), "Set_mattes\\m_2.bmp");
    EXPECT_EQ(Value(out, "StencilFilenames", "4"), "Set_mattes\\m.bmp");
    EXPECT_EQ(ReadFile(root / "out/Set_clips/intro.avi"), "A");
    EXPECT_EQ(ReadFile(root / "out/Set_clips/intro_2.avi"), "B");
    EXPECT_EQ(ReadFile(root / "out/Set_mattes/m.bmp"), "MA");
    EXPECT_EQ(ReadFile(root / "out/Set_mattes/m_2.bmp"), "MB");
    EXPECT_EQ(ListFolder(root / "out/Set_clips"), (Names{"c.avi", "intro.avi", "intro_2.avi"}));
    EXPECT_EQ(result.copyReport, "");
}

// Mended: choosing the source as the new patch copies nothing onto itself.
TEST_F(Packaging, TheSourceChosenAsTheNewPatchIsAnInternalErrorAndChangesNothing) {
    MakeSourceTree();
    WriteFile(settings.IniPath(), "[files]\r\npatch=/before.zbk\r\n");
    editor.state.lastClipFolder = "/before/";
    chooser.Confirm(root / "src/Old.zbk").Confirm(root / "src/Old.zbk");
    PackagingResult result = Run(true);
    EXPECT_EQ(result.outcome, PackagingResult::Outcome::kInternalError);
    EXPECT_EQ(feedback.Boxes().back(),
              "box:Internal Error|Source and destination are the same file");
    EXPECT_EQ(ReadFile(root / "src/Old.zbk"), SourceText());
    EXPECT_EQ(ListFolder(root / "src"), (Names{"Old.zbk", "beside.avi", "sub"}));
    EXPECT_EQ(LastPatch(), "/before.zbk");
    EXPECT_EQ(editor.state.lastClipFolder, "/before/");
    EXPECT_EQ(Statuses(), Names{"Done"});
}

// Mended: clips already in place are left alone, and nothing is copied over them first.
TEST_F(Packaging, APackagePackagedAgainBesideItselfKeepsItsClipsInPlace) {
    std::filesystem::create_directories(root / "show/Set_clips");
    WriteFile(root / "show/Set_clips/intro.avi", "IN PLACE");
    WriteFile(root / "media/intro.avi", "FROM MEDIA");
    WriteFile(root / "show/Set.zbk",
              "[Filenames]\r\n1=" + (root / "media/intro.avi") + "\r\n2=Set_clips\\intro.avi\r\n");
    chooser.Confirm(root / "show/Set.zbk").Confirm(root / "show/Set.ZBK");
    PackagingResult result = Run(true);
    EXPECT_EQ(result.copyReport, "");
    EXPECT_EQ(ReadFile(root / "show/Set_clips/intro.avi"), "IN PLACE");
    EXPECT_EQ(ReadFile(root / "show/Set_clips/intro_2.avi"), "FROM MEDIA");
    EXPECT_EQ(Value(root / "show/Set.ZBK", "Filenames", "1"), "Set_clips\\intro_2.avi");
    EXPECT_EQ(Value(root / "show/Set.ZBK", "Filenames", "2"), "Set_clips\\intro.avi");
}

// Mended: a failed copy leaves no partial file and no changed earlier copy.
TEST_F(Packaging, AFailedCopyLeavesNoHalfCopy) {
    WriteFile(root / "media/big.avi", std::string(200 << 10, 'b'));
    WriteFile(root / "media/small.avi", "small");
    std::filesystem::create_directory(root / "out/Set_clips");
    WriteFile(root / "out/Set_clips/big.avi", "earlier");
    WriteFile(root / "src/p.zbk", "[Filenames]\r\n1=" + (root / "media/big.avi") +
                                      "\r\n2=" + (root / "media/small.avi") + "\r\n");
    chooser.Confirm(root / "src/p.zbk").Confirm(root / "out/Set.zbk");
    PackagingResult result;
    {
        test::ScopedFileSizeLimit diskFull(64 << 10);
        result = Run(true);
    }
    EXPECT_EQ(result.copyReport, "Could not copy " + (root / "media/big.avi") + "\r\n");
    EXPECT_EQ(ReadFile(root / "out/Set_clips/big.avi"), "earlier");
    EXPECT_EQ(ReadFile(root / "out/Set_clips/small.avi"), "small");
    EXPECT_EQ(ListFolder(root / "out/Set_clips"), (Names{"big.avi", "small.avi"}));
}

// The disk, with every copy made and every folder flushed told in the feedback's events.
class RecordingDisk : public platform::DiskFileServices {
  public:
    explicit RecordingDisk(std::vector<std::string>& events) : events_(events) {}
    bool CopyFile(const std::string& from, const std::string& to,
                  const CopyProgress& progress) override {
        events_.push_back("copy:" + FileNamePart(to));
        return DiskFileServices::CopyFile(from, to, progress);
    }
    bool SyncFolder(const std::string& path) override {
        events_.push_back("sync:" + FileNamePart(path));
        return DiskFileServices::SyncFolder(path);
    }

  private:
    std::vector<std::string>& events_;
};

TEST_F(Packaging, PackagingAgainCopiesWhatChangedAndFlushesItsFoldersBeforeDone) {
    MakeSourceTree();
    RecordingDisk files(feedback.events);
    auto run = [&] {
        feedback.events.clear();
        chooser.Confirm(root / "src/Old.zbk").Confirm(root / "out/Set.zbk");
        SelfContainedPackager({chooser, feedback, editorSettings, files}, editor.OD1, editor.SD1,
                              editor.state)
            .ChooseAndPackage(true);
        std::vector<std::string> disk;
        for (const std::string& e : feedback.events) {
            if (e.rfind("copy:", 0) == 0 || e.rfind("sync:", 0) == 0 || e == "status:Done") {
                disk.push_back(e);
            }
        }
        return disk;
    };
    EXPECT_EQ(run(), (Names{"copy:Set.zbk", "copy:intro.avi", "copy:mask.bmp", "copy:beside.avi",
                            "copy:END", "copy:rel.avi", "copy:gone.avi", "copy:b.avi", "sync:out",
                            "sync:Set_clips", "sync:Set_mattes", "status:Done"}));

    // One clip changed, one byte longer: that copy alone is made again. The clips found nowhere
    // are tried again every time; the folders are flushed every time, as a run killed after its
    // copies may have left them unflushed.
    WriteFile(root / "src/beside.avi", "BESIDE!");
    EXPECT_EQ(run(), (Names{"copy:Set.zbk", "copy:beside.avi", "copy:END", "copy:gone.avi",
                            "sync:out", "sync:Set_clips", "sync:Set_mattes", "status:Done"}));
    EXPECT_EQ(ReadFile(root / "out/Set_clips/beside.avi"), "BESIDE!");
}

// Mended: a folder the disk would not flush (a stick pulled) still ended in "Done".
TEST_F(Packaging, AFolderThatCannotBeFlushedEndsTheRunWithoutDone) {
    MakeSourceTree();
    class PulledStick : public platform::DiskFileServices {
        bool SyncFolder(const std::string&) override { return false; }
    } files;
    chooser.Confirm(root / "src/Old.zbk").Confirm(root / "out/Set.zbk");
    SelfContainedPackager packager({chooser, feedback, editorSettings, files}, editor.OD1,
                                   editor.SD1, editor.state);
    try {
        packager.ChooseAndPackage(true);
        FAIL() << "the run said it was done";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + (root / "out"));
    }
    EXPECT_NE(Statuses().back(), "Done");
    EXPECT_FALSE(Exists(settings.IniPath()));
}

// Mended: a link in the package folder counted as the copy already in place.
TEST_F(Packaging, ALinkToTheClipInThePackageFolderGivesWayToACopy) {
    MakeSourceTree();
    std::filesystem::create_directories(root / "out/Set_clips");
    std::filesystem::create_symlink(root / "media/intro.avi", root / "out/Set_clips/intro.avi");
    chooser.Confirm(root / "src/Old.zbk").Confirm(root / "out/Set.zbk");
    Run(true);
    const std::string copy = root / "out/Set_clips/intro.avi";
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(copy)));
    EXPECT_EQ(ReadFile(copy), "INTRO");
    EXPECT_EQ(Value(root / "out/Set.zbk", "Filenames", "1"), "Set_clips\\intro.avi");
}

TEST_F(Packaging, EverySlotReportsItsOwnFailedCopy) {
    WriteFile(root / "media/big.avi", std::string(200 << 10, 'b'));
    WriteFile(root / "src/p.zbk",
              "[Filenames]\r\n1=gone.avi\r\n2=gone.avi\r\n3=" + (root / "media/big.avi") +
                  "\r\n4=" + (root / "media/big.avi") + "\r\n");
    chooser.Confirm(root / "src/p.zbk").Confirm(root / "out/Set.zbk");
    PackagingResult result;
    {
        test::ScopedFileSizeLimit diskFull(64 << 10);
        result = Run(true);
    }
    const std::string gone = root / "src/gone.avi";
    const std::string big = root / "media/big.avi";
    EXPECT_EQ(result.copyReport, "Couldn't find relative clip: " + gone + "Could not copy " + gone +
                                     "\r\nCouldn't find relative clip: " + gone +
                                     "Could not copy " + gone + "\r\nCould not copy " + big +
                                     "\r\nCould not copy " + big + "\r\n");
    EXPECT_EQ(Value(root / "out/Set.zbk", "Filenames", "2"), "Set_clips\\gone.avi");
    EXPECT_EQ(Value(root / "out/Set.zbk", "Filenames", "4"), "Set_clips\\big.avi");
}

TEST_F(Packaging, AClipsFolderThatCannotBeMadeReportsEveryCopy) {
    MakeSourceTree();
    chooser.Confirm(root / "src/Old.zbk").Confirm(root / "out/Set.zbk");
    WriteFile(root / "out/Set_clips", "a file in the way");
    PackagingResult result = Run(false);
    EXPECT_NE(result.copyReport.find("Could not copy " + (root / "media/intro.avi") + "\r\n"),
              std::string::npos);
    EXPECT_NE(result.copyReport.find("Could not copy " + (root / "src/beside.avi") + "\r\n"),
              std::string::npos);
    EXPECT_EQ(ReadFile(root / "out/Set_mattes/mask.bmp"), "MASK");
}

// The bytes copied, told against the run's total: a source named twice counts once, one found
// nowhere counts nothing.
TEST_F(Packaging, ProgressCountsTheBytesOfEachSourceOnceAgainstTheRunsTotal) {
    WriteFile(root / "media/a.avi", "AAAAA");
    WriteFile(root / "media/b.avi", "BBB");
    WriteFile(root / "media/m.bmp", "MM");
    WriteFile(root / "src/p.zbk",
              "[Filenames]\r\n1=" + (root / "media/a.avi") + "\r\n2=" + (root / "media/a.avi") +
                  "\r\n3=gone.avi\r\n4=" + (root / "media/b.avi") +
                  "\r\n[StencilFilenames]\r\n4=" + (root / "media/m.bmp") + "\r\n");
    chooser.Confirm(root / "src/p.zbk").Confirm(root / "out/Set.zbk");
    Run(true);
    EXPECT_EQ(feedback.progress, (Names{"0/10", "5/10", "8/10", "10/10", "end"}));
}

}  // namespace
}  // namespace zembo
