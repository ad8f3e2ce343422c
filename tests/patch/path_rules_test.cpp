// Taking paths apart: Windows paths from old patches and paths of this disk, side by side.
#include <gtest/gtest.h>

#include <set>

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
    testing::Values(PathCase{"c:\\temp.zbk", "c:\\", "temp.zbk"},
                    PathCase{"D:\\sets\\party.zbk", "D:\\sets", "party.zbk"},
                    PathCase{"D:\\sets\\", "D:\\sets", ""}, PathCase{"c:temp.zbk", "c", "temp.zbk"},
                    PathCase{"\\\\server\\share\\a.zbk", "\\\\server\\share", "a.zbk"},
                    PathCase{"c:\\\\a.zbk", "c:\\\\", "a.zbk"},
                    PathCase{"temp.zbk", "", "temp.zbk"}, PathCase{"", "", ""},
                    PathCase{"/shows/set.zbk", "/shows", "set.zbk"},
                    PathCase{"/set.zbk", "/", "set.zbk"}, PathCase{"/", "/", ""},
                    PathCase{"/shows/", "/shows", ""}, PathCase{"//set.zbk", "//", "set.zbk"},
                    PathCase{"/shows/old\\set.zbk", "/shows/old", "set.zbk"},
                    PathCase{"party_clips\\intro.avi", "party_clips", "intro.avi"},
                    PathCase{"/media/clip:1.avi", "/media/clip", "1.avi"},
                    PathCase{"rel/dir/x.avi", "rel/dir", "x.avi"}),
    [](const testing::TestParamInfo<PathCase>& info) {
        return "row" + std::to_string(info.index);
    });

TEST(PathRules, FolderPrefixKeepsTheDelimiter) {
    EXPECT_EQ(FolderPrefix("/shows/Set.zbk"), "/shows/");
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
    EXPECT_EQ(JoinPath("", "intro.avi"), "intro.avi");
}

TEST(PathRules, ResolvingTriesTheValueThenThePatchFolder) {
    std::set<std::string> files = {"/media/intro.avi", "/sets/party_clips/intro.avi",
                                   "/sets/loop.avi"};
    auto exists = [&](const std::string& p) { return files.count(p) > 0; };

    ResolvedPath own = ResolveStoredPath("/media/intro.avi", "/sets", exists);
    EXPECT_TRUE(own.found);
    EXPECT_EQ(own.path, "/media/intro.avi");

    ResolvedPath rel = ResolveStoredPath("party_clips\\intro.avi", "/sets", exists);
    EXPECT_TRUE(rel.found);
    EXPECT_EQ(rel.path, "/sets/party_clips/intro.avi");

    ResolvedPath bare = ResolveStoredPath("loop.avi", "/sets/", exists);
    EXPECT_TRUE(bare.found);
    EXPECT_EQ(bare.path, "/sets/loop.avi");

    ResolvedPath none = ResolveStoredPath("END", "/sets", exists);
    EXPECT_FALSE(none.found);
    EXPECT_EQ(none.path, "/sets/END");

    ResolvedPath windows = ResolveStoredPath("C:\\Media\\intro.avi", "/sets", exists);
    EXPECT_FALSE(windows.found);
    EXPECT_EQ(windows.path, "/sets/C:/Media/intro.avi");
}

}  // namespace
}  // namespace zembo
