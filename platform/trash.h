#pragma once
// The desktop's trash, as the freedesktop.org trash rules lay it out: a "files" folder with the
// trashed entries and an "info" folder telling where each came from and when. Entries of the
// home volume go to the home trash; other volumes have a trash folder at their top.

#include <functional>
#include <optional>
#include <string>

#include "platform/file_tree.h"

namespace zembo::platform {

struct TrashPlaces {
    std::string homeTrash;
    // The top folder of the volume holding path when that is not the home trash's volume;
    // nullopt when it is.
    std::function<std::optional<std::string>(const std::string& path)> otherVolumeTop;
};

// $XDG_DATA_HOME/Trash (else ~/.local/share/Trash); volumes told apart by their device numbers.
TrashPlaces UserTrashPlaces();

// Moves the entry at path (a link as the link, a folder whole) into its volume's trash with its
// info file. Nothing is ever deleted: where no trash can take the entry, it stays where it is
// and error says why.
bool MoveToTrash(const std::string& path, const TrashPlaces& places, FileError& error);

}  // namespace zembo::platform
