// What the file list writes about files: sizes, types and dates.
#include <gtest/gtest.h>

#include "browser/directory_entry_details.h"
#include "browser/file_texts.h"

namespace zembo::browser {
namespace {

TEST(FileTexts, SizesInDecimalUnitsAsFileManagersShowThem) {
    EXPECT_EQ(FileSizeText(0), "0 bytes");
    EXPECT_EQ(FileSizeText(1), "1 byte");
    EXPECT_EQ(FileSizeText(999), "999 bytes");
    EXPECT_EQ(FileSizeText(1000), "1.0 kB");
    EXPECT_EQ(FileSizeText(12345678), "12.3 MB");
    // Rounding up to the next unit reads as that unit.
    EXPECT_EQ(FileSizeText(999949), "999.9 kB");
    EXPECT_EQ(FileSizeText(999950), "1.0 MB");
    EXPECT_EQ(FileSizeText(4'700'000'000ull), "4.7 GB");
    EXPECT_EQ(ByteCountText(12345678), "12,345,678");
    EXPECT_EQ(ByteCountText(123), "123");
}

TEST(FileTexts, TypesByExtension) {
    EXPECT_EQ(FileTypeText("take.avi"), "AVI video");
    EXPECT_EQ(FileTypeText("TAKE.MOV"), "QuickTime video");
    EXPECT_EQ(FileTypeText("set.zbk"), "Zembo patch");
    EXPECT_EQ(FileTypeText("archive.tar.xz"), "XZ file");
    EXPECT_EQ(FileTypeText("Makefile"), "File");
    EXPECT_EQ(FileTypeText("odd."), "File");
    EXPECT_EQ(ExtensionOf("a.b.c"), ".c");
    EXPECT_EQ(ExtensionOf("abc"), "");
}

TEST(FileTexts, TheDesktopsTypeNamesComeFirstAndTheTableFillsTheGaps) {
    struct OnlyPatches : FileTypeNames {
        std::string TypeNameOf(std::string_view name) const override {
            return ExtensionOf(name) == ".zbk" ? "Patch for Zembo" : "";
        }
    } names;
    SetFileTypeNames(&names);
    EXPECT_EQ(FileTypeText("set.zbk"), "Patch for Zembo");
    EXPECT_EQ(FileTypeText("take.avi"), "AVI video");
    SetFileTypeNames(nullptr);
    EXPECT_EQ(FileTypeText("set.zbk"), "Zembo patch");
}

TEST(FileTexts, DatesInTheLocalesFormatsWithTheFullYear) {
    std::tm t{};
    t.tm_year = 99;
    t.tm_mon = 6;
    t.tm_mday = 4;
    t.tm_hour = 17;
    t.tm_min = 5;
    t.tm_sec = 9;
    // The tests run in the C locale.
    EXPECT_EQ(ShortDateText(t), "07/04/1999");
    EXPECT_EQ(LongTimeText(t), "17:05:09");
    EXPECT_EQ(ShortTimeText(t), "17:05");
    // Modified texts drop odd seconds and leave out midnight.
    EXPECT_EQ(EntryTimeText(t), "07/04/1999 17:05:08");
    t.tm_hour = t.tm_min = 0;
    t.tm_sec = 1;
    EXPECT_EQ(EntryTimeText(t), "07/04/1999");
    EXPECT_EQ(FolderDetailsError("a.avi", 13),
              "Unable to retrieve folder details for \"a.avi\". "
              "Error code $d");
}

}  // namespace
}  // namespace zembo::browser
