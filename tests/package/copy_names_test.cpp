// Copy names taken once per run.
#include <gtest/gtest.h>

#include "package/copy_names.h"
#include "package/package_folders.h"

namespace zembo {
namespace {

TEST(CopyNames, ADifferentSourceWithATakenNameGetsTheFirstFreeNumber) {
    CopyNames names([](const std::string&, const std::string&) { return false; });
    EXPECT_EQ(names.NameFor("/a/intro.avi", "intro.avi"), "intro.avi");
    EXPECT_EQ(names.NameFor("/b/intro.avi", "intro.avi"), "intro_2.avi");
    EXPECT_EQ(names.NameFor("/c/INTRO.avi", "INTRO.avi"), "INTRO_3.avi");
    EXPECT_EQ(names.NameFor("/d/intro_2.avi", "intro_2.avi"), "intro_2_2.avi");
    EXPECT_EQ(names.NameFor("/a/intro.avi", "intro.avi"), "intro.avi");
}

TEST(CopyNames, OneFileUnderTwoPathsIsOneSource) {
    CopyNames names([](const std::string& a, const std::string& b) {
        return (a == "/x/hard.avi" && b == "/y/link.avi") ||
               (a == "/y/link.avi" && b == "/x/hard.avi");
    });
    EXPECT_EQ(names.NameFor("/x/hard.avi", "hard.avi"), "hard.avi");
    EXPECT_EQ(names.NameFor("/y/link.avi", "link.avi"), "hard.avi");
}

TEST(CopyNames, AReservedNameStaysWithItsFile) {
    CopyNames names([](const std::string&, const std::string&) { return false; });
    names.Reserve("/shows/Set_clips/intro.avi", "intro.avi");
    EXPECT_EQ(names.NameFor("/media/intro.avi", "intro.avi"), "intro_2.avi");
    EXPECT_EQ(names.NameFor("/shows/Set_clips/intro.avi", "intro.avi"), "intro.avi");
}

TEST(CopyNames, NumbersGoBeforeTheExtension) {
    EXPECT_EQ(NumberedName("intro.avi", 2), "intro_2.avi");
    EXPECT_EQ(NumberedName("a.b.avi", 3), "a.b_3.avi");
    EXPECT_EQ(NumberedName("END", 2), "END_2");
    EXPECT_EQ(NumberedName(".avi", 2), ".avi_2");
}

TEST(PackageFolders, TheCutTouchesTheNewPatchsOwnNameOnly) {
    PackageFolder f = PackageFolderFor("/shows/Old.zbk files/Set.zbk", "_clips");
    EXPECT_EQ(f.path, "/shows/Old.zbk files/Set_clips");
    EXPECT_EQ(f.prefix, "/shows/Old.zbk files/Set_clips/");
    EXPECT_EQ(f.relative, "Set_clips");
    EXPECT_EQ(f.ValueFor("intro.avi", true), "Set_clips\\intro.avi");
    EXPECT_EQ(f.ValueFor("intro.avi", false), "/shows/Old.zbk files/Set_clips/intro.avi");

    EXPECT_EQ(PackageFolderFor("/s/show.ZBK", "_mattes").path, "/s/show_mattes");
    EXPECT_EQ(PackageFolderFor("/s/my.zbk.zbk", "_clips").relative, "my.zbk_clips");
    EXPECT_EQ(PackageFolderFor("/s/live.txt", "_clips").path, "/s/live.txt_clips");
    EXPECT_EQ(PackageFolderFor("/Set.zbk", "_clips").prefix, "/Set_clips/");
}

}  // namespace
}  // namespace zembo
