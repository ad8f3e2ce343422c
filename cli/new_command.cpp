#include <sys/stat.h>
#include "cli/chunk_names.h"
#include "cli/commands.h"
#include "cli/console_stand_ins.h"
#include "cli/local_paths.h"
#include "cli/slot_entries.h"
#include "patch/editor_settings.h"
#include "patch/patch_editor.h"
#include "patch/patch_writer.h"

#include <map>
#include <utility>

#include "platform/ascii_text.h"
#include "platform/file_services.h"
#include "platform/profile_service.h"
#include "platform/profile_text.h"

namespace zembo::cli {
namespace {

// A value named in a message: escaped as list prints it, its start only when it is long.
std::string Shown(const std::string& value) {
    constexpr std::size_t kShown = 60;
    return "\"" + EscapedField(value.substr(0, platform::Utf8Prefix(value, kShown))) +
           (value.size() > kShown ? "...\"" : "\"");
}

// Every clip value is checked before anything is written: a value that would read back as
// another path must not leave half a run of patches behind.
void CheckClipValues(const std::vector<std::string>& operands) {
    for (std::size_t i = 1; i < operands.size(); ++i) {
        const std::string& value = operands[i];
        if (platform::IsStorableProfileValue(value)) {
            continue;
        }
        const std::string why =
            value.size() > platform::kMaxProfileValue
                ? "longer than " + std::to_string(platform::kMaxProfileValue) + " bytes"
                : "it holds a line break";
        throw CommandError("CLIP " + std::to_string(i) + " " + Shown(value) +
                           " cannot be stored in a patch: " + why + "; nothing written");
    }
}

// No file of the run may be one of its clips, or a file that holds something other than a
// patch (a forgotten OUT makes the first clip OUT), unless the user insists.
void CheckTargets(const Invocation& invocation) {
    const std::vector<std::string>& operands = invocation.operands;
    const std::size_t chunk = invocation.restrict15 ? kRestrictedChunk : kFullChunk;
    const std::size_t files = (operands.size() - 1 + chunk - 1) / chunk;
    // Each clip is looked at once, whatever the number of patch files.
    std::map<std::string, std::size_t> clipNames;
    std::map<std::pair<dev_t, ino_t>, std::size_t> clipFiles;
    for (std::size_t i = operands.size() - 1; i >= 1; --i) {
        clipNames[operands[i]] = i;
        struct stat st {};
        if (operands[i].front() == '/' && stat(operands[i].c_str(), &st) == 0) {
            clipFiles[{st.st_dev, st.st_ino}] = i;
        }
    }
    for (std::size_t n = 1; n <= files; ++n) {
        const std::string target = ChunkFileName(operands.front(), static_cast<int>(n));
        auto clip = clipNames.find(target);
        struct stat st {};
        if (clip == clipNames.end() && stat(target.c_str(), &st) == 0) {
            if (auto same = clipFiles.find({st.st_dev, st.st_ino}); same != clipFiles.end()) {
                clip = clipNames.find(operands[same->second]);
            }
        }
        if (clip != clipNames.end()) {
            throw CommandError("\"" + target + "\" is CLIP " + std::to_string(clip->second) +
                               "; nothing written (--force writes it all the same)");
        }
        if (!MayHoldPatch(target)) {
            throw CommandError("\"" + target +
                               "\" is neither empty nor a patch that can be read (no section "
                               "header, other bytes, or no reading it); nothing written (--force "
                               "writes into it all the same)");
        }
    }
}

}  // namespace

int RunNew(const Invocation& invocation, std::ostream& out) {
    const std::string& first = invocation.operands.at(0);
    CheckClipValues(invocation.operands);
    if (!invocation.force) {
        CheckTargets(invocation);
    }
    // No patch is renamed into place before it is on the disk: a stick pulled or a power cut
    // during the run leaves every patch whole, old or new.
    platform::MakeProfileWritesDurable();

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
