#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/local_paths.h"
#include "cli/slot_entries.h"

namespace zembo::cli {

int RunList(const Invocation& invocation, std::ostream& out) {
    const std::string& patch = invocation.operands.at(0);
    RequirePatchFile(patch, "PATCH");
    const std::vector<SlotEntry> entries = ReadFilledSlots(patch);
    if (invocation.json) {
        JsonWriter json;
        json.BeginArray();
        for (const SlotEntry& e : entries) {
            json.BeginObject()
                .Key("slot")
                .Number(e.slot)
                .Bytes("sourceSystem", e.sourceSystem)
                .Bytes("clip", e.clip)
                .Bytes("matte", e.matte)
                .EndObject();
        }
        json.EndArray();
        out << json.Text() << '\n';
        return kExitSuccess;
    }
    for (const SlotEntry& e : entries) {
        out << e.slot << '\t' << EscapedField(e.sourceSystem) << '\t' << EscapedField(e.clip)
            << '\t' << EscapedField(e.matte) << '\n';
    }
    return kExitSuccess;
}

}  // namespace zembo::cli
