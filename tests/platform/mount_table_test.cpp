// The user's volumes as the kernel's mount table lists them.
#include "platform/mount_table.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

namespace zembo::platform {
namespace {

using test::TempDir;
using test::WriteFile;

TEST(MountTable, VolumesBelowTheMediaFoldersEachOnce) {
    const std::string table =
        "/dev/sda1 / ext4 rw 0 0\n"
        "/dev/sdb1 /media/u/USB\\040STICK vfat rw 0 0\n"
        "tmpfs /run tmpfs rw 0 0\n"
        "/dev/sdc1 /run/media/u/Card exfat rw 0 0\n"
        "/dev/sdd1 /mnt ext4 rw 0 0\n"
        "/dev/sde1 /mnt/backup ext4 rw 0 0\n"
        "/dev/sde1 /mnt/backup ext4 rw 0 0\n"
        "/dev/sdf1 /mediafiles ext4 rw 0 0\n"
        "broken-line\n";
    EXPECT_EQ(MountPointsBelow(table, VolumeFolders()),
              (std::vector<std::string>{"/media/u/USB STICK", "/run/media/u/Card", "/mnt/backup"}));
    TempDir dir;
    WriteFile(dir / "mounts", table);
    EXPECT_EQ(MountedVolumes(dir / "mounts").size(), 3u);
    EXPECT_TRUE(MountedVolumes(dir / "none").empty());
}

}  // namespace
}  // namespace zembo::platform
