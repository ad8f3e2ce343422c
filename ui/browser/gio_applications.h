#pragma once
// The desktop's applications, as GIO's registry knows them: the .desktop files and
// mimeapps.list of the XDG data and configuration folders, over the shared MIME database.

#include <string>
#include <vector>

#include "browser/desktop_services.h"

namespace zembo::ui {

// The applications registered for the type of the file or folder at path (folders are
// "inode/directory"), the default one first, those hidden from menus left out.
std::vector<browser::Application> GioApplicationsFor(const std::string& path);

// Starts the application of that id on uri, or the desktop's default one for it when the id is
// empty; false with GIO's text in error when it could not be started.
bool GioOpen(const std::string& uri, const std::string& applicationId, std::string& error);

}  // namespace zembo::ui
