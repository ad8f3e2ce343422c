#pragma once
// What the main window previews clips with, and where its player comes from: a module of its
// own, loaded by the first preview, so that the editor's start loads nothing of GStreamer.

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace zembo::ui {

class ClipPreview {
  public:
    virtual ~ClipPreview() = default;
    // Takes the current preview down and starts one of the named file; returns without waiting
    // for it. A name that cannot be played leaves nothing playing and reports nothing. Throws
    // PreviewUnavailable when no player can be made at all.
    virtual void PreviewClip(const std::string& name) = 0;
};

class PreviewUnavailable : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Where the preview module is looked for: beside the program, then where it is installed.
std::vector<std::string> PreviewModulePlaces();

// The desktop's player from the first place whose module loads; it plays in the video window
// and on the audio output of the desktop. Throws PreviewUnavailable when none loads (GStreamer
// missing, for one).
std::unique_ptr<ClipPreview> LoadClipPreview(
    const std::vector<std::string>& places = PreviewModulePlaces());

}  // namespace zembo::ui

// What the module gives: a new player with the desktop's sinks.
extern "C" zembo::ui::ClipPreview* zembo_make_clip_preview();
