#pragma once
// What the file list needs of a shell namespace: the children of a folder, their order, their
// attributes, names, icons and detail columns, opening an item with its default action, the
// commands of an item's context menu, and renaming.
// Folders are named by their identifier from the desktop; items within a folder by their
// identifier relative to it (from the desktop, that may be several elements long).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "browser/item_id.h"

namespace zembo::browser {

using ItemAttributes = std::uint8_t;
inline constexpr ItemAttributes kAttrFolder = 1;
inline constexpr ItemAttributes kAttrCanRename = 2;
inline constexpr ItemAttributes kAttrFileSystem = 4;

enum class NameKind {
    kInFolder,    // the name within its folder: a row's caption
    kForParsing,  // a file-system path, or kVirtualParsingPrefix... for a virtual item
    kNormal,      // the plain display name
};

// Parsing names of items that are no file-system object begin with this.
inline constexpr const char* kVirtualParsingPrefix = "::{";

// Which picture the views draw for an item.
enum class IconKind : std::uint8_t { kFile, kFolder, kDrive, kHome, kComputer, kDesktop };

enum class ColumnAlign : std::uint8_t { kLeft, kRight, kCenter };

struct DetailColumn {
    std::string title;
    ColumnAlign align = ColumnAlign::kLeft;
    int widthChars = 0;  // in widths of "X"
    bool shownByDefault = false;
};

// A folder's detail columns, bound to that folder.
class FolderDetails {
  public:
    virtual ~FolderDetails() = default;
    // The column at index (0 the name column), or nullopt past the last one.
    virtual std::optional<DetailColumn> Column(int index) const = 0;
    // The text of column for a child of the folder; nullopt when it cannot be had.
    virtual std::optional<std::string> Text(const ItemId& child, int column) const = 0;
};

// The verbs of an item's commands that the file list looks at.
inline constexpr const char* kVerbOpen = "open";
inline constexpr const char* kVerbOpenWith = "openwith";
inline constexpr const char* kVerbCut = "cut";
inline constexpr const char* kVerbCopy = "copy";
inline constexpr const char* kVerbPaste = "paste";
inline constexpr const char* kVerbDelete = "delete";
inline constexpr const char* kVerbRename = "rename";
inline constexpr const char* kVerbProperties = "properties";

// One entry of an item's context menu.
struct ShellCommand {
    std::string verb;      // what it does; empty for a separator line
    std::string text;      // what the menu shows
    std::string icon;      // a theme icon name or an icon file's path; may be empty
    std::string argument;  // which one, where a verb has several (the application to open with)
    bool submenu = false;  // it opens a submenu, whose entries are asked for when it opens
};

class ShellNamespace {
  public:
    virtual ~ShellNamespace() = default;

    // The children of folder, in no particular order, hidden ones left out; nullopt when the
    // folder cannot be listed, with the reason recorded as the last system error.
    virtual std::optional<std::vector<ItemId>> Children(const ItemId& folder) = 0;

    // The identifier from the desktop of the folder that holds the disks (Computer); empty when
    // the namespace has none.
    virtual ItemId ComputerId() const = 0;

    // The order of two items of folder by column (0 the name): negative puts a first; 0 only for
    // the same item.
    virtual int CompareIds(const ItemId& folder, int column, const ItemId& a,
                           const ItemId& b) const = 0;

    virtual ItemAttributes Attributes(const ItemId& folder, const ItemId& item) const = 0;
    virtual std::string DisplayName(const ItemId& folder, const ItemId& item,
                                    NameKind kind) const = 0;
    virtual IconKind Icon(const ItemId& folder, const ItemId& item) const = 0;

    // The detail interface of folder; nullptr when it has none.
    virtual std::unique_ptr<FolderDetails> Details(const ItemId& folder) const = 0;

    // Opens the item with the program the desktop associates with it; the outcome is not told.
    virtual void OpenWithDefaultAction(const ItemId& item) = 0;

    // The commands of item's context menu, in menu order.
    virtual std::vector<ShellCommand> ContextMenu(const ItemId& folder, const ItemId& item) = 0;
    // The entries of command's submenu.
    virtual std::vector<ShellCommand> SubMenu(const ItemId& folder, const ItemId& item,
                                              const ShellCommand& command) = 0;
    // Carries out a command of item's context menu or submenu. False when it failed; the
    // namespace tells the user why itself.
    virtual bool InvokeCommand(const ItemId& folder, const ItemId& item,
                               const ShellCommand& command) = 0;

    // Gives item the name, never replacing another item. Its new identifier relative to folder,
    // or nullopt when the namespace refuses the name or the renaming fails.
    virtual std::optional<ItemId> SetNameOf(const ItemId& folder, const ItemId& item,
                                            const std::string& name) = 0;
};

}  // namespace zembo::browser
