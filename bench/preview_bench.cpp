// The clip preview beside a bare GStreamer playbin, on the same clips (one second of a test
// pattern with a tone, as Motion JPEG in AVI and as MPEG-4 with AAC in MP4) and the same sinks
// (fakesinks that take frames in real time):
//  - the time from a click in the file list to the first frame at the video sink, both sides in
//    this process, in turns, each starting with its previous preview playing and taking it down
//    inside the measured time; target: the median at most 1.1 x the bare playbin's;
//  - what 200 previews in a row leave behind, each side in a fresh process of its own: resident
//    memory (target: less than 5 MB more while the 200th plays than while the 1st did), threads
//    and open files (target: as many as while the 1st played).
//
// preview_bench [rounds]     (internally: preview_bench --leaks ours|bare avi|mp4 count)
#include <dirent.h>
#include <gst/gst.h>
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_folder.h"
#include "bench/median.h"
#include "browser/file_system_namespace.h"
#include "tests/support/test_clips.h"
#include "ui/browser/shell_list_view.h"
#include "ui/ds_player.h"
#include "ui/main_window.h"

namespace {

using zembo::bench::Median;

using zembo::test::ClipKind;
using zembo::ui::DSplayer;

constexpr int kLeakPreviews = 200;
constexpr double kLatencyTarget = 1.1;
constexpr long kGrowthTargetKiB = 5 * 1024;

// When the first frame of a side's newest player reached its video sink (µs, monotonic). An older
// sink prerolls once more as its player is taken down: it does not count.
struct FirstFrame {
    std::atomic<GstElement*> sink{nullptr};
    std::atomic<gint64> at{0};
};
FirstFrame oursFirstFrame;
FirstFrame bareFirstFrame;

void OnPreroll(GstElement* sink, GstBuffer*, GstPad*, gpointer data) {
    auto* first = static_cast<FirstFrame*>(data);
    gint64 none = 0;
    if (first->sink == sink) {
        first->at.compare_exchange_strong(none, g_get_monotonic_time());
    }
}

GstElement* Sink(FirstFrame* first) {
    GstElement* sink = gst_element_factory_make("fakesink", nullptr);
    g_object_set(sink, "sync", TRUE, nullptr);
    if (first != nullptr) {
        first->sink = sink;
        first->at = 0;
        g_object_set(sink, "signal-handoffs", TRUE, nullptr);
        g_signal_connect(sink, "preroll-handoff", G_CALLBACK(OnPreroll), first);
    }
    return sink;
}

zembo::ui::PlayerSetup SetupFor(FirstFrame* first) {
    return {"playbin", [first] { return Sink(first); }, [] { return Sink(nullptr); }};
}

// What a program does with playbin and nothing else: the previous one down, a new one playing.
class BarePlaybin {
  public:
    ~BarePlaybin() { Down(); }
    void Play(const std::string& path) {
        Down();
        bin_ = GST_ELEMENT(gst_object_ref_sink(gst_element_factory_make("playbin", nullptr)));
        gchar* uri = g_filename_to_uri(path.c_str(), nullptr, nullptr);
        g_object_set(bin_, "uri", uri, "video-sink", Sink(&bareFirstFrame), "audio-sink",
                     Sink(nullptr), nullptr);
        g_free(uri);
        gst_element_set_state(bin_, GST_STATE_PLAYING);
    }
    void Down() {
        if (bin_ != nullptr) {
            gst_element_set_state(bin_, GST_STATE_NULL);
            gst_object_unref(bin_);
            bin_ = nullptr;
        }
    }
    GstElement* Bin() const { return bin_; }

  private:
    GstElement* bin_ = nullptr;
};

// The benchmark waits for the first frame; the preview itself never does.
bool WaitPlaying(GstElement* bin) {
    GstState state = GST_STATE_VOID_PENDING;
    return bin != nullptr &&
           gst_element_get_state(bin, &state, nullptr, 5 * GST_SECOND) ==
               GST_STATE_CHANGE_SUCCESS &&
           state == GST_STATE_PLAYING;
}

int CountEntries(const char* folder) {
    int n = 0;
    if (DIR* d = opendir(folder)) {
        while (const dirent* e = readdir(d)) {
            n += e->d_name[0] != '.' ? 1 : 0;
        }
        closedir(d);
    }
    return n;
}

struct Usage {
    int threads;
    int fds;
    long rssKiB;
};

Usage Now() {
    Usage u{CountEntries("/proc/self/task"), CountEntries("/proc/self/fd") - 1, -1};
    if (FILE* f = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, f) != nullptr) {
            if (std::sscanf(line, "VmRSS: %ld", &u.rssKiB) == 1) {
                break;
            }
        }
        std::fclose(f);
    }
    return u;
}

