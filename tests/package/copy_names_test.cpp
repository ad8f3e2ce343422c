// Copy names taken once per run.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

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

TEST(CopyNames, NamesWindowsRefusesAreMadeSafe) {
    const std::vector<std::pair<std::string, std::string>> table = {
        {"intro.avi", "intro.avi"},
        {"a:b.avi", "a_b.avi"},
        {"back\\slash.avi", "back_slash.avi"},
        {"why?*\"<>|.avi", "why______.avi"},
        {"tab\tbell\x07.avi", "tab_bell_.avi"},
        {"trail.avi. . ", "trail.avi"},
        {"dots...", "dots"},
        {"...", "_"},
        {"CON", "CON_"},
        {"con.avi", "con_.avi"},
        {"Lpt9.tar.gz", "Lpt9_.tar.gz"},
        {"aux .avi", "aux_ .avi"},
        {"COM0.avi", "COM0.avi"},
        {"CONSOLE.avi", "CONSOLE.avi"},
        {"caf\xc3\xa9.avi", "caf\xc3\xa9.avi"},
    };
    for (const auto& [name, safe] : table) {
        EXPECT_EQ(WindowsSafeName(name), safe) << name;
    }
}

TEST(CopyNames, LongNamesKeepTheirExtensionAndTheirNumberWithinTheLimit) {
    // "é" straddling the cut: the stem gives way, a sequence is never split.
    const std::string name = std::string(250, 'a') + "\xc3\xa9" + "bb.avi";
    EXPECT_EQ(WindowsSafeName(name), std::string(250, 'a') + ".avi");

    const std::string full = std::string(251, 'x') + ".avi";  // exactly 255 bytes
    CopyNames names([](const std::string&, const std::string&) { return false; });
    EXPECT_EQ(names.NameFor("/a/" + full, WindowsSafeName(full)), full);
    EXPECT_EQ(names.NameFor("/b/" + full, WindowsSafeName(full)), std::string(249, 'x') + "_2.avi");
    EXPECT_EQ(NumberedName(std::string(247, 'y') + "\xc3\xa9" + "z.avi", 10),
              std::string(247, 'y') + "_10.avi");
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
    // ":" and "\" are characters of a name here: the whole name makes the folder.
    PackageFolder odd = PackageFolderFor("/s/show 10:30.zbk", "_clips");
    EXPECT_EQ(odd.path, "/s/show 10:30_clips");
    EXPECT_EQ(odd.ValueFor("a_b.avi", true), "show 10:30_clips\\a_b.avi");
}

}  // namespace
}  // namespace zembo
