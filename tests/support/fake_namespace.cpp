#include "tests/support/fake_namespace.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

#include "platform/last_error.h"

namespace zembo::test {
namespace {

using browser::ItemId;

std::string PathOf(const ItemId& id) {
    std::string path;
    id.ForEachElement([&](std::string_view e) {
        if (!path.empty()) {
            path.push_back('/');
        }
        path.append(e);
    });
    return path;
}

std::string ParentPath(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

ItemId FakeId(const std::string& path) {
    ItemId id;
    std::size_t start = 0;
    while (start < path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos) {
            end = path.size();
        }
        id = id + ItemId::FromElement(std::string_view(path).substr(start, end - start));
        start = end + 1;
    }
    return id;
}

class FakeNamespace::FakeDetails : public browser::FolderDetails {
  public:
    FakeDetails(const FakeNamespace& ns, const Columns& columns) : ns_(ns), columns_(columns) {}
    std::optional<browser::DetailColumn> Column(int index) const override {
        if (index < 0 || static_cast<std::size_t>(index) >= columns_.columns.size()) {
            return std::nullopt;
        }
        return columns_.columns[static_cast<std::size_t>(index)];
    }
    std::optional<std::string> Text(const ItemId& child, int column) const override {
        ++ns_.detailTexts;
        if (columns_.failing.count(column) != 0) {
            return std::nullopt;
        }
        return std::string(child.LastElement()) + ":" + std::to_string(column);
    }

  private:
    const FakeNamespace& ns_;
    const Columns& columns_;
};

void FakeNamespace::Add(const std::string& path, browser::ItemAttributes attributes,
                        const std::string& parsingName) {
    nodes_[path] = Node{attributes, parsingName};
}

void FakeNamespace::Remove(const std::string& path) {
    nodes_.erase(path);
}

void FakeNamespace::SetColumns(const std::string& folder,
                               std::vector<browser::DetailColumn> columns,
                               std::set<int> failingColumns) {
    columns_[folder] = Columns{std::move(columns), std::move(failingColumns)};
}

const FakeNamespace::Node* FakeNamespace::Find(const ItemId& id) const {
    auto it = nodes_.find(PathOf(id));
    return it == nodes_.end() ? nullptr : &it->second;
}

std::optional<std::vector<ItemId>> FakeNamespace::Children(const ItemId& folder) {
    ++listings;
    if (whileListing) {
        whileListing();
    }
    const std::string path = PathOf(folder);
    if (failing_.count(path) != 0) {
        platform::SetLastError(EACCES);
        return std::nullopt;
    }
    std::vector<ItemId> children;
    for (const auto& [itemPath, node] : nodes_) {
        if (ParentPath(itemPath) == path && itemPath != path) {
            children.push_back(FakeId(itemPath).Last());
        }
    }
    // Deliver them in an order the list must not rely on.
    std::reverse(children.begin(), children.end());
    return children;
}

ItemId FakeNamespace::ComputerId() const {
    return computer_.empty() ? ItemId() : FakeId(computer_);
}

int FakeNamespace::CompareIds(const ItemId& /*folder*/, int /*column*/, const ItemId& a,
                              const ItemId& b) const {
    const std::string pa = PathOf(a);
    const std::string pb = PathOf(b);
    return pa < pb ? -1 : (pa == pb ? 0 : 1);
}

browser::ItemAttributes FakeNamespace::Attributes(const ItemId& folder, const ItemId& item) const {
    const ItemId id = folder + item;
    if (id.IsEmpty()) {
        return desktopAttrs_;
    }
    const Node* node = Find(id);
    return node == nullptr ? browser::ItemAttributes{0} : node->attributes;
}

std::string FakeNamespace::DisplayName(const ItemId& folder, const ItemId& item,
                                       browser::NameKind kind) const {
    const ItemId id = folder + item;
    if (kind == browser::NameKind::kForParsing) {
        const Node* node = Find(id);
        if (node != nullptr && !node->parsingName.empty()) {
            return node->parsingName;
        }
        return "::{" + (id.IsEmpty() ? std::string("Desktop") : std::string(id.LastElement())) +
               "}";
    }
    return id.IsEmpty() ? "Desktop" : std::string(id.LastElement());
}

browser::IconKind FakeNamespace::Icon(const ItemId& folder, const ItemId& item) const {
    return (Attributes(folder, item) & browser::kAttrFolder) != 0 ? browser::IconKind::kFolder
                                                                  : browser::IconKind::kFile;
}

std::unique_ptr<browser::FolderDetails> FakeNamespace::Details(const ItemId& folder) const {
    auto it = columns_.find(PathOf(folder));
    if (it == columns_.end()) {
        return nullptr;
    }
    return std::make_unique<FakeDetails>(*this, it->second);
}

void FakeNamespace::OpenWithDefaultAction(const ItemId& item) {
    opened.push_back(PathOf(item));
}

std::vector<browser::ShellCommand> FakeNamespace::ContextMenu(const ItemId& /*folder*/,
                                                              const ItemId& /*item*/) {
    std::vector<browser::ShellCommand> commands;
    for (const char* verb :
         {"Open", "openwith", "delete", "paste", "copy", "rename", "properties"}) {
        commands.push_back(
            browser::ShellCommand{verb, verb, {}, {}, verb == std::string("openwith")});
    }
    return commands;
}

std::vector<browser::ShellCommand> FakeNamespace::SubMenu(const ItemId& folder, const ItemId& item,
                                                          const browser::ShellCommand& command) {
    return {browser::ShellCommand{
        command.verb, "Player", {}, "player for " + PathOf(folder + item), false}};
}

bool FakeNamespace::InvokeCommand(const ItemId& folder, const ItemId& item,
                                  const browser::ShellCommand& command) {
    char cwd[PATH_MAX];
    invoked.push_back(Invoked{command.verb + " " + PathOf(folder + item),
                              getcwd(cwd, sizeof cwd) != nullptr ? cwd : ""});
    return commandsSucceed;
}

std::optional<ItemId> FakeNamespace::SetNameOf(const ItemId& folder, const ItemId& item,
                                               const std::string& name) {
    const std::string path = PathOf(folder + item);
    auto it = nodes_.find(path);
    const std::string parent = ParentPath(path);
    const std::string renamed = parent.empty() ? name : parent + "/" + name;
    if (it == nodes_.end() || refusedNames.count(name) != 0 || nodes_.count(renamed) != 0) {
        return std::nullopt;
    }
    Node node = it->second;
    nodes_.erase(it);
    nodes_[renamed] = node;
    return item.WithoutLast() + ItemId::FromElement(name);
}

}  // namespace zembo::test
