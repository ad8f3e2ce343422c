#include "ui/clip_preview.h"

#include <QCoreApplication>
#include <QLibrary>

namespace zembo::ui {

std::vector<std::string> PreviewModulePlaces() {
    return {QCoreApplication::applicationDirPath().toStdString() + "/" ZEMBO_PREVIEW_MODULE,
            ZEMBO_PREVIEW_INSTALLED};
}

std::unique_ptr<ClipPreview> LoadClipPreview(const std::vector<std::string>& places) {
    std::string why = "no place to look";
    for (const std::string& place : places) {
        // Once loaded the module stays until the program ends: its player lives that long.
        QLibrary module(QString::fromStdString(place));
        if (auto make = reinterpret_cast<decltype(&zembo_make_clip_preview)>(
                module.resolve("zembo_make_clip_preview"))) {
            return std::unique_ptr<ClipPreview>(make());
        }
        why = module.errorString().toStdString();
    }
    throw PreviewUnavailable("cannot load the player: " + why);
}

}  // namespace zembo::ui
