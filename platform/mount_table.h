#pragma once
// The volumes the user has mounted: removable media and other disks below /media, /run/media and
// /mnt, as the kernel's mount table lists them.

#include <string>
#include <string_view>
#include <vector>

namespace zembo::platform {

// The mount points named in a mount table text (fstab format, "\040" escapes) that lie strictly
// below one of the folders, each once, in the table's order.
std::vector<std::string> MountPointsBelow(std::string_view mountTable,
                                          const std::vector<std::string>& folders);

// The folders below which the desktop mounts the user's volumes.
std::vector<std::string> VolumeFolders();

// The mount points of the user's volumes in the mount table file at tablePath (normally
// /proc/self/mounts); none when it cannot be read.
std::vector<std::string> MountedVolumes(const std::string& tablePath);

}  // namespace zembo::platform
