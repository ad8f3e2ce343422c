// The desktop namespace's commands on a temporary tree, through the file list's logic: renaming,
// the trash, cut, copy and paste.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <map>
#include <regex>
#include <set>

#include "browser/file_list_pane.h"
#include "browser/file_system_namespace.h"
#include "browser/paste_files.h"
#include "platform/uri_text.h"
#include "tests/support/fake_list_control.h"
#include "tests/support/temp_dir.h"

namespace zembo::browser {
namespace {

using test::Exists;
using test::ListFolder;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;
using Names = std::vector<std::string>;

void MakeFolder(const std::string& path) {
    ASSERT_EQ(mkdir(path.c_str(), 0755), 0) << path;
}

std::string RealPath(const std::string& path) {
    char real[PATH_MAX];
    return realpath(path.c_str(), real) != nullptr ? real : path;
}

// A desktop whose clipboard is a map and whose message boxes are recorded.
class FakeDesktop : public DesktopServices {
  public:
    std::vector<Application> ApplicationsFor(const std::string&) override { return {}; }
    bool Open(const std::string&, const std::string&, std::string&) override { return false; }
    void PutOnClipboard(const std::vector<ClipboardFormat>& formats) override {
        clipboard.clear();
        for (const ClipboardFormat& f : formats) {
            clipboard[f.mimeType] = f.bytes;
        }
    }
    std::optional<std::string> ClipboardData(const std::string& type) override {
        auto it = clipboard.find(type);
        return it == clipboard.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    void ClearClipboard() override { clipboard.clear(); }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }

    std::map<std::string, std::string> clipboard;
    Names messages;
};

class FileCommandsTest : public testing::Test {
  protected:
    FileCommandsTest() {
        MakeFolder(home);
        MakeFolder(home + "/Desktop");
        MakeFolder(home + "/Box");
        WriteFile(home + "/a.avi", "aaa");
        WriteFile(home + "/b.avi", "bbb");
        auto fake = std::make_unique<FakeDesktop>();
        desktop = fake.get();
        ns = std::make_unique<FileSystemNamespace>(FileSystemLayout{home, home + "/Desktop", {}},
                                                   nullptr, std::move(fake));
        // The tests may run as the superuser, whom no permission stops.
        ns->SetWritableTest([this](const std::string& f) { return readOnly.count(f) == 0; });
        pane = std::make_unique<FileListPane>(*ns, control);
        pane->ShowFolder(ns->IdOfPath(home));
    }

    int RowOf(const std::string& caption) {
        for (int row = 0; row < pane->RowCount(); ++row) {
            if (pane->TextAt(row, 0) == caption) {
                return row;
            }
        }
        return -1;
    }
    // Chooses the command of that verb from the row's context menu.
    void Run(const std::string& caption, const std::string& verb) {
        control.selected = {RowOf(caption)};
        const std::optional<FileListPane::RowMenu> menu = pane->ContextMenu();
        ASSERT_TRUE(menu) << caption;
        for (const ShellCommand& command : menu->commands) {
            if (command.verb == verb) {
                pane->RunCommand(menu->row, command);
                return;
            }
        }
        ADD_FAILURE() << caption << " offers no " << verb;
    }