const char* KindName(ClipKind kind) {
    return kind == ClipKind::Avi ? "avi" : "mp4";
}

std::string ClipIn(ClipKind kind, const std::string& folder) {
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/clip." + KindName(kind);
    if (const std::string why = zembo::test::MakeClip(kind, path); !why.empty()) {
        std::fprintf(stderr, "cannot make %s: %s\n", path.c_str(), why.c_str());
        std::exit(2);
    }
    return path;
}

class SilentMessages : public zembo::ui::MessageWindows {
  public:
    void MessageBox(const std::string& text, const std::string&) override {
        std::fprintf(stderr, "message box: %s\n", text.c_str());
    }
    void Information(const std::string&) override {}
};

// One process, one side, one kind: 200 previews, each waiting until it plays.
int LeakRun(bool ours, ClipKind kind, int count) {
    const std::string clip =
        ClipIn(kind, zembo::bench::BenchFolder() + "/" + (ours ? "ours" : "bare"));
    Usage first{};
    Usage last{};
    {
        DSplayer player(SetupFor(&oursFirstFrame));
        BarePlaybin bare;
        for (int i = 0; i < count; ++i) {
            if (ours) {
                player.PreviewClip(clip);
            } else {
                bare.Play(clip);
            }
            if (!WaitPlaying(ours ? player.Source().Graph : bare.Bin())) {
                std::fprintf(stderr, "preview %d did not play\n", i + 1);
                return 2;
            }
            QCoreApplication::processEvents();
            (i == 0 ? first : last) = Now();
        }
    }
    // The last player may be freed a moment later by a GStreamer thread that still held it.
    usleep(300 * 1000);
    const Usage down = Now();
    std::printf("%d %d %ld %d %d %ld %d %d %ld\n", first.threads, first.fds, first.rssKiB,
                last.threads, last.fds, last.rssKiB, down.threads, down.fds, down.rssKiB);
    return 0;
}

// Runs a side's leak loop in a process of its own; false when it failed.
bool LeakChild(const char* self, bool ours, ClipKind kind, Usage out[3]) {
    const std::string command = std::string("\"") + self + "\" --leaks " +
                                (ours ? "ours " : "bare ") + KindName(kind) + " " +
                                std::to_string(kLeakPreviews);
    FILE* child = popen(command.c_str(), "r");
    if (child == nullptr) {
        return false;
    }
    int n = 0;
    n = std::fscanf(child, "%d %d %ld %d %d %ld %d %d %ld", &out[0].threads, &out[0].fds,
                    &out[0].rssKiB, &out[1].threads, &out[1].fds, &out[1].rssKiB, &out[2].threads,
                    &out[2].fds, &out[2].rssKiB);
    return pclose(child) == 0 && n == 9;
}

