// The file list's logic over a namespace of the test's own: listing and order, navigation,
// report columns and row texts, refreshing, type-ahead, double click and Enter, Add Clips, the
// context menu's commands and renaming.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <ctime>
#include <stdexcept>

#include "browser/file_list_pane.h"
#include "tests/support/fake_list_control.h"
#include "tests/support/fake_namespace.h"
#include "tests/support/temp_dir.h"

namespace zembo::browser {
namespace {

using test::FakeId;
using test::FakeListControl;
using test::FakeNamespace;
using test::TempDir;

constexpr ItemAttributes kFolder = kAttrFolder | kAttrFileSystem;
constexpr ItemAttributes kFile = kAttrFileSystem;

std::vector<std::string> Captions(FileListPane& pane) {
    std::vector<std::string> names;
    for (int row = 0; row < pane.RowCount(); ++row) {
        names.push_back(pane.TextAt(row, 0));
    }
    return names;
}

std::vector<std::string> Titles(const FileListPane& pane) {
    std::vector<std::string> titles;
    for (const ReportColumn& c : pane.Columns()) {
        titles.push_back(c.title);
    }
    return titles;
}

std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

void SetModified(const std::string& path, std::time_t when) {
    timespec times[2] = {{when, 0}, {when, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

class FileListPaneTest : public testing::Test {
  protected:
    // A desktop with a folder "Clips" of clips and subfolders, and a virtual folder.
    void SetUp() override {
        ns.Add("Clips", kFolder, "/clips");
        ns.Add("Clips/b.avi", kFile, "/clips/b.avi");
        ns.Add("Clips/a.avi", kFile, "/clips/a.avi");
        ns.Add("Clips/zoo", kFolder, "/clips/zoo");
        ns.Add("Clips/old", kFolder, "/clips/old");
        ns.Add("Clips/old/x.avi", kFile, "/clips/old/x.avi");
        ns.Add("Computer", kAttrFolder);
        ns.Add("notes.txt", kFile, "/desk/notes.txt");
    }

    FakeNamespace ns;
    FakeListControl control;
    FileListPane pane{ns, control};
};

TEST_F(FileListPaneTest, ListsFoldersFirstThenInTheNamespacesNameOrder) {
    pane.ShowFolder(FakeId("Clips"));
    EXPECT_EQ(Captions(pane), (std::vector<std::string>{"old", "zoo", "a.avi", "b.avi"}));
    pane.ShowFolder(FakeId(""));
    EXPECT_EQ(Captions(pane), (std::vector<std::string>{"Clips", "Computer", "notes.txt"}));
    EXPECT_EQ(control.openUpdates, 0);
    EXPECT_EQ(control.busyPointers, 0);
}

TEST_F(FileListPaneTest, ShowingTheCurrentFolderAgainOrWhileBusyDoesNothing) {
    pane.ShowFolder(FakeId("Clips"));
    EXPECT_EQ(ns.listings, 1);
    pane.ShowFolder(FakeId("Clips"));
    EXPECT_EQ(ns.listings, 1);

    // A request that arrives while a folder is being read is dropped.
    ns.whileListing = [&] { pane.ShowFolder(FakeId("Clips/old")); };
    pane.ShowFolder(FakeId(""));
    EXPECT_EQ(ns.listings, 2);
    EXPECT_EQ(pane.CurrentFolderId(), FakeId(""));
}

TEST_F(FileListPaneTest, AFolderThatCannotBeListedShowsNoRowsButBecomesCurrent) {
    pane.ShowFolder(FakeId("Clips"));
    ns.FailListing("Clips/old");
    pane.ShowFolder(FakeId("Clips/old"));
    EXPECT_EQ(pane.RowCount(), 0);
    EXPECT_EQ(pane.CurrentFolderId(), FakeId("Clips/old"));
    EXPECT_EQ(Titles(pane), (std::vector<std::string>{"Name", "Size", "Type", "Modified"}));
    EXPECT_TRUE(pane.SelectedFullPaths().empty());
    EXPECT_EQ(control.openUpdates, 0);
    EXPECT_EQ(control.busyPointers, 0);
}

TEST_F(FileListPaneTest, GoUpShowsTheParentAndNothingChangesAtTheDesktop) {
    pane.ShowFolder(FakeId("Clips/old"));
    pane.GoUp();
    EXPECT_EQ(pane.CurrentFolderId(), FakeId("Clips"));
    pane.GoUp();
    EXPECT_EQ(pane.CurrentFolderId(), FakeId(""));
    const int listings = ns.listings;
    control.selected = {1};
    pane.GoUp();
    EXPECT_EQ(ns.listings, listings);
    EXPECT_EQ(control.selected, std::set<int>{1});
}

TEST_F(FileListPaneTest, ItemsKnowTheirPlace) {
    pane.ShowFolder(FakeId("Clips/old"));
    const ShellItem& row = pane.ItemAt(0);
    EXPECT_EQ(row.Absolute(), FakeId("Clips/old/x.avi"));
    EXPECT_EQ(row.Parent(), pane.CurrentFolder());
    EXPECT_EQ(row.Level(), 1);
    EXPECT_EQ(pane.CurrentFolder()->Level(), 0);
    EXPECT_EQ(pane.Desktop().Level(), 0);
    EXPECT_THROW(pane.ItemAt(1), std::out_of_range);
}

TEST_F(FileListPaneTest, FullPathsAreParsingNamesAndDisplayNamesForVirtualItems) {
    pane.ShowFolder(FakeId(""));
    EXPECT_EQ(pane.FullPathAt(0), "/clips");
    EXPECT_EQ(pane.FullPathAt(1), "Computer");
    EXPECT_EQ(pane.FullPath(pane.Desktop()), "Desktop");
    EXPECT_EQ(pane.InFolderName(pane.Desktop()), "Desktop");
}

TEST_F(FileListPaneTest, FolderColumnsWithoutDetailInterfaceAreFixed) {
    pane.ShowFolder(FakeId("Clips"));
    ASSERT_EQ(pane.Columns().size(), 4u);
    const std::vector<int> widths{25, 10, 10, 14};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(pane.Columns()[i].widthChars, widths[i]);
    }
    EXPECT_EQ(pane.Columns()[1].align, ColumnAlign::kRight);
    EXPECT_EQ(pane.Columns()[3].align, ColumnAlign::kLeft);

    // A folder outside the file system gets the name column alone, and rows no details.
    pane.ShowFolder(FakeId(""));
    EXPECT_EQ(Titles(pane), std::vector<std::string>{"Name"});
    EXPECT_EQ(pane.TextAt(0, 1), "");
}

TEST(FileListPaneFixedDetails, ComeFromTheDirectoryEntry) {
    TempDir dir;
    mkdir((dir / "sub").c_str(), 0755);
    test::WriteFile(dir / "clip.avi", std::string(1234, 'x'));
    test::WriteFile(dir / "README", "");
    test::WriteFile(dir / "dawn.png", "png");
    SetModified(dir / "clip.avi", LocalTime(2024, 3, 14, 15, 9, 37));
    SetModified(dir / "dawn.png", LocalTime(2023, 1, 2, 0, 0, 0));

    FakeNamespace ns;
    ns.Add("d", kFolder, dir.Path());
    for (const char* name : {"sub", "clip.avi", "README", "dawn.png"}) {
        ns.Add(std::string("d/") + name, name == std::string("sub") ? kFolder : kFile, dir / name);
    }
    FakeListControl control;
    FileListPane pane(ns, control);
    pane.ShowFolder(FakeId("d"));
    ASSERT_EQ(Captions(pane), (std::vector<std::string>{"sub", "README", "clip.avi", "dawn.png"}));

    // Sizes in bytes, the extension as type, the time at two-second resolution (C locale).
    EXPECT_EQ(pane.TextAt(2, 1), "1234");
    EXPECT_EQ(pane.TextAt(2, 2), ".avi");
    EXPECT_EQ(pane.TextAt(2, 3), "03/14/2024 15:09:36");
    // Midnight shows the date alone; no extension, no type.
    EXPECT_EQ(pane.TextAt(3, 3), "01/02/2023");
    EXPECT_EQ(pane.TextAt(1, 2), "");
    // A folder has size -1 and the day before the date epoch.
    EXPECT_EQ(pane.TextAt(0, 1), "-1");
    EXPECT_EQ(pane.TextAt(0, 3), "12/29/1899");
}

TEST(FileListPaneFixedDetails, AnUnreadableEntryFailsOnceWithTheFolderDetailsError) {
    TempDir dir;
    FakeNamespace ns;
    ns.Add("d", kFolder, dir.Path());
    ns.Add("d/gone.avi", kFile, dir / "gone.avi");
    FakeListControl control;
    FileListPane pane(ns, control);
    pane.ShowFolder(FakeId("d"));

    try {
        pane.TextAt(0, 1);
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Unable to retrieve folder details for \"gone.avi\". Error code $2");
    }
    // The caption needs no entry, and the row then shows empty details.
    EXPECT_EQ(pane.TextAt(0, 0), "gone.avi");
    EXPECT_EQ(pane.TextAt(0, 2), "");
}

TEST_F(FileListPaneTest, DetailColumnsFollowTheFoldersDescriptions) {
    ns.SetColumns("Clips", {{"Pre", ColumnAlign::kLeft, 5, false},
                            {"Name", ColumnAlign::kLeft, 20, true},
                            {"", ColumnAlign::kLeft, 5, true},
                            {"NAME", ColumnAlign::kLeft, 5, true},
                            {"Size", ColumnAlign::kRight, 8, true},
                            {"Hidden", ColumnAlign::kLeft, 5, false},
                            {"Later", ColumnAlign::kLeft, 5, true}});
    pane.ShowFolder(FakeId("Clips"));
    // The run of default columns ends at "Hidden"; empty and repeated titles are left out.
    EXPECT_EQ(Titles(pane), (std::vector<std::string>{"Pre", "Name", "Size"}));
    EXPECT_EQ(pane.Columns()[2].widthChars, 8);
    EXPECT_EQ(pane.Columns()[2].align, ColumnAlign::kRight);
    // Each text comes from the column it stands under.
    EXPECT_EQ(pane.TextAt(2, 1), "a.avi:1");
    EXPECT_EQ(pane.TextAt(2, 2), "a.avi:4");

    // The columns are made anew for the next folder.
    pane.ShowFolder(FakeId("Clips/old"));
    EXPECT_EQ(Titles(pane), (std::vector<std::string>{"Name", "Size", "Type", "Modified"}));
}

TEST_F(FileListPaneTest, DetailsAreLoadedForDrawnRowsOnlyAndOnce) {
    ns.SetColumns("Clips",
                  {{"Name", ColumnAlign::kLeft, 20, true},
                   {"Size", ColumnAlign::kRight, 8, true},
                   {"Type", ColumnAlign::kLeft, 8, true}},
                  {2});
    pane.ShowFolder(FakeId("Clips"));
    EXPECT_EQ(ns.detailTexts, 0);
    EXPECT_EQ(pane.TextAt(3, 1), "b.avi:1");
    EXPECT_EQ(pane.TextAt(3, 2), "");  // a failing text is empty
    EXPECT_EQ(pane.TextAt(3, 1), "b.avi:1");
    EXPECT_EQ(ns.detailTexts, 2);
    EXPECT_EQ(pane.ItemAt(0).Details(), nullptr);
    ASSERT_NE(pane.ItemAt(3).Details(), nullptr);
}

TEST_F(FileListPaneTest, RefreshReadsAgainAndReselectsByRowNumber) {
    pane.ShowFolder(FakeId("Clips"));
    control.selected = {2, 3};
    ns.Add("Clips/0.avi", kFile, "/clips/0.avi");
    pane.RefreshFolder();
    EXPECT_EQ(ns.listings, 2);
    // Row 2 is selected again, though another file stands there now.
    EXPECT_EQ(control.selected, std::set<int>{2});
    EXPECT_EQ(pane.TextAt(2, 0), "0.avi");

    // The last row, gone after the refresh, leaves no selection; no selection stays none.
    control.selected = {4};
    ns.Remove("Clips/b.avi");
    pane.RefreshFolder();
    EXPECT_TRUE(control.selected.empty());
    pane.RefreshFolder();
    EXPECT_TRUE(control.selected.empty());
    EXPECT_EQ(ns.listings, 4);
}

TEST_F(FileListPaneTest, FindRowComparesLettersAToZAsCapitalsAndWraps) {
    ns.Add("t", kFolder, "/t");
    for (const char* name : {"Apple", "apricot", "banana", "\xc3\xa9t\xc3\xa9", "zed"}) {
        ns.Add(std::string("t/") + name, kFile, std::string("/t/") + name);
    }
    pane.ShowFolder(FakeId("t"));
    ASSERT_EQ(Captions(pane),
              (std::vector<std::string>{"Apple", "apricot", "banana", "zed", "\xc3\xa9t\xc3\xa9"}));
    EXPECT_EQ(pane.FindRow("a", 0, true), 0);
    EXPECT_EQ(pane.FindRow("A", 1, true), 1);
    EXPECT_EQ(pane.FindRow("APR", 0, false), 1);
    // From row 2 on, wrapping back to the rows before it.
    EXPECT_EQ(pane.FindRow("ap", 2, true), 0);
    EXPECT_EQ(pane.FindRow("ap", 2, false), std::nullopt);
    // The last row, and a start past the end.
    EXPECT_EQ(pane.FindRow("ZED", 3, false), 3);
    EXPECT_EQ(pane.FindRow("b", 5, true), 2);
    // Letters beyond a to z keep their case.
    EXPECT_EQ(pane.FindRow("\xc3\x89", 0, true), std::nullopt);
    EXPECT_EQ(pane.FindRow("\xc3\xa9T", 0, true), 4);
    EXPECT_EQ(pane.FindRow("x", 0, true), std::nullopt);
}

TEST_F(FileListPaneTest, DoubleClickShowsAFolderOrOpensAFileAndThenAddsClips) {
    pane.ShowFolder(FakeId("Clips"));
    std::vector<std::vector<std::string>> added;
    auto addClips = [&] { added.push_back(pane.SelectedFullPaths()); };

    // A file and a folder after it: the file is opened, both rows are added.
    control.selected = {2, 3};
    pane.DoubleClick(addClips);
    EXPECT_EQ(ns.opened, std::vector<std::string>{"Clips/a.avi"});
    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(added[0], (std::vector<std::string>{"/clips/a.avi", "/clips/b.avi"}));

    // A folder first among the selected: it is shown and, the selection gone, nothing added.
    control.selected = {0, 3};
    pane.DoubleClick(addClips);
    EXPECT_EQ(pane.CurrentFolderId(), FakeId("Clips/old"));
    EXPECT_EQ(ns.opened.size(), 1u);
    ASSERT_EQ(added.size(), 2u);
    EXPECT_TRUE(added[1].empty());

    // No selection: nothing opened, Add Clips still runs.
    pane.DoubleClick(addClips);
    EXPECT_EQ(added.size(), 3u);
    EXPECT_EQ(ns.opened.size(), 1u);
}

TEST_F(FileListPaneTest, EnterActsOnTheFirstSelectedRowOnly) {
    pane.ShowFolder(FakeId("Clips"));
    pane.OpenFirstSelected();
    EXPECT_TRUE(ns.opened.empty());
    control.selected = {3};
    pane.OpenFirstSelected();
    EXPECT_EQ(ns.opened, std::vector<std::string>{"Clips/b.avi"});
    control.selected = {1, 2};
    pane.OpenFirstSelected();
    EXPECT_EQ(pane.CurrentFolderId(), FakeId("Clips/zoo"));
}

TEST_F(FileListPaneTest, AddClipsTakesEverySelectedRowInRowOrder) {
    pane.ShowFolder(FakeId(""));
    control.selected = {2, 0, 1};
    EXPECT_EQ(pane.SelectedFullPaths(),
              (std::vector<std::string>{"/clips", "Computer", "/desk/notes.txt"}));
}

TEST_F(FileListPaneTest, PropertiesNameTheRowAndItsFolder) {
    pane.ShowFolder(FakeId(""));
    const ItemProperties computer = pane.PropertiesAt(1);
    EXPECT_EQ(computer.name, "Computer");
    EXPECT_EQ(computer.type, "System Folder");
    EXPECT_EQ(computer.location, "Desktop");
}

// The commands of the fake's menus, by verb.
const ShellCommand& CommandOf(const FileListPane::RowMenu& menu, const std::string& verb) {
    for (const ShellCommand& c : menu.commands) {
        if (c.verb == verb) {
            return c;
        }
    }
    throw std::out_of_range("no command " + verb);
}

std::string CurrentDirectory() {
    char cwd[PATH_MAX];
    return getcwd(cwd, sizeof cwd) != nullptr ? cwd : "";
}

TEST_F(FileListPaneTest, TheMenuIsTheFirstSelectedRowsAndNeedsASelectedRow) {
    pane.ShowFolder(FakeId("Clips"));
    EXPECT_FALSE(pane.ContextMenu());
    control.selected = {3, 2};
    const std::optional<FileListPane::RowMenu> menu = pane.ContextMenu();
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->row, 2);
    EXPECT_EQ(pane.SubMenu(menu->row, CommandOf(*menu, "openwith")).at(0).argument,
              "player for Clips/a.avi");
    pane.RunCommand(menu->row, CommandOf(*menu, "copy"));
    ASSERT_EQ(ns.invoked.size(), 1u);
    EXPECT_EQ(ns.invoked[0].command, "copy Clips/a.avi");

    // "rename" and "properties" are the list's own and go no further.
    pane.RunCommand(menu->row, CommandOf(*menu, "rename"));
    pane.RunCommand(menu->row, CommandOf(*menu, "properties"));
    EXPECT_EQ(control.edited, std::vector<int>{2});
    EXPECT_EQ(control.properties, std::vector<int>{2});
    EXPECT_EQ(ns.invoked.size(), 1u);
}

TEST_F(FileListPaneTest, OpenRunsInTheItemsFolderAndTheCurrentDirectoryComesBack) {
    TempDir dir;
    char real[PATH_MAX];
    ASSERT_NE(realpath(dir.Path().c_str(), real), nullptr);
    ns.Add("Clips/c.avi", kFile, std::string(real) + "/c.avi");
    pane.ShowFolder(FakeId("Clips"));
    control.selected = {4};
    const std::string before = CurrentDirectory();
    for (bool succeeds : {true, false}) {
        ns.commandsSucceed = succeeds;
        pane.RunCommand(4, CommandOf(*pane.ContextMenu(), "Open"));
        EXPECT_EQ(ns.invoked.back().command, "Open Clips/c.avi");
        EXPECT_EQ(ns.invoked.back().directory, real);
        EXPECT_EQ(CurrentDirectory(), before);
    }
}

TEST_F(FileListPaneTest, OnlyASuccessfulDeleteOrPasteReadsTheFolderAgain) {
    pane.ShowFolder(FakeId("Clips"));
    control.selected = {1};
    const FileListPane::RowMenu menu = *pane.ContextMenu();
    const int listings = ns.listings;
    ns.commandsSucceed = false;
    pane.RunCommand(1, CommandOf(menu, "delete"));
    pane.RunCommand(1, CommandOf(menu, "paste"));
    EXPECT_EQ(ns.listings, listings);
    ns.commandsSucceed = true;
    pane.RunCommand(1, CommandOf(menu, "copy"));
    EXPECT_EQ(ns.listings, listings);
    pane.RunCommand(1, CommandOf(menu, "delete"));
    EXPECT_EQ(ns.listings, listings + 1);
    pane.RunCommand(1, CommandOf(menu, "paste"));
    EXPECT_EQ(ns.listings, listings + 2);
    EXPECT_EQ(control.selected, std::set<int>{1});
}

TEST_F(FileListPaneTest, RenamingKeepsTheRowsPlaceOrEndsWithTheOldName) {
    ns.Add("Clips/a.avi", kFile | kAttrCanRename, "/clips/a.avi");
    ns.Add("Clips/b.avi", kFile | kAttrCanRename, "/clips/b.avi");
    pane.ShowFolder(FakeId("Clips"));  // old, zoo, a.avi, b.avi

    EXPECT_TRUE(pane.RenameRow(3, "0.avi"));
    EXPECT_EQ(Captions(pane), (std::vector<std::string>{"old", "zoo", "a.avi", "0.avi"}));
    EXPECT_EQ(pane.ItemAt(3).Absolute(), FakeId("Clips/0.avi"));

    ns.refusedNames = {"bad"};
    for (const char* name : {"bad", "a.avi"}) {
        try {
            pane.RenameRow(3, name);
            ADD_FAILURE() << name;
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(e.what(), "Rename to " + std::string(name) + " failed");
        }
    }
    EXPECT_EQ(pane.TextAt(3, 0), "0.avi");

    // An item that may not be renamed keeps its name without a word.
    EXPECT_FALSE(pane.RenameRow(0, "new"));
    EXPECT_EQ(pane.TextAt(0, 0), "old");
}

}  // namespace
}  // namespace zembo::browser
