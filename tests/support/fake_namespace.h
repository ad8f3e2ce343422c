#pragma once
// A shell namespace of the test's own making: items named by slash-separated paths from the
// desktop ("Videos/clip.avi"), each element of an identifier one name. Names order byte-wise.

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "browser/shell_namespace.h"

namespace zembo::test {

// The identifier of a slash-separated path from the desktop ("" for the desktop).
browser::ItemId FakeId(const std::string& path);

class FakeNamespace : public browser::ShellNamespace {
  public:
    // Adds the item at path with the given attributes. parsingName is what the item's parsing
    // name is (a path on disk); empty makes the item virtual.
    void Add(const std::string& path, browser::ItemAttributes attributes,
             const std::string& parsingName = {});
    void Remove(const std::string& path);
    // Makes the folder's listing fail.
    void FailListing(const std::string& folder) { failing_.insert(folder); }
    // Gives the folder a detail interface with these columns; the text of column c for an item
    // is "<name>:<c>", and nothing for the columns in failingColumns.
    void SetColumns(const std::string& folder, std::vector<browser::DetailColumn> columns,
                    std::set<int> failingColumns = {});
    // Which folder holds the disks.
    void SetComputer(const std::string& path) { computer_ = path; }
    // Attributes of the desktop itself.
    void SetDesktopAttributes(browser::ItemAttributes attributes) { desktopAttrs_ = attributes; }

    std::optional<std::vector<browser::ItemId>> Children(const browser::ItemId& folder) override;
    browser::ItemId ComputerId() const override;
    int CompareIds(const browser::ItemId& folder, int column, const browser::ItemId& a,
                   const browser::ItemId& b) const override;
    browser::ItemAttributes Attributes(const browser::ItemId& folder,
                                       const browser::ItemId& item) const override;
    std::string DisplayName(const browser::ItemId& folder, const browser::ItemId& item,
                            browser::NameKind kind) const override;
    browser::IconKind Icon(const browser::ItemId& folder,
                           const browser::ItemId& item) const override;
    std::unique_ptr<browser::FolderDetails> Details(const browser::ItemId& folder) const override;
    void OpenWithDefaultAction(const browser::ItemId& item) override;
    // Every item offers the same commands: "<verb>" entries, a submenu of "openwith" included.
    std::vector<browser::ShellCommand> ContextMenu(const browser::ItemId& folder,
                                                   const browser::ItemId& item) override;
    std::vector<browser::ShellCommand> SubMenu(const browser::ItemId& folder,
                                               const browser::ItemId& item,
                                               const browser::ShellCommand& command) override;
    bool InvokeCommand(const browser::ItemId& folder, const browser::ItemId& item,
                       const browser::ShellCommand& command) override;
    std::optional<browser::ItemId> SetNameOf(const browser::ItemId& folder,
                                             const browser::ItemId& item,
                                             const std::string& name) override;

    // A command carried out: "<verb> <path from the desktop>", and the current directory then.
    struct Invoked {
        std::string command;
        std::string directory;
    };
    std::vector<Invoked> invoked;
    bool commandsSucceed = true;
    std::set<std::string> refusedNames;  // names SetNameOf refuses

    std::vector<std::string> opened;  // paths (from the desktop) of the items opened
    int listings = 0;                 // calls of Children
    mutable int detailTexts = 0;      // detail texts handed out
    std::function<void()> whileListing;

  private:
    struct Node {
        browser::ItemAttributes attributes = 0;
        std::string parsingName;
    };
    struct Columns {
        std::vector<browser::DetailColumn> columns;
        std::set<int> failing;
    };
    class FakeDetails;

    const Node* Find(const browser::ItemId& id) const;

    std::map<std::string, Node> nodes_;  // by path from the desktop
    std::map<std::string, Columns> columns_;
    std::set<std::string> failing_;
    std::string computer_;
    browser::ItemAttributes desktopAttrs_ = browser::kAttrFolder;
};

}  // namespace zembo::test
