// The clip list: the ".avi" rule, ticks, selection, removal, and what an observer is told.
#include <gtest/gtest.h>

#include "patch/clip_list.h"

namespace zembo {
namespace {

struct TickCase {
    const char* path;
    bool ticked;
};

void PrintTo(const TickCase& c, std::ostream* os) {
    *os << '"' << c.path << '"';
}

class AddClipTick : public testing::TestWithParam<TickCase> {};

TEST_P(AddClipTick, OnlyAnExactAviExtensionStaysUnticked) {
    ClipList list;
    list.AddClip(GetParam().path);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.PathAt(0), GetParam().path);
    EXPECT_EQ(list.IsTicked(0), GetParam().ticked);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AddClipTick,
    testing::Values(TickCase{"D:\\clips\\loop.avi", false}, TickCase{"/clips/loop.avi", false},
                    TickCase{"loop.avi", false}, TickCase{"D:\\clips\\LOOP.AVI", true},
                    TickCase{"D:\\clips\\loop.Avi", true}, TickCase{"D:\\clips\\loop.mpg", true},
                    TickCase{"D:\\clip.files\\loop", true}, TickCase{"/clip.avi/loop", true},
                    TickCase{"D:\\clips\\loop.", true}, TickCase{"D:\\clips\\loop.avi.bak", true},
                    TickCase{"c:loop.avi", false}, TickCase{"c:.avi", false},
                    TickCase{"loop.avi ", true}, TickCase{"", true}, TickCase{"Computer", true},
                    TickCase{"/", true}),
    [](const testing::TestParamInfo<TickCase>& info) {
        return "row" + std::to_string(info.index);
    });

TEST(ClipList, AppendClipIsAlwaysUnticked) {
    ClipList list;
    list.AppendClip("D:\\clips\\loop.mpg");
    list.AppendClip("/clips/loop.avi");
    EXPECT_FALSE(list.IsTicked(0));
    EXPECT_FALSE(list.IsTicked(1));
}

TEST(ClipList, TheSamePathTwiceIsTwoEntriesWithTicksOfTheirOwn) {
    ClipList list;
    list.AddClip("/c/a.mpg");
    list.AddClip("/c/a.mpg");
    list.ToggleTick(1);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_TRUE(list.IsTicked(0));
    EXPECT_FALSE(list.IsTicked(1));
}

TEST(ClipList, ToggleOutsideTheListDoesNothing) {
    ClipList list;
    list.AddClip("/c/a.avi");
    list.ToggleTick(-1);
    list.ToggleTick(1);
    EXPECT_FALSE(list.IsTicked(0));
    list.ToggleTick(0);
    EXPECT_TRUE(list.IsTicked(0));
}

TEST(ClipList, DeleteSelectedRemovesOnlyTheSelectedEntry) {
    ClipList list;
    list.AddClip("/a.avi");
    list.AddClip("/b.mpg");
    list.AddClip("/c.mov");
    list.ToggleTick(2);

    list.DeleteSelected();  // nothing selected
    EXPECT_EQ(list.Count(), 3);

    list.Select(1);
    list.DeleteSelected();
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.PathAt(0), "/a.avi");
    EXPECT_FALSE(list.IsTicked(0));
    EXPECT_EQ(list.PathAt(1), "/c.mov");
    EXPECT_FALSE(list.IsTicked(1));
    EXPECT_EQ(list.Selected(), ClipList::kNoSelection);
}

TEST(ClipList, ClearEmptiesAndDeselects) {
    ClipList list;
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    list.AddClip("/a.avi");
    list.Select(0);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Selected(), ClipList::kNoSelection);
}

TEST(ClipList, SelectingOutsideTheListSelectsNothing) {
    ClipList list;
    list.AddClip("/a.avi");
    list.Select(0);
    list.Select(5);
    EXPECT_EQ(list.Selected(), ClipList::kNoSelection);
}

TEST(ClipList, AFullListRefusesAnotherLineAndKeepsWhatItHas) {
    ClipList list(2);
    list.AddClip("/a.avi");
    list.AppendClip("/b.avi");
    try {
        list.AddClip("/c.avi");
        FAIL() << "a third entry went in";
    } catch (const EClipListError& e) {
        EXPECT_STREQ(e.what(), "Unable to insert a line");
    }
    EXPECT_THROW(list.AppendClip("/c.avi"), EClipListError);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.PathAt(1), "/b.avi");
}

class RecordingObserver : public ClipListObserver {
  public:
    void BeforeInsert(int first, int last) override { Log("+", first, last); }
    void AfterInsert() override { log.push_back("+done"); }
    void BeforeRemove(int first, int last) override { Log("-", first, last); }
    void AfterRemove() override { log.push_back("-done"); }
    void TickChanged(int index) override { log.push_back("tick" + std::to_string(index)); }
    void SelectionChanged() override { log.push_back("sel"); }
    std::vector<std::string> log;

  private:
    void Log(const char* what, int first, int last) {
        log.push_back(what + std::to_string(first) + ".." + std::to_string(last));
    }
};

TEST(ClipList, TheObserverHearsOfEveryChange) {
    ClipList list;
    RecordingObserver seen;
    list.SetObserver(&seen);
    list.AddClip("/a.avi");
    list.AppendClip("/b.avi");
    list.ToggleTick(1);
    list.Select(1);
    list.Select(1);  // no change, no news
    list.DeleteSelected();
    list.AddClip("/c.avi");
    list.Clear();
    list.Clear();  // already empty
    EXPECT_EQ(seen.log,
              (std::vector<std::string>{"+0..0", "+done", "+1..1", "+done", "tick1", "sel", "-1..1",
                                        "-done", "sel", "+1..1", "+done", "-0..1", "-done"}));
}

}  // namespace
}  // namespace zembo
