#include "cli/chunk_names.h"
#include "cli/commands.h"
#include "cli/console_stand_ins.h"
#include "patch/editor_settings.h"
#include "patch/patch_editor.h"
#include "platform/file_services.h"

namespace zembo::cli {

int RunNew(const Invocation& invocation, std::ostream& out) {
    const std::string& first = invocation.operands.at(0);

    // Each chunk's save dialog answered with the next numbered name; the settings are read-only,
    // so the last patch that the editor remembers stays as it was.
    NamingChooser chooser([&first](int n) { return ChunkFileName(first, n); });
    ConsoleFeedback feedback(out);
    ReadOnlySettings settings;
    PatchEditor editor({chooser, feedback, settings, platform::Disk()});
    for (std::size_t i = 1; i < invocation.operands.size(); ++i) {
        editor.clips.AddClip(invocation.operands[i]);
    }
    if (invocation.restrict15) {
        editor.ToggleRestrictTo15();
    }

    try {
        editor.WritePatches();
    } catch (...) {
        // The file being written when the run stopped is incomplete; those before it are whole.
        const std::vector<std::string>& confirmed = chooser.Confirmed();
        for (std::size_t i = 0; i + 1 < confirmed.size(); ++i) {
            out << confirmed[i] << '\n';
        }
        throw;
    }
    for (const std::string& written : chooser.Confirmed()) {
        out << written << '\n';
    }
    return kExitSuccess;
}

}  // namespace zembo::cli
