#pragma once
// The desktop's applications, as its registry knows them (GIO, over the .desktop files,
// mimeapps.list and the shared MIME database). The registry is read by a module of its own,
// loaded by the first "Open With" or "Open": the editor's start loads nothing of GIO.

#include <string>
#include <vector>

#include "browser/desktop_services.h"

namespace zembo::ui {

class DesktopApplications {
  public:
    virtual ~DesktopApplications() = default;
    // The applications registered for the type of the file or folder at path (folders are
    // "inode/directory"), the default one first, those hidden from menus left out.
    virtual std::vector<browser::Application> ApplicationsFor(const std::string& path) = 0;
    // Starts the application of that id on uri, or the desktop's default one for it when the id
    // is empty; false with the registry's text in error when it could not be started.
    virtual bool Open(const std::string& uri, const std::string& applicationId,
                      std::string& error) = 0;
};

// The registry from its module, loaded on the first call and kept; nullptr, with why, when the
// module cannot be loaded.
DesktopApplications* LoadDesktopApplications(std::string& why);

}  // namespace zembo::ui

// What the module gives: the desktop's registry, owned by the module.
extern "C" zembo::ui::DesktopApplications* zembo_desktop_applications();
