// The location combo box's entries over a namespace of the test's own: the standard entries, the
// chain down to the folder the list shows, following the list and choosing an entry.
#include "browser/location_entries.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "browser/file_list_pane.h"
#include "tests/support/fake_list_control.h"
#include "tests/support/fake_namespace.h"

namespace zembo::browser {
namespace {

using test::FakeId;

constexpr ItemAttributes kFolder = kAttrFolder | kAttrFileSystem;

class LocationEntriesTest : public testing::Test {
  protected:
    void SetUp() override {
        for (const char* folder :
             {"Home", "Zeta", "Computer", "Computer/Root", "Computer/USB", "Computer/USB/a",
              "Computer/USB/a/b", "Computer/USB/a/b/c", "Home/Videos"}) {
            ns.Add(folder, kFolder);
        }
        ns.Add("notes.txt", kAttrFileSystem);
        ns.Add("Computer/USB/clip.avi", kAttrFileSystem);
        ns.SetComputer("Computer");
        entries.SetChangeHooks([] {}, [this] { ++changes; });
        pane.SetFollower([this](const ItemId& folder) { entries.Follow(folder); });
    }

    // "caption:level" of every entry, the selected one marked with "*".
    std::vector<std::string> Shown() const {
        std::vector<std::string> shown;
        for (int i = 0; i < entries.Count(); ++i) {
            shown.push_back((i == entries.Selected() ? "*" : "") + entries.CaptionAt(i) + ":" +
                            std::to_string(entries.LevelAt(i)));
        }
        return shown;
    }

    test::FakeNamespace ns;
    test::FakeListControl control;
    FileListPane pane{ns, control};
    LocationEntries entries{ns, pane.Desktop()};
    int changes = 0;
};

TEST_F(LocationEntriesTest, TheDesktopItsFoldersAndComputersDisksBelowComputer) {
    entries.Build();
    EXPECT_EQ(Shown(), (std::vector<std::string>{"*Desktop:0", "Computer:1", "Root:2", "USB:2",
                                                 "Home:1", "Zeta:1"}));
}

TEST_F(LocationEntriesTest, AFolderBelowAVolumeGetsItsChainEachOneLevelDeeper) {
    entries.Build();
    pane.ShowFolder(FakeId("Computer/USB/a/b/c"));
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Desktop:0", "Computer:1", "Root:2", "USB:2",
                                                 "a:3", "b:4", "*c:5", "Home:1", "Zeta:1"}));
    EXPECT_EQ(entries.FolderAt(entries.Selected()), FakeId("Computer/USB/a/b/c"));

    // A standard folder is selected where it stands; going up shortens the chain.
    pane.ShowFolder(FakeId("Computer/USB"));
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Desktop:0", "Computer:1", "Root:2", "*USB:2",
                                                 "Home:1", "Zeta:1"}));
    pane.ShowFolder(FakeId("Home/Videos"));
    EXPECT_EQ(Shown()[5], "*Videos:2");
}

TEST_F(LocationEntriesTest, FollowingTheSelectedFolderAgainChangesNothing) {
    entries.Build();
    pane.ShowFolder(FakeId("Computer/USB/a"));
    const int listings = ns.listings;
    const int before = changes;
    pane.RefreshFolder();
    entries.Follow(FakeId("Computer/USB/a"));
    EXPECT_EQ(changes, before);
    EXPECT_EQ(ns.listings, listings + 1);  // the list's own reading only
}

TEST_F(LocationEntriesTest, ChoosingShowsTheFolderOnceTheDropDownIsClosed) {
    entries.Build();
    pane.ShowFolder(FakeId("Computer/USB/a/b"));
    std::vector<ItemId> shown;
    auto show = [&](const ItemId& folder) {
        shown.push_back(folder);
        pane.ShowFolder(folder);
    };

    // Still open: the entries follow the choice, the list does not.
    entries.Choose(6, true, show);  // Home
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(Shown()[4], "*Home:1");
    EXPECT_EQ(pane.CurrentFolderId(), FakeId("Computer/USB/a/b"));

    // Choosing the desktop collapses the chain; the list's request to follow finds it selected.
    const int before = changes;
    entries.Choose(0, false, show);
    EXPECT_EQ(shown, std::vector<ItemId>{ItemId()});
    EXPECT_EQ(pane.CurrentFolderId(), ItemId());
    EXPECT_EQ(changes, before + 1);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"*Desktop:0", "Computer:1", "Root:2", "USB:2",
                                                 "Home:1", "Zeta:1"}));

    // Choosing the folder the list shows lists nothing again.
    const int listings = ns.listings;
    entries.Choose(0, false, show);
    EXPECT_EQ(ns.listings, listings + 2);  // the desktop and Computer for the entries alone
}

TEST_F(LocationEntriesTest, AFailedListingRaisesTheSystemsTextAndKeepsWhatWasBuilt) {
    ns.FailListing("Computer");
    try {
        entries.Build();
        FAIL() << "no error raised";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Permission denied");
    }
    EXPECT_EQ(Shown(), (std::vector<std::string>{"*Desktop:0", "Computer:1", "Home:1", "Zeta:1"}));
}

}  // namespace
}  // namespace zembo::browser
