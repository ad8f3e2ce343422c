#include "cli/arguments.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace zembo::cli {
namespace {

struct CommandShape {
    std::string_view name;
    Command command;
    std::vector<std::string_view> operands;  // the names of the operands, for messages
    bool openEnded;                          // the last operand may repeat (at least once)
    std::vector<std::string_view> options;
};

const std::vector<CommandShape>& Shapes() {
    static const std::vector<CommandShape> shapes = {
        {"list", Command::kList, {"PATCH"}, false, {"--json"}},
        {"check", Command::kCheck, {"PATCH"}, false, {"--json"}},
        {"package", Command::kPackage, {"SOURCE", "NEW"}, false, {"--absolute"}},
        {"new", Command::kNew, {"OUT", "CLIP"}, true, {"--restrict-15", "--force"}},
    };
    return shapes;
}

const CommandShape* FindShape(std::string_view name) {
    for (const CommandShape& shape : Shapes()) {
        if (shape.name == name) {
            return &shape;
        }
    }
    return nullptr;
}

bool IsOption(std::string_view arg) {
    return arg.size() > 1 && arg.front() == '-';
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// Help or version asked for anywhere before "--".
std::optional<Command> HelpOrVersion(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--") {
            break;
        }
        if (arg == "--help" || arg == "-h") {
            return Command::kHelp;
        }
        if (arg == "--version") {
            return Command::kVersion;
        }
    }
    return std::nullopt;
}

void SetOption(Invocation& invocation, std::string_view option) {
    if (option == "--json") {
        invocation.json = true;
    } else if (option == "--absolute") {
        invocation.absolute = true;
    } else if (option == "--restrict-15") {
        invocation.restrict15 = true;
    } else if (option == "--force") {
        invocation.force = true;
    }
}

void CheckOperandCount(const CommandShape& shape, const Invocation& invocation) {
    const std::size_t given = invocation.operands.size();
    const std::size_t wanted = shape.operands.size();
    if (given < wanted) {
        throw CommandError("missing argument " + std::string(shape.operands[given]) + " for " +
                           std::string(shape.name));
    }
    if (given > wanted && !shape.openEnded) {
        throw CommandError("unexpected argument " + Quoted(invocation.operands[wanted]) + " for " +
                           std::string(shape.name));
    }
    for (std::size_t i = 0; i < given; ++i) {
        if (invocation.operands[i].empty()) {
            const std::size_t named = std::min(i, wanted - 1);
            throw CommandError("empty argument " + std::string(shape.operands[named]) + " for " +
                               std::string(shape.name));
        }
    }
}

}  // namespace

Invocation ParseArguments(const std::vector<std::string>& args) {
    Invocation invocation;
    if (std::optional<Command> asked = HelpOrVersion(args)) {
        invocation.command = *asked;
        return invocation;
    }
    if (args.empty()) {
        throw CommandError("missing command (try zembo-patch --help)");
    }
    if (IsOption(args.front())) {
        throw CommandError("unknown option " + Quoted(args.front()));
    }
    const CommandShape* shape = FindShape(args.front());
    if (shape == nullptr) {
        throw CommandError("unknown command " + Quoted(args.front()) + " (try zembo-patch --help)");
    }
    invocation.command = shape->command;

    bool operandsOnly = false;
    for (auto it = args.begin() + 1; it != args.end(); ++it) {
        const std::string& arg = *it;
        if (!operandsOnly && arg == "--") {
            operandsOnly = true;
        } else if (!operandsOnly && IsOption(arg)) {
            if (std::find(shape->options.begin(), shape->options.end(), arg) ==
                shape->options.end()) {
                throw CommandError("unknown option " + Quoted(arg) + " for " +
                                   std::string(shape->name));
            }
            SetOption(invocation, arg);
        } else {
            invocation.operands.push_back(arg);
        }
    }
    CheckOperandCount(*shape, invocation);
    return invocation;
}

}  // namespace zembo::cli
