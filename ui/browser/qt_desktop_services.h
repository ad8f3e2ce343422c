#pragma once
// The desktop around the file list: GIO's applications, Qt's clipboard, Qt's message box.

#include "browser/desktop_services.h"

namespace zembo::ui {

class QtDesktopServices final : public browser::DesktopServices {
  public:
    std::vector<browser::Application> ApplicationsFor(const std::string& path) override;
    bool Open(const std::string& uri, const std::string& applicationId,
              std::string& error) override;
    void PutOnClipboard(const std::vector<browser::ClipboardFormat>& formats) override;
    std::optional<std::string> ClipboardData(const std::string& mimeType) override;
    void ClearClipboard() override;
    void ShowMessage(const std::string& text) override;
};

}  // namespace zembo::ui
