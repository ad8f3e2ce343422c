#pragma once
// The texts a file manager shows about a file: its size, its type, its dates.

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

namespace zembo::browser {

// A size in decimal units, one decimal: "1 byte", "532 bytes", "12.3 kB", "12.3 MB", "1.0 GB".
std::string FileSizeText(std::uint64_t bytes);

// A byte count with thousands separators: "12,345,678".
std::string ByteCountText(std::uint64_t bytes);

// Where the names of file types come from first: the desktop's own type database, which the
// user interface supplies. An empty answer leaves the name to the built-in table.
class FileTypeNames {
  public:
    virtual ~FileTypeNames() = default;
    virtual std::string TypeNameOf(std::string_view fileName) const = 0;
};

// The names FileTypeText asks first; nullptr: the table alone. Not owned; it must outlive its use.
void SetFileTypeNames(const FileTypeNames* names);

// What kind of file a name stands for: the name the type names give, else by its extension:
// "AVI video", "PNG image", "Zembo patch", "<EXT> file" for other extensions, "File" without one.
std::string FileTypeText(std::string_view fileName);

// The extension of a file name from its last "." on, the "." included; empty without one.
std::string_view ExtensionOf(std::string_view fileName);

// Dates and times in the user's (LC_TIME) formats. The short date always has the full year.
std::string ShortDateText(const std::tm& local);
std::string LongTimeText(const std::tm& local);
// The time without its seconds.
std::string ShortTimeText(const std::tm& local);

// The short date and the short time of a moment, in local time; empty when it cannot be turned.
std::string ShortDateTimeText(std::time_t when);

}  // namespace zembo::browser
