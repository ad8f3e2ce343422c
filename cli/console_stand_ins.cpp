#include "cli/console_stand_ins.h"

#include <chrono>
#include <thread>

namespace zembo::cli {

std::optional<std::string> NamingChooser::Choose(const FileDialogRequest& request) {
    if (request.kind != FileDialogKind::kSave) {
        return std::nullopt;
    }
    std::string name = nameFor_(++saveDialogs_);
    if (name.empty()) {
        return std::nullopt;
    }
    confirmed_.push_back(name);
    return name;
}

void ConsoleFeedback::SetStatus(const std::string& text) {
    out_ << text << '\n' << std::flush;
}

void ConsoleFeedback::Pause(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void ConsoleFeedback::ShowMessageBox(const std::string& text, const std::string& caption) {
    boxes_.push_back({caption, text});
}

void ConsoleFeedback::ShowInformation(const std::string& text) {
    boxes_.push_back({"Information", text});
}

}  // namespace zembo::cli
