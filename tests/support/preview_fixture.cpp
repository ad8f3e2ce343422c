#include "tests/support/preview_fixture.h"

#include <gst/gst.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <stdexcept>

#include "tests/support/temp_dir.h"

namespace zembo::test {
namespace {

bool HoldsSample(GstElement* graph, const char* sinkProperty, const std::string& mediaType) {
    GstElement* sink = nullptr;
    g_object_get(graph, sinkProperty, &sink, nullptr);
    if (sink == nullptr) {
        return false;
    }
    GstSample* sample = nullptr;
    g_object_get(sink, "last-sample", &sample, nullptr);
    gst_object_unref(sink);
    if (sample == nullptr) {
        return false;
    }
    const GstCaps* caps = gst_sample_get_caps(sample);
    const bool right = caps != nullptr && gst_caps_get_size(caps) > 0 &&
                       gst_structure_get_name(gst_caps_get_structure(caps, 0)) == mediaType;
    gst_sample_unref(sample);
    return right;
}

}  // namespace

const std::string& TestClip(ClipKind kind) {
    static TempDir folder;
    static const std::string avi = folder / "clip.avi";
    static const std::string mp4 = folder / "clip.mp4";
    static const bool made = [] {
        for (const auto& [k, path] :
             {std::pair{ClipKind::Avi, avi}, std::pair{ClipKind::Mp4, mp4}}) {
            if (const std::string why = MakeClip(k, path); !why.empty()) {
                throw std::runtime_error("cannot make " + path + ": " + why);
            }
        }
        return true;
    }();
    (void)made;
    return kind == ClipKind::Avi ? avi : mp4;
}

TestPlayer::TestPlayer(const std::string& playerName)
    : player(ui::PlayerSetup{playerName, [this] { return Sink(true); },
                             [this] { return Sink(false); }}) {}

GstElement* TestPlayer::Sink(bool video) {
    GstElement* sink = gst_element_factory_make("fakesink", nullptr);
    g_object_set(sink, "sync", TRUE, nullptr);
    if (video) {
        ++made_;
        ++alive_;
        g_object_weak_ref(
            G_OBJECT(sink),
            [](gpointer alive, GObject*) {
                --*static_cast<std::atomic<int>*>(alive);
                QMetaObject::invokeMethod(
                    QCoreApplication::instance(), [] {}, Qt::QueuedConnection);
            },
            &alive_);
        if (onBuild) {
            onBuild();
        }
    }
    return sink;
}

bool TestPlayer::Playing() const {
    GstElement* graph = player.Source().Graph;
    GstState state = GST_STATE_VOID_PENDING;
    return graph != nullptr &&
           gst_element_get_state(graph, &state, nullptr, 5 * GST_SECOND) ==
               GST_STATE_CHANGE_SUCCESS &&
           state == GST_STATE_PLAYING;
}

bool TestPlayer::FramesAtSinks() const {
    GstElement* graph = player.Source().Graph;
    return graph != nullptr && HoldsSample(graph, "video-sink", "video/x-raw") &&
           HoldsSample(graph, "audio-sink", "audio/x-raw");
}

bool TestPlayer::WaitUntil(const std::function<bool()>& done) {
    const QDeadlineTimer deadline(5000);
    QTimer wake;  // so that the deadline is seen while no event comes
    wake.start(50);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return done();
}

TestPlayer::Drain::~Drain() {
    owner.WaitUntil([this] { return owner.alive_ == 0; });
}

bool TestPlayer::WaitNothingPlays() {
    return WaitUntil([this] { return player.Source().Graph == nullptr && alive_ == 0; });
}

}  // namespace zembo::test
