#pragma once
// What the desktop namespace's commands need of the desktop around the program: its registry of
// applications, its clipboard, and a way to tell the user why a command failed.

#include <optional>
#include <string>
#include <vector>

#include "browser/file_clipboard.h"

namespace zembo::browser {

struct Application {
    std::string id;    // the desktop's name for it, e.g. "org.videolan.VLC.desktop"
    std::string name;  // as menus show it
    std::string icon;  // a theme icon name or an icon file's path; may be empty
};

class DesktopServices {
  public:
    virtual ~DesktopServices() = default;

    // The applications registered for the type of the file or folder at path, the default one
    // first.
    virtual std::vector<Application> ApplicationsFor(const std::string& path) = 0;
    // Opens uri with the application of that id, or with the desktop's default one for it when
    // the id is empty; false, with the system's text in error, when it could not be started.
    virtual bool Open(const std::string& uri, const std::string& applicationId,
                      std::string& error) = 0;

    virtual void PutOnClipboard(const std::vector<ClipboardFormat>& formats) = 0;
    virtual std::optional<std::string> ClipboardData(const std::string& mimeType) = 0;
    virtual void ClearClipboard() = 0;

    // A message box with the text.
    virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace zembo::browser
