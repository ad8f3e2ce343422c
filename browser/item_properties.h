#pragma once
// What the properties window tells about an item of the file list.

#include <string>

#include "browser/shell_namespace.h"

namespace zembo::browser {

struct ItemProperties {
    std::string name;
    std::string type;
    std::string size;      // e.g. "12.3 MB (12,345,678 bytes)"; empty for folders
    std::string location;  // the folder the item is listed in
    std::string modified;
};

// The properties of the item named name, at fullPath, listed in location. Items on disk are read
// from their directory entry; what cannot be read stays empty.
ItemProperties ReadItemProperties(std::string name, const std::string& fullPath,
                                  std::string location, ItemAttributes attributes);

}  // namespace zembo::browser
