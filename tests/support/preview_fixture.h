#pragma once
// The clip preview on real GStreamer, with sinks that neither show nor sound: every player gets
// fakesinks that take its frames in real time, counted while they live.

#include <atomic>
#include <functional>
#include <string>

#include "tests/support/test_clips.h"
#include "ui/ds_player.h"

namespace zembo::test {

// The clip of a kind, made once per test process into a folder of its own.
const std::string& TestClip(ClipKind kind);

class TestPlayer {
  public:
    // playerName: the element that plays a file; one that does not exist makes no player.
    explicit TestPlayer(const std::string& playerName = "playbin");

    // Waits (at most 5 s) until the current preview plays: its sinks have their first frames.
    bool Playing() const;
    // Whether the video sink holds a video frame and the audio sink a sound buffer.
    bool FramesAtSinks() const;
    // Takes Qt's events as they come until done() holds (at most 5 s); whether it does. A player
    // that has been taken down may be freed a moment later, by the last GStreamer thread that
    // held it: its going wakes the wait too.
    bool WaitUntil(const std::function<bool()>& done);
    // Until nothing plays and every player made is gone.
    bool WaitNothingPlays();
    // Players made so far, and those alive (each has one video sink).
    int Made() const { return made_; }
    int Alive() const { return alive_; }

    std::function<void()> onBuild;  // runs as each player is built, inside PreviewClip

  private:
    GstElement* Sink(bool video);

    int made_ = 0;
    std::atomic<int> alive_{0};
    // Gone after the player: waits for the sinks still counting into this object.
    struct Drain {
        TestPlayer& owner;
        ~Drain();
    } drain_{*this};

  public:
    ui::DSplayer player;  // last: it goes first, with the sinks it holds
};

}  // namespace zembo::test
