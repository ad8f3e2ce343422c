#include "cli/commands.h"
#include "cli/console_stand_ins.h"
#include "cli/local_paths.h"
#include "package/self_contained.h"
#include "patch/editor_settings.h"
#include "platform/file_services.h"

namespace zembo::cli {
namespace {

// The report's lines end in CRLF, and an entry for a file found nowhere runs on into the next
// without any break: printed as it stands, with plain line ends.
void PrintCopyReport(std::ostream& out, const std::string& report) {
    out << "Copy Error:\n";
    std::string text;
    for (std::size_t i = 0; i < report.size(); ++i) {
        if (report[i] == '\r' && i + 1 < report.size() && report[i + 1] == '\n') {
            continue;
        }
        text.push_back(report[i]);
    }
    if (text.empty() || text.back() != '\n') {
        text.push_back('\n');
    }
    out << text;
}

// The text of the "Internal Error" box the editor would have shown, as one line.
std::string InternalErrorLine(const ConsoleFeedback& feedback, const PackagingResult& result) {
    std::string text = result.errorText;
    for (const ShownBox& box : feedback.Boxes()) {
        if (box.caption == kInternalErrorCaption) {
            text = box.text;
        }
    }
    return kInternalErrorCaption + ": " + text;
}

}  // namespace

int RunPackage(const Invocation& invocation, std::ostream& out) {
    const std::string& source = invocation.operands.at(0);
    const std::string& newPatch = invocation.operands.at(1);
    RequirePatchFile(source, "SOURCE");

    // One save dialog, answered with NEW; the settings are read-only, so the last patch that
    // the editor remembers stays as it was.
    NamingChooser chooser([&newPatch](int n) { return n == 1 ? newPatch : std::string(); });
    ConsoleFeedback feedback(out);
    ReadOnlySettings settings;
    TFileDialog od1 = TFileDialog::OpenDialog();
    TFileDialog sd1 = TFileDialog::SaveDialog();
    WindowState state;
    SelfContainedPackager packager({chooser, feedback, settings, platform::Disk()}, od1, sd1, state,
                                   0);
    const PackagingResult result = packager.SaveSelfContained(source, !invocation.absolute);
    switch (result.outcome) {
        case PackagingResult::Outcome::kCompleted:
            break;
        case PackagingResult::Outcome::kInternalError:
            throw CommandError(InternalErrorLine(feedback, result));
        case PackagingResult::Outcome::kCancelled:
            throw CommandError("no new patch was chosen");
    }
    if (result.copyReport.empty()) {
        return kExitSuccess;
    }
    PrintCopyReport(out, result.copyReport);
    return kExitProblems;
}

}  // namespace zembo::cli
