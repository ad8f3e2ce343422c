#pragma once
// The clip preview: one GStreamer playbin at a time, which plays a file once from the start with
// its sound, in a video window its sink opens by itself apart from the main window. This is the
// preview module: the editor loads it, and GStreamer with it, at the first preview.

#include <QObject>
#include <functional>
#include <string>

#include "ui/clip_preview.h"

typedef struct _GstElement GstElement;  // NOLINT: GStreamer's own declaration, without its header

namespace zembo::ui {

// How players are made: the element that plays a file, and its sinks. Sinks left empty are the
// player's own choice (the desktop's video window and audio output); tests give sinks that
// neither show nor sound. Each factory makes a new sink for every player.
struct PlayerSetup {
    std::string player = "playbin";
    std::function<GstElement*()> videoSink;
    std::function<GstElement*()> audioSink;
};

// The preview's state.
struct TDSsource {
    std::string FileName;         // the file URI last handed over; empty when there was none
    GstElement* Graph = nullptr;  // the player: source, decoders, sinks and the video window
};

struct BusTicket;

class DSplayer final : public QObject, public ClipPreview {
  public:
    explicit DSplayer(PlayerSetup setup = {});
    // Stops and releases the player that is left.
    ~DSplayer() override;
    DSplayer(const DSplayer&) = delete;
    DSplayer& operator=(const DSplayer&) = delete;

    void PreviewClip(const std::string& name) override;

    const TDSsource& Source() const { return DSsource; }

  private:
    friend struct BusTicket;

    // Stops the player, closes its window, ends its streaming and frees it; nothing if none.
    void TakeDown();
    // An error the player posted: it ends that preview, unless a newer one has replaced it.
    void EndAfterError(unsigned generation);

    PlayerSetup setup_;
    TDSsource DSsource;
    unsigned generation_ = 0;
    bool gstReady_ = false;
};

}  // namespace zembo::ui
