#include "tests/support/scripted_ui.h"

#include <gtest/gtest.h>

namespace zembo::test {

ScriptedChooser& ScriptedChooser::Confirm(std::string path) {
    answers_.emplace_back(std::move(path));
    return *this;
}

ScriptedChooser& ScriptedChooser::Cancel() {
    answers_.emplace_back(std::nullopt);
    return *this;
}

std::optional<std::string> ScriptedChooser::Choose(const FileDialogRequest& request) {
    opened.push_back(request);
    if (answers_.empty()) {
        ADD_FAILURE() << "a dialog opened that the script does not answer (file name \""
                      << request.fileName << "\")";
        return std::nullopt;
    }
    auto answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void RecordingFeedback::SetStatus(const std::string& text) {
    status = text;
    events.push_back("status:" + text);
}

void RecordingFeedback::Repaint() {
    events.emplace_back("repaint");
}

void RecordingFeedback::Pause(int milliseconds) {
    ++pauses;
    totalPauseMs += milliseconds;
    events.push_back("pause:" + std::to_string(milliseconds));
}

void RecordingFeedback::ShowMessageBox(const std::string& text, const std::string& caption) {
    events.push_back("box:" + caption + "|" + text);
}

void RecordingFeedback::ShowInformation(const std::string& text) {
    events.push_back("info:" + text);
}

void RecordingFeedback::ShowProgress(std::uint64_t copied, std::uint64_t total) {
    progress.push_back(std::to_string(copied) + "/" + std::to_string(total));
}

void RecordingFeedback::EndProgress() {
    progress.emplace_back("end");
}

std::vector<std::string> RecordingFeedback::Boxes() const {
    std::vector<std::string> out;
    for (const auto& e : events) {
        if (e.rfind("box:", 0) == 0 || e.rfind("info:", 0) == 0) {
            out.push_back(e);
        }
    }
    return out;
}

}  // namespace zembo::test
