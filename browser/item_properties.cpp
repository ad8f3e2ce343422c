#include "browser/item_properties.h"

#include <sys/stat.h>

#include "browser/file_texts.h"

namespace zembo::browser {

ItemProperties ReadItemProperties(std::string name, const std::string& fullPath,
                                  std::string location, ItemAttributes attributes) {
    ItemProperties p;
    p.location = std::move(location);
    const bool folder = (attributes & kAttrFolder) != 0;
    if ((attributes & kAttrFileSystem) == 0) {
        p.type = folder ? "System Folder" : "";
        p.name = std::move(name);
        return p;
    }
    p.type = folder ? "Folder" : FileTypeText(name);
    p.name = std::move(name);
    struct stat st {};
    if (stat(fullPath.c_str(), &st) != 0) {
        return p;
    }
    if (!S_ISDIR(st.st_mode)) {
        const auto bytes = static_cast<std::uint64_t>(st.st_size);
        p.size = FileSizeText(bytes);
        if (bytes >= 1000) {
            p.size += " (" + ByteCountText(bytes) + " bytes)";
        }
    }
    p.modified = ShortDateTimeText(st.st_mtime);
    return p;
}

}  // namespace zembo::browser