    TempDir root;
    test::ScopedEnv dataHome{"XDG_DATA_HOME", root / "data"};
    std::string home = root / "home";
    std::string trash = root / "data/Trash";
    std::set<std::string> readOnly;
    FakeDesktop* desktop = nullptr;
    std::unique_ptr<FileSystemNamespace> ns;
    test::FakeListControl control;
    std::unique_ptr<FileListPane> pane;
};

TEST_F(FileCommandsTest, RenamingRenamesOnDiskAndNeverReplaces) {
    EXPECT_TRUE(pane->RenameRow(RowOf("a.avi"), "c.avi"));
    EXPECT_EQ(pane->FullPathAt(RowOf("c.avi")), home + "/c.avi");
    EXPECT_TRUE(pane->RenameRow(RowOf("Box"), "Crate"));
    EXPECT_TRUE(pane->RenameRow(RowOf("c.avi"), "c.avi"));  // the same name: nothing to do
    for (const std::string& name : Names{"b.avi", "Crate", "", ".", "..", "x/y",
                                         std::string("x\0y", 3), std::string(256, 'n')}) {
        EXPECT_THROW(pane->RenameRow(RowOf("c.avi"), name), std::runtime_error) << name;
    }
    EXPECT_EQ(ListFolder(home), (Names{"Crate", "Desktop", "b.avi", "c.avi"}));
    EXPECT_EQ(ReadFile(home + "/c.avi"), "aaa");
    EXPECT_EQ(ReadFile(home + "/b.avi"), "bbb");
}

TEST_F(FileCommandsTest, InAFolderTheUserMayNotWriteRenamingEndsSilently) {
    readOnly = {home};
    pane->RefreshFolder();
    EXPECT_FALSE(pane->RenameRow(RowOf("a.avi"), "c.avi"));
    EXPECT_EQ(ListFolder(home), (Names{"Box", "Desktop", "a.avi", "b.avi"}));
}

TEST_F(FileCommandsTest, MoveToTrashPutsTheItemInTheTrashWithItsInfoFile) {
    for (const char* content : {"first", "second"}) {
        WriteFile(home + "/clip one%.avi", content);
        pane->RefreshFolder();
        Run("clip one%.avi", kVerbDelete);
        EXPECT_EQ(RowOf("clip one%.avi"), -1);  // the folder was read again
    }
    Run("Box", kVerbDelete);
    EXPECT_EQ(ListFolder(trash + "/files"), (Names{"Box", "clip one%.2.avi", "clip one%.avi"}));
    EXPECT_EQ(ReadFile(trash + "/files/clip one%.avi"), "first");
    EXPECT_EQ(ReadFile(trash + "/files/clip one%.2.avi"), "second");
    const std::string info = ReadFile(trash + "/info/clip one%.avi.trashinfo");
    const std::string head = "[Trash Info]\nPath=" + RealPath(home) + "/clip%20one%25.avi\n";
    EXPECT_EQ(info.substr(0, head.size()), head);
    EXPECT_TRUE(std::regex_match(info.substr(head.size()),
                                 std::regex(R"(DeletionDate=\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\n)")))
        << info;
    EXPECT_TRUE(Exists(trash + "/info/Box.trashinfo"));
    EXPECT_TRUE(desktop->messages.empty());
}

TEST_F(FileCommandsTest, WhereNoTrashCanTakeTheItemNothingIsDeleted) {
    const std::string usb = RealPath(root.Path()) + "/usb";
    MakeFolder(usb);
    WriteFile(usb + "/take.avi", "take");
    const std::string ownTrash = usb + "/.Trash-" + std::to_string(getuid());
    WriteFile(ownTrash, "a file where the trash folder should be");
    ns->SetTrashPlaces({trash, [usb](const std::string& path) -> std::optional<std::string> {
                            if (path.rfind(usb + "/", 0) == 0) {
                                return usb;
                            }
                            return std::nullopt;
                        }});
    pane->ShowFolder(ns->IdOfPath(usb));
    const int listings = control.updates;
    Run("take.avi", kVerbDelete);
    EXPECT_EQ(ReadFile(usb + "/take.avi"), "take");
    EXPECT_EQ(control.updates, listings);
    EXPECT_EQ(desktop->messages,
              Names{usb + "/take.avi: the volume " + usb +
                    " has no trash folder this user can write to (Not a directory); nothing was "
                    "deleted"});

    // With its own trash folder the volume takes it, the path written from its top.
    ASSERT_EQ(unlink(ownTrash.c_str()), 0);
    Run("take.avi", kVerbDelete);
    EXPECT_EQ(ReadFile(ownTrash + "/files/take.avi"), "take");
    EXPECT_EQ(ReadFile(ownTrash + "/info/take.avi.trashinfo").substr(0, 27),
              "[Trash Info]\nPath=take.avi\n");
}

TEST_F(FileCommandsTest, PasteCopiesUnderFreeNamesAndFoldersWhole) {
    MakeFolder(home + "/Box/inner");
    WriteFile(home + "/Box/inner/deep.avi", "deep");
    ASSERT_EQ(chmod((home + "/Box/inner/deep.avi").c_str(), 0640), 0);
    ASSERT_EQ(symlink("deep.avi", (home + "/Box/inner/link").c_str()), 0);

    Run("a.avi", kVerbCopy);
    Run("Box", kVerbPaste);
    Run("Box", kVerbPaste);
    EXPECT_EQ(ListFolder(home + "/Box"), (Names{"a (2).avi", "a.avi", "inner"}));
    EXPECT_EQ(ReadFile(home + "/Box/a (2).avi"), "aaa");
    EXPECT_EQ(ReadFile(home + "/a.avi"), "aaa");

    Run("Box", kVerbCopy);
    Run("Desktop", kVerbPaste);
    Run("Desktop", kVerbPaste);
    EXPECT_EQ(ListFolder(home + "/Desktop"), (Names{"Box", "Box (2)"}));
    const std::string copy = home + "/Desktop/Box (2)/inner";
    EXPECT_EQ(ListFolder(copy), (Names{"deep.avi", "link"}));
    EXPECT_EQ(ReadFile(copy + "/deep.avi"), "deep");
    struct stat st {};
    ASSERT_EQ(lstat((copy + "/deep.avi").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    ASSERT_EQ(lstat((copy + "/link").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));

    // A folder pasted into itself would never end.
    Run("Box", kVerbPaste);
    EXPECT_EQ(ListFolder(home + "/Box"), (Names{"a (2).avi", "a.avi", "inner"}));
    EXPECT_EQ(desktop->messages, Names{home + "/Box: a folder cannot be pasted into itself"});
}

TEST_F(FileCommandsTest, CutMovesTheFileAndClearsTheClipboard) {
    WriteFile(home + "/Box/b.avi", "old");
    Run("b.avi", kVerbCut);
    EXPECT_EQ(desktop->clipboard["x-special/gnome-copied-files"],
              "cut\n" + platform::FileUri(home + "/b.avi"));
    Run("Box", kVerbPaste);
    EXPECT_FALSE(Exists(home + "/b.avi"));
    EXPECT_EQ(ReadFile(home + "/Box/b (2).avi"), "bbb");
    EXPECT_EQ(ReadFile(home + "/Box/b.avi"), "old");
    EXPECT_TRUE(desktop->clipboard.empty());
    EXPECT_EQ(RowOf("b.avi"), -1);
}

TEST(PasteFilesTest, AMoveToAnotherFileSystemCopiesWholeThenRemovesTheSource) {
    TempDir here;
    struct stat a {};
    struct stat b {};
    if (stat("/dev/shm", &b) != 0 || stat(here.Path().c_str(), &a) != 0 || a.st_dev == b.st_dev) {
        GTEST_SKIP() << "no second file system at /dev/shm";
    }
    test::ScopedEnv tmp("TMPDIR", "/dev/shm");
    TempDir there;
    MakeFolder(here / "Take");
    WriteFile(here / "Take/clip.avi", "clip");
    platform::FileError error;
    ASSERT_TRUE(PasteFiles({here / "Take"}, there.Path(), true, error))
        << platform::DescribeFileError(error);
    EXPECT_EQ(ReadFile(there / "Take/clip.avi"), "clip");
    EXPECT_FALSE(Exists(here / "Take"));
}

}  // namespace
}  // namespace zembo::browser
