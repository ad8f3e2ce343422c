// The desktop namespace over a temporary tree standing for the user's home, desktop and volumes,
// listed through the file list's logic.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

#include "browser/file_list_pane.h"
#include "browser/file_system_namespace.h"
#include "tests/support/fake_list_control.h"
#include "tests/support/recording_opener.h"
#include "tests/support/temp_dir.h"

namespace zembo::browser {
namespace {

using test::FakeListControl;
using test::RecordingOpener;
using test::TempDir;
using test::WriteFile;

void MakeFolder(const std::string& path) {
    ASSERT_EQ(mkdir(path.c_str(), 0755), 0) << path;
}

class FileSystemNamespaceTest : public testing::Test {
  protected:
    FileSystemNamespaceTest() {
        MakeFolder(root / "home");
        MakeFolder(home + "/Desktop");
        MakeFolder(root / "usb");
        MakeFolder(root / "Card");
        FileSystemLayout layout{home, home + "/Desktop", [this] {
                                    return std::vector<std::string>{root / "usb", root / "Card"};
                                }};
        ns = std::make_unique<FileSystemNamespace>(std::move(layout),
                                                   std::make_unique<RecordingOpener>(opened));
        pane = std::make_unique<FileListPane>(*ns, control);
    }

    std::vector<std::string> Captions() {
        std::vector<std::string> names;
        for (int row = 0; row < pane->RowCount(); ++row) {
            names.push_back(pane->TextAt(row, 0));
        }
        return names;
    }
    std::vector<std::string> Titles() {
        std::vector<std::string> titles;
        for (const ReportColumn& c : pane->Columns()) {
            titles.push_back(c.title);
        }
        return titles;
    }
    int RowOf(const std::string& caption) {
        for (int row = 0; row < pane->RowCount(); ++row) {
            if (pane->TextAt(row, 0) == caption) {
                return row;
            }
        }
        return -1;
    }
    void ShowHome() { pane->ShowFolder(ItemId() + pane->ItemAt(0).Relative()); }

