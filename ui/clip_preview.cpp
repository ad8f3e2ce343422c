#include "ui/clip_preview.h"

#include "ui/module_loader.h"

namespace zembo::ui {

std::vector<std::string> PreviewModulePlaces() {
    return ModulePlaces(ZEMBO_PREVIEW_MODULE);
}

std::unique_ptr<ClipPreview> LoadClipPreview(const std::vector<std::string>& places) {
    std::string why;
    // The module stays until the program ends: its player lives that long.
    if (auto make = reinterpret_cast<decltype(&zembo_make_clip_preview)>(
            ResolveInModule(places, "zembo_make_clip_preview", why))) {
        return std::unique_ptr<ClipPreview>(make());
    }
    throw PreviewUnavailable("cannot load the player: " + why);
}

}  // namespace zembo::ui
