// GIO first, and no Qt header here: GIO's structures have members named "signals", which Qt
// defines as a keyword.
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <sys/stat.h>

#include "ui/browser/desktop_applications.h"

namespace zembo::ui {
namespace {

std::string TakeString(gchar* text) {
    std::string out = text != nullptr ? text : "";
    g_free(text);
    return out;
}

std::string ContentTypeOf(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        return "inode/directory";
    }
    // By the name alone: reading the file to sniff it could stall on a slow volume.
    return TakeString(g_content_type_guess(path.c_str(), nullptr, 0, nullptr));
}

std::string IconOf(GAppInfo* app) {
    GIcon* icon = g_app_info_get_icon(app);
    if (icon != nullptr && G_IS_THEMED_ICON(icon)) {
        const gchar* const* names = g_themed_icon_get_names(G_THEMED_ICON(icon));
        return names != nullptr && names[0] != nullptr ? names[0] : "";
    }
    if (icon != nullptr && G_IS_FILE_ICON(icon)) {
        return TakeString(g_file_get_path(g_file_icon_get_file(G_FILE_ICON(icon))));
    }
    return {};
}

browser::Application Describe(GAppInfo* app) {
    const char* id = g_app_info_get_id(app);
    const char* name = g_app_info_get_display_name(app);
    return browser::Application{id != nullptr ? id : "", name != nullptr ? name : "", IconOf(app)};
}

std::vector<browser::Application> GioApplicationsFor(const std::string& path) {
    const std::string type = ContentTypeOf(path);
    std::vector<browser::Application> apps;
    if (type.empty()) {
        return apps;
    }
    // The registry's lists do not begin with the default application; menus do.
    GAppInfo* preferred = g_app_info_get_default_for_type(type.c_str(), FALSE);
    if (preferred != nullptr) {
        apps.push_back(Describe(preferred));
    }
    GList* all = g_app_info_get_all_for_type(type.c_str());
    for (GList* l = all; l != nullptr; l = l->next) {
        GAppInfo* app = G_APP_INFO(l->data);
        if (!g_app_info_should_show(app) ||
            (preferred != nullptr && g_app_info_equal(app, preferred))) {
            continue;
        }
        apps.push_back(Describe(app));
    }
    g_list_free_full(all, g_object_unref);
    if (preferred != nullptr) {
        g_object_unref(preferred);
    }
    return apps;
}

bool GioOpen(const std::string& uri, const std::string& applicationId, std::string& error) {
    GError* failure = nullptr;
    gboolean started = FALSE;
    if (applicationId.empty()) {
        started = g_app_info_launch_default_for_uri(uri.c_str(), nullptr, &failure);
    } else {
        GDesktopAppInfo* app = g_desktop_app_info_new(applicationId.c_str());
        if (app == nullptr) {
            error = "the application " + applicationId + " is not installed";
            return false;
        }
        GList* uris = g_list_append(nullptr, const_cast<char*>(uri.c_str()));
        started = g_app_info_launch_uris(G_APP_INFO(app), uris, nullptr, &failure);
        g_list_free(uris);
        g_object_unref(app);
    }
    if (!started) {
        error = failure != nullptr ? failure->message : "the application did not start";
    }
    g_clear_error(&failure);
    return started != FALSE;
}

class GioApplications final : public DesktopApplications {
  public:
    std::vector<browser::Application> ApplicationsFor(const std::string& path) override {
        return GioApplicationsFor(path);
    }
    bool Open(const std::string& uri, const std::string& applicationId,
              std::string& error) override {
        return GioOpen(uri, applicationId, error);
    }
};

}  // namespace
}  // namespace zembo::ui

zembo::ui::DesktopApplications* zembo_desktop_applications() {
    static zembo::ui::GioApplications registry;
    return &registry;
}
