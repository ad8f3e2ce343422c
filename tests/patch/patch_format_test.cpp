// Reading the slots of a patch file.
#include <gtest/gtest.h>

#include "patch/patch_format.h"
#include "tests/support/temp_dir.h"

namespace zembo {
namespace {

std::vector<std::pair<int, std::string>> FilledSlots(const std::string& file) {
    TIniFile patch(file);
    std::vector<std::pair<int, std::string>> out;
    for (int slot = 1; slot <= zbk::kSlotCount; ++slot) {
        if (auto clip = zbk::ReadSlotClip(patch, slot)) {
            out.emplace_back(slot, *clip);
        }
    }
    return out;
}

TEST(PatchSlots, SlotKeysAreOneToSixteenWithoutLeadingZeros) {
    EXPECT_EQ(zbk::SlotKey(1), "1");
    EXPECT_EQ(zbk::SlotKey(16), "16");
}

TEST(PatchSlots, GapsMarkersAndForeignKeys) {
    test::TempDir dir;
    test::WriteFile(dir / "p.zbk",
                    "[Filenames]\r\n1=a.avi\r\n2=b.avi\r\n3=end\r\n4=END\r\n5=e.avi\r\n"
                    "6=\r\n07=zero.avi\r\n17=high.avi\r\n16=last.avi\r\n");
    using Slots = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(FilledSlots(dir / "p.zbk"),
              (Slots{{1, "a.avi"}, {2, "b.avi"}, {4, "END"}, {5, "e.avi"}, {16, "last.avi"}}));
}

TEST(PatchSlots, AMissingFileOrSectionHasNoSlots) {
    test::TempDir dir;
    EXPECT_TRUE(FilledSlots(dir / "none.zbk").empty());
    test::WriteFile(dir / "p.zbk", "[Version]\r\nZBK=Low1\r\n");
    EXPECT_TRUE(FilledSlots(dir / "p.zbk").empty());
}

TEST(PatchSlots, MattesDefaultToEmpty) {
    test::TempDir dir;
    test::WriteFile(dir / "p.zbk", "[StencilFilenames]\r\n2=mask.bmp\r\n3=\r\n");
    TIniFile patch(dir / "p.zbk");
    EXPECT_EQ(zbk::ReadSlotMatte(patch, 1), "");
    EXPECT_EQ(zbk::ReadSlotMatte(patch, 2), "mask.bmp");
    EXPECT_EQ(zbk::ReadSlotMatte(patch, 3), "");
}

TEST(PatchSlots, TicksMapToSourceSystems) {
    EXPECT_EQ(zbk::SourceSystemFor(true), "ssDS");
    EXPECT_EQ(zbk::SourceSystemFor(false), "ssVFW");
}

}  // namespace
}  // namespace zembo