// Click to first frame, for one kind; whether the target was met.
bool Latency(ClipKind kind, int rounds) {
    const std::string folder = zembo::bench::BenchFolder() + "/" + KindName(kind);
    const std::string clip = ClipIn(kind, folder + "/clips");

    zembo::browser::FileSystemNamespace* shell = nullptr;
    SilentMessages messages;
    DSplayer player(SetupFor(&oursFirstFrame));
    zembo::ui::TfmMainServices services;
    services.messages = &messages;
    services.preview = &player;
    services.shellNamespace = [&] {
        auto ns = std::make_unique<zembo::browser::FileSystemNamespace>(
            zembo::browser::FileSystemLayout{folder, folder + "/Desktop", {}}, nullptr);
        shell = ns.get();
        return ns;
    };
    zembo::ui::TfmMain window(services);
    window.show();
    QApplication::processEvents();
    window.fileList->ShowFolder(shell->IdOfPath(folder + "/clips"));
    window.fileList->SelectAll();
    BarePlaybin bare;

    auto ours = [&] {
        const gint64 click = g_get_monotonic_time();
        window.fileListClick();
        if (!WaitPlaying(player.Source().Graph)) {
            std::fprintf(stderr, "our preview did not play\n");
            std::exit(2);
        }
        return static_cast<double>(oursFirstFrame.at - click) / 1000.0;
    };
    auto bareSide = [&] {
        const gint64 click = g_get_monotonic_time();
        bare.Play(clip);
        if (!WaitPlaying(bare.Bin())) {
            std::fprintf(stderr, "the bare playbin did not play\n");
            std::exit(2);
        }
        return static_cast<double>(bareFirstFrame.at - click) / 1000.0;
    };

    // A first round each that is not counted: plugins load, classes are made.
    ours();
    bareSide();
    std::vector<double> oursMs;
    std::vector<double> bareMs;
    for (int i = 0; i < rounds; ++i) {
        if (i % 2 == 0) {
            oursMs.push_back(ours());
            bareMs.push_back(bareSide());
        } else {
            bareMs.push_back(bareSide());
            oursMs.push_back(ours());
        }
        QApplication::processEvents();
    }
    const double o = Median(oursMs);
    const double b = Median(bareMs);
    const bool met = o <= kLatencyTarget * b;
    std::printf(
        "%s click to first frame, median of %d: preview %.2f ms, bare playbin %.2f ms, "
        "ratio %.2f (target at most %.1f): %s\n",
        KindName(kind), rounds, o, b, o / b, kLatencyTarget, met ? "met" : "NOT met");
    return met;
}

bool Leaks(const char* self, ClipKind kind) {
    Usage ours[3];
    Usage bare[3];
    if (!LeakChild(self, true, kind, ours) || !LeakChild(self, false, kind, bare)) {
        std::printf("%s: a leak run failed\n", KindName(kind));
        return false;
    }
    auto line = [&](const char* who, const Usage u[3]) {
        std::printf(
            "  %-13s threads %d -> %d (%d after), fds %d -> %d (%d after), "
            "resident +%.1f MB\n",
            who, u[0].threads, u[1].threads, u[2].threads, u[0].fds, u[1].fds, u[2].fds,
            static_cast<double>(u[1].rssKiB - u[0].rssKiB) / 1024.0);
    };
    std::printf("%s, %d previews (1st playing -> %dth playing; after the last is taken down):\n",
                KindName(kind), kLeakPreviews, kLeakPreviews);
    line("preview", ours);
    line("bare playbin", bare);
    const bool counts = ours[1].threads <= ours[0].threads && ours[1].fds <= ours[0].fds;
    const bool memory = ours[1].rssKiB - ours[0].rssKiB < kGrowthTargetKiB;
    std::printf(
        "  threads and fds back: %s; resident growth below 5 MB: %s (bare playbin: %+.1f MB)\n",
        counts ? "met" : "NOT met", memory ? "met" : "NOT met",
        static_cast<double>(bare[1].rssKiB - bare[0].rssKiB) / 1024.0);
    return counts && memory;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Nothing of the user's: settings, GStreamer's registry and the clips stay in a scratch folder.
    const std::string scratch = zembo::bench::BenchFolder();
    setenv("XDG_CONFIG_HOME", (scratch + "/config").c_str(), 1);
    setenv("GST_REGISTRY", (scratch + "/gst-registry.bin").c_str(), 0);

    if (argc == 5 && std::string(argv[1]) == "--leaks") {
        QCoreApplication app(argc, argv);
        return LeakRun(std::string(argv[2]) == "ours",
                       std::string(argv[3]) == "avi" ? ClipKind::Avi : ClipKind::Mp4,
                       std::atoi(argv[4]));
    }
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 301;
    bool met = true;
    for (ClipKind kind : {ClipKind::Avi, ClipKind::Mp4}) {
        met = Latency(kind, rounds) && met;
    }
    for (ClipKind kind : {ClipKind::Avi, ClipKind::Mp4}) {
        met = Leaks(argv[0], kind) && met;
    }
    return met ? 0 : 1;
}
