#include "ui/browser/desktop_applications.h"

#include "ui/module_loader.h"

namespace zembo::ui {

DesktopApplications* LoadDesktopApplications(std::string& why) {
    static DesktopApplications* loaded = nullptr;
    if (loaded == nullptr) {
        if (auto get = reinterpret_cast<decltype(&zembo_desktop_applications)>(ResolveInModule(
                ModulePlaces(ZEMBO_APPLICATIONS_MODULE), "zembo_desktop_applications", why))) {
            loaded = get();
        }
    }
    return loaded;
}

}  // namespace zembo::ui