    TempDir root;
    std::string home = root / "home";
    std::vector<std::string> opened;
    std::unique_ptr<FileSystemNamespace> ns;
    FakeListControl control;
    std::unique_ptr<FileListPane> pane;
};

TEST_F(FileSystemNamespaceTest, DesktopHoldsHomeAndComputerBeforeTheDesktopFoldersEntries) {
    MakeFolder(home + "/Desktop/Apps");
    MakeFolder(home + "/Desktop/.secret");
    WriteFile(home + "/Desktop/a.txt", "");
    WriteFile(home + "/Desktop/.hidden", "");
    pane->ShowFolder(ItemId());
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Home", "Computer", "Apps", "a.txt"}));
    EXPECT_EQ(pane->FullPathAt(0), home);
    EXPECT_EQ(pane->FullPathAt(1), "Computer");
    EXPECT_EQ(pane->FullPathAt(2), home + "/Desktop/Apps");
    EXPECT_EQ(pane->FullPathAt(3), home + "/Desktop/a.txt");
    EXPECT_EQ(pane->FullPath(pane->Desktop()), "Desktop");
    EXPECT_EQ(pane->InFolderName(pane->Desktop()), "Desktop");
    EXPECT_EQ(pane->IconAt(0), IconKind::kHome);
    EXPECT_EQ(pane->IconAt(1), IconKind::kComputer);
}

TEST_F(FileSystemNamespaceTest, WithoutADesktopFolderTheDesktopHoldsHomeAndComputer) {
    rmdir((home + "/Desktop").c_str());
    pane->ShowFolder(ItemId());
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Home", "Computer"}));
}

TEST_F(FileSystemNamespaceTest, FoldersComeFirstThenNamesInNaturalOrderWithoutCase) {
    for (const char* name : {"clip10.avi", "clip2.avi", "Beta.avi", "alpha.avi", ".config"}) {
        WriteFile(home + "/" + name, "");
    }
    MakeFolder(home + "/zeta");
    MakeFolder(home + "/Music");
    MakeFolder(home + "/.cache");
    // A link to a folder lists as a folder.
    ASSERT_EQ(symlink((root / "usb").c_str(), (home + "/linked").c_str()), 0);
    pane->ShowFolder(ItemId());
    ShowHome();
    EXPECT_EQ(Captions(),
              (std::vector<std::string>{"Desktop", "linked", "Music", "zeta", "alpha.avi",
                                        "Beta.avi", "clip2.avi", "clip10.avi"}));
    EXPECT_EQ(pane->IconAt(1), IconKind::kFolder);
    EXPECT_EQ(pane->IconAt(4), IconKind::kFile);
    EXPECT_EQ(pane->FullPathAt(6), home + "/clip2.avi");
}

TEST_F(FileSystemNamespaceTest, ComputerHoldsTheFileSystemRootAndTheVolumes) {
    pane->ShowFolder(ItemId());
    pane->ShowFolder(ItemId() + pane->ItemAt(1).Relative());
    EXPECT_EQ(Captions(), (std::vector<std::string>{"File System", "Card", "usb"}));
    EXPECT_EQ(pane->FullPathAt(0), "/");
    EXPECT_EQ(pane->FullPathAt(1), root / "Card");
    EXPECT_EQ(pane->IconAt(2), IconKind::kDrive);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Name", "Type", "Total Size", "Free Space"}));
    EXPECT_EQ(pane->TextAt(2, 1), "Volume");
    EXPECT_NE(pane->TextAt(2, 2), "");
    // Asked directly, so that the root's own disk is not measured.
    EXPECT_EQ(ns->Details(pane->CurrentFolderId())->Text(pane->ItemAt(0).Relative(), 1),
              "Local Disk");

    // A volume lists its own entries; up from it is Computer, then the desktop.
    WriteFile(root / "usb/take1.avi", "");
    pane->ShowFolder(pane->ItemAt(2).Absolute());
    EXPECT_EQ(Captions(), std::vector<std::string>{"take1.avi"});
    EXPECT_EQ(pane->FullPathAt(0), root / "usb/take1.avi");
    pane->GoUp();
    EXPECT_EQ(pane->RowCount(), 3);
    pane->GoUp();
    EXPECT_TRUE(pane->CurrentFolderId().IsEmpty());
}

TEST_F(FileSystemNamespaceTest, FolderDetailsShowSizeTypeAndDate) {
    WriteFile(home + "/take.avi", std::string(1500, 'x'));
    WriteFile(home + "/matte.PNG", "x");
    WriteFile(home + "/notes.odt", "");
    pane->ShowFolder(ItemId());
    ShowHome();
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Name", "Size", "Type", "Date Modified"}));
    EXPECT_EQ(pane->Columns()[1].align, ColumnAlign::kRight);
    const int take = RowOf("take.avi");
    EXPECT_EQ(pane->TextAt(take, 1), "1.5 kB");
    EXPECT_EQ(pane->TextAt(take, 2), "AVI video");
    EXPECT_EQ(pane->TextAt(RowOf("matte.PNG"), 1), "1 byte");
    EXPECT_EQ(pane->TextAt(RowOf("matte.PNG"), 2), "PNG image");
    EXPECT_EQ(pane->TextAt(RowOf("notes.odt"), 2), "ODT file");
    const int desktop = RowOf("Desktop");
    EXPECT_EQ(pane->TextAt(desktop, 1), "");
    EXPECT_EQ(pane->TextAt(desktop, 2), "Folder");
    // Date and time in the C locale's order, without seconds.
    const std::string date = pane->TextAt(take, 3);
    ASSERT_EQ(date.size(), 16u) << date;
    EXPECT_EQ(date[2], '/');
    EXPECT_EQ(date[13], ':');

    // A file that went away keeps its row; its details are empty, not an error.
    WriteFile(home + "/gone.avi", "");
    pane->RefreshFolder();
    unlink((home + "/gone.avi").c_str());
    EXPECT_EQ(pane->TextAt(RowOf("gone.avi"), 1), "");
    EXPECT_EQ(pane->TextAt(RowOf("gone.avi"), 2), "AVI video");
}

TEST_F(FileSystemNamespaceTest, AFolderThatCannotBeOpenedHasNoChildren) {
    EXPECT_EQ(ns->Children(ns->IdOfPath(root / "missing")), std::nullopt);
    WriteFile(home + "/file.avi", "");
    EXPECT_EQ(ns->Children(ns->IdOfPath(home + "/file.avi")), std::nullopt);
}

TEST_F(FileSystemNamespaceTest, PathsAndIdentifiersMeetAgain) {
    WriteFile(home + "/a b.avi", "");
    const ItemId id = ns->IdOfPath(home + "/a b.avi");
    EXPECT_EQ(ns->PathOf(id), home + "/a b.avi");
    EXPECT_EQ(ns->Attributes({}, id), kAttrFileSystem | kAttrCanRename);
    EXPECT_EQ(ns->Attributes({}, ns->IdOfPath(home)) & kAttrFolder, kAttrFolder);
    EXPECT_EQ(ns->PathOf(ns->IdOfPath("/")), "/");
    EXPECT_EQ(ns->PathOf(ItemId()), std::nullopt);
    EXPECT_EQ(ns->DisplayName({}, ns->IdOfPath("/"), NameKind::kInFolder), "File System");
    // The same folder reached twice is the same folder.
    EXPECT_EQ(ns->CompareIds({}, 0, ns->IdOfPath(home), ns->IdOfPath(home)), 0);
    EXPECT_NE(ns->CompareIds({}, 0, ns->IdOfPath(home), ns->IdOfPath(root.Path())), 0);
}

TEST_F(FileSystemNamespaceTest, OpeningGoesToTheDefaultOpenerWithThePath) {
    WriteFile(home + "/take.avi", "");
    pane->ShowFolder(ItemId());
    ShowHome();
    control.selected = {RowOf("take.avi")};
    pane->OpenFirstSelected();
    EXPECT_EQ(opened, std::vector<std::string>{home + "/take.avi"});
}

TEST_F(FileSystemNamespaceTest, PropertiesOfAFile) {
    WriteFile(home + "/take.avi", std::string(12345, 'x'));
    pane->ShowFolder(ItemId());
    ShowHome();
    const ItemProperties p = pane->PropertiesAt(RowOf("take.avi"));
    EXPECT_EQ(p.name, "take.avi");
    EXPECT_EQ(p.type, "AVI video");
    EXPECT_EQ(p.size, "12.3 kB (12,345 bytes)");
    EXPECT_EQ(p.location, home);
    EXPECT_FALSE(p.modified.empty());
}

}  // namespace
}  // namespace zembo::browser
