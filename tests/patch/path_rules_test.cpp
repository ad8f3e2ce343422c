// Taking paths apart: Windows paths from old patches and paths of this disk, side by side.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "patch/path_rules.h"

namespace zembo {
namespace {

struct PathCase {
    const char* path;
    const char* folder;
    const char* fileName;
};

void PrintTo(const PathCase& c, std::ostream* os) {
    *os << '"' << c.path << '"';
}

class PathParts : public testing::TestWithParam<PathCase> {};

TEST_P(PathParts, FolderAndFileName) {
    const PathCase& c = GetParam();
    EXPECT_EQ(FolderPart(c.path), c.folder) << c.path;
    EXPECT_EQ(FileNamePart(c.path), c.fileName) << c.path;
}

INSTANTIATE_TEST_SUITE_P(
    Table, PathParts,
    testing::Values(
        // Windows values and bare names: "\" and ":" delimit, drive and share roots stay.
        PathCase{"c:\\temp.zbk", "c:\\", "temp.zbk"},
        PathCase{"D:\\sets\\party.zbk", "D:\\sets", "party.zbk"},
        PathCase{"D:\\sets\\", "D:\\sets", ""}, PathCase{"c:temp.zbk", "c", "temp.zbk"},
        PathCase{"\\\\server\\share\\a.zbk", "\\\\server\\share", "a.zbk"},
        PathCase{"c:\\\\a.zbk", "c:\\\\", "a.zbk"},
        PathCase{"party_clips\\intro.avi", "party_clips", "intro.avi"},
        PathCase{"a:b.avi", "a", "b.avi"}, PathCase{"temp.zbk", "", "temp.zbk"},
        PathCase{"", "", ""},
        // Paths of this disk: "/" alone delimits; ":" and "\" are characters of a name.
        PathCase{"/shows/set.zbk", "/shows", "set.zbk"}, PathCase{"/set.zbk", "/", "set.zbk"},
        PathCase{"/", "/", ""}, PathCase{"/shows/", "/shows", ""},
        PathCase{"//set.zbk", "//", "set.zbk"}, PathCase{"rel/dir/x.avi", "rel/dir", "x.avi"},
        PathCase{"/shows/show 10:30.zbk", "/shows", "show 10:30.zbk"},
        PathCase{"/shows/old\\set.zbk", "/shows", "old\\set.zbk"},
        PathCase{"/media/clip:1.avi", "/media", "clip:1.avi"},
        PathCase{"/media/c:/x.avi", "/media/c:", "x.avi"},
        PathCase{"/odd\\/x.avi", "/odd\\", "x.avi"},
        // Mixed: a "/" makes it a path of this disk, a drive root keeps its separator.
        PathCase{"D:\\sets/a.avi", "D:\\sets", "a.avi"},
        PathCase{"c:/temp.zbk", "c:/", "temp.zbk"}),
    [](const testing::TestParamInfo<PathCase>& info) {
        return "row" + std::to_string(info.index);
    });

TEST(PathRules, FolderPrefixKeepsTheDelimiter) {
    EXPECT_EQ(FolderPrefix("/shows/Set.zbk"), "/shows/");
    EXPECT_EQ(FolderPrefix("/shows/a\\b:Set.zbk"), "/shows/");
    EXPECT_EQ(FolderPrefix("D:\\Set.zbk"), "D:\\");
    EXPECT_EQ(FolderPrefix("Set.zbk"), "");
}

TEST(PathRules, ExtensionCutRemovesTheFirstZbkInAnyCase) {
    EXPECT_EQ(ExtensionCut("party.zbk"), "party");
    EXPECT_EQ(ExtensionCut("show.ZBK"), "show");
    EXPECT_EQ(ExtensionCut("my.zbk.zbk"), "my.zbk");
    EXPECT_EQ(ExtensionCut("live.txt"), "live.txt");
    EXPECT_EQ(ExtensionCut("D:\\Old.zbk Files\\Set.zbk"), "D:\\Old Files\\Set.zbk");
    EXPECT_EQ(ExtensionCut(".Zbk"), "");
    EXPECT_EQ(ExtensionCut(".zb"), ".zb");
}

TEST(PathRules, StoredBackslashesCountAsSlashesOnThisDisk) {
    EXPECT_EQ(ToLocalPath("party_clips\\intro.avi"), "party_clips/intro.avi");
    EXPECT_EQ(ToLocalPath("/a/b.avi"), "/a/b.avi");
}

TEST(PathRules, JoinAddsOneSlashOnly) {
    EXPECT_EQ(JoinPath("/shows", "intro.avi"), "/shows/intro.avi");
    EXPECT_EQ(JoinPath("/shows/", "intro.avi"), "/shows/intro.avi");
    EXPECT_EQ(JoinPath("/", "intro.avi"), "/intro.avi");
    EXPECT_EQ(JoinPath("c:\\", "intro.avi"), "c:\\intro.avi");
    EXPECT_EQ(JoinPath("/odd\\", "intro.avi"), "/odd\\/intro.avi");  // "\" of a name here
    EXPECT_EQ(JoinPath("", "intro.avi"), "intro.avi");
}

TEST(PathRules, AValueReachesItsFileAsItStandsThenWithSlashesAndNeverInTheCurrentFolder) {
    std::set<std::string> files = {"/media/intro.avi",     "/sets/party_clips/intro.avi",
                                   "/sets/loop.avi",       "/sets/back\\slash.avi",
                                   "/sets/back/slash.avi", "/media/a\\b.avi"};
    auto exists = [&](const std::string& p) { return files.count(p) > 0; };
    auto expect = [&](const char* value, const char* folder, const char* path, bool found) {
        const ResolvedPath r = ResolveStoredPath(value, folder, exists);
        EXPECT_EQ(r.path, path) << value;
        EXPECT_EQ(r.found, found) << value;
    };
    expect("/media/intro.avi", "/sets", "/media/intro.avi", true);
    expect("party_clips\\intro.avi", "/sets", "/sets/party_clips/intro.avi", true);
    expect("loop.avi", "/sets/", "/sets/loop.avi", true);
    expect("back\\slash.avi", "/sets", "/sets/back\\slash.avi", true);  // as it stands first
    expect("/media/a\\b.avi", "/sets", "/media/a\\b.avi", true);
    // Not found: the last place looked at; a full value is never joined to the folder.
    expect("END", "/sets", "/sets/END", false);
    expect("/nowhere/gone.avi", "/sets", "/nowhere/gone.avi", false);
    expect("C:\\Media\\intro.avi", "/sets", "/sets/C:/Media/intro.avi", false);
    // Without a folder of this disk a relative value names no place at all.
    expect("loop.avi", "", "loop.avi", false);
    expect("loop.avi", "D:\\sets", "loop.avi", false);
    EXPECT_EQ(PlacesNamedBy("x\\y.avi", "/s"),
              (std::vector<std::string>{"/s/x\\y.avi", "/s/x/y.avi"}));
}

}  // namespace
}  // namespace zembo
