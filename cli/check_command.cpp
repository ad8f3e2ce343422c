#include <optional>

#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/local_paths.h"
#include "cli/slot_entries.h"
#include "patch/path_rules.h"
#include "platform/file_services.h"

namespace zembo::cli {
namespace {

// One clip or matte of a slot, looked for as the packager looks for it.
struct CheckedFile {
    std::string value;
    std::string state;  // "ok", "missing" or "unreadable"
    std::string path;   // where it was found, or the last place it was looked for
};

struct CheckedSlot {
    SlotEntry entry;
    CheckedFile clip;
    std::optional<CheckedFile> matte;  // none when the slot has no alpha matte
};

CheckedFile Check(const std::string& value, const std::string& patchFolder) {
    const platform::FileServices& files = platform::Disk();
    const ResolvedPath resolved = ResolveStoredPath(
        value, patchFolder, [&files](const std::string& p) { return files.FileExists(p); });
    CheckedFile checked{value, "missing", resolved.path};
    if (resolved.found) {
        checked.state = OpensForReading(resolved.path) ? "ok" : "unreadable";
    }
    return checked;
}

void PrintLine(std::ostream& out, int slot, const char* kind, const CheckedFile& file) {
    out << file.state << '\t' << slot << '\t' << kind << '\t' << file.value << '\t' << file.path
        << '\n';
}

void PrintLines(std::ostream& out, const std::vector<CheckedSlot>& slots) {
    for (const CheckedSlot& s : slots) {
        PrintLine(out, s.entry.slot, "clip", s.clip);
        if (s.matte) {
            PrintLine(out, s.entry.slot, "matte", *s.matte);
        }
    }
}

void FileMember(JsonWriter& json, const char* kind, const CheckedFile& file) {
    json.Key(kind)
        .BeginObject()
        .Bytes("value", file.value)
        .Key("state")
        .String(file.state)
        .Bytes("path", file.path)
        .EndObject();
}

void PrintJson(std::ostream& out, const std::vector<CheckedSlot>& slots) {
    JsonWriter json;
    json.BeginArray();
    for (const CheckedSlot& s : slots) {
        json.BeginObject()
            .Key("slot")
            .Number(s.entry.slot)
            .Bytes("sourceSystem", s.entry.sourceSystem);
        FileMember(json, "clip", s.clip);
        if (s.matte) {
            FileMember(json, "matte", *s.matte);
        } else {
            json.Key("matte").Null();
        }
        json.EndObject();
    }
    json.EndArray();
    out << json.Text() << '\n';
}

}  // namespace

int RunCheck(const Invocation& invocation, std::ostream& out) {
    const std::string& patch = invocation.operands.at(0);
    RequirePatchFile(patch, "PATCH");
    const std::string patchFolder = FolderPart(patch);

    std::vector<CheckedSlot> slots;
    bool allOk = true;
    for (SlotEntry& entry : ReadFilledSlots(patch)) {
        CheckedSlot s{std::move(entry), {}, std::nullopt};
        s.clip = Check(s.entry.clip, patchFolder);
        allOk = allOk && s.clip.state == "ok";
        if (!s.entry.matte.empty()) {
            s.matte = Check(s.entry.matte, patchFolder);
            allOk = allOk && s.matte->state == "ok";
        }
        slots.push_back(std::move(s));
    }
    if (invocation.json) {
        PrintJson(out, slots);
    } else {
        PrintLines(out, slots);
    }
    return allOk ? kExitSuccess : kExitProblems;
}

}  // namespace zembo::cli
