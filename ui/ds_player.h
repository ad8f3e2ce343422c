#pragma once
// The clip preview: one GStreamer playbin at a time, which plays a file once from the start with
// its sound, in a video window its sink opens by itself apart from the main window. GStreamer is
// first touched by the first preview, so the editor's start does not pay for it.

#include <QObject>
#include <functional>
#include <stdexcept>
#include <string>

typedef struct _GstElement GstElement;  // NOLINT: GStreamer's own declaration, without its header

namespace zembo::ui {

// What the main window previews clips with.
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
