#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/local_paths.h"
#include "cli/slot_entries.h"

namespace zembo::cli {

int RunList(const Invocation& invocation, std::ostream& out) {
    const std::string& patch = invocation.operands.at(0);
    RequireReadableFile(patch, "PATCH");
    const std::vector<SlotEntry> entries = ReadFilledSlots(patch);
    if (invocation.json) {
        JsonWriter json;
        json.BeginArray();
        for (const SlotEntry& e : entries) {
            json.BeginObject()
                .Key("slot")
                .Number(e.slot)
                .Key("sourceSystem")
                .String(e.sourceSystem)
                .Key("clip")
                .String(e.clip)
                .Key("matte")
                .String(e.matte)
                .EndObject();
        }
        json.EndArray();
        out << json.Text() << '\n';
        return kExitSuccess;
    }
    for (const SlotEntry& e : entries) {
        out << e.slot << '\t' << e.sourceSystem << '\t' << e.clip << '\t' << e.matte << '\n';
    }
    return kExitSuccess;
}

}  // namespace zembo::cli
