// The patch writer: 1,000 clip list entries saved as 63 patch files through a scripted dialog.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>

#include "bench/bench_folder.h"
#include "bench/silent_feedback.h"
#include "patch/patch_editor.h"

namespace {

using zembo::bench::BenchFolder;

// Confirms a fresh file name for every chunk.
class NumberingChooser : public zembo::FileChooser {
  public:
    std::optional<std::string> Choose(const zembo::FileDialogRequest&) override {
        return BenchFolder() + "/set" + std::to_string(++count) + ".zbk";
    }
    int count = 0;
};

void BM_Save1000EntriesAs63Patches(benchmark::State& state) {
    setenv("XDG_CONFIG_HOME", BenchFolder().c_str(), 1);
    NumberingChooser chooser;
    zembo::bench::SilentFeedback feedback;
    zembo::EditorSettings settings;
    zembo::PatchEditor editor({chooser, feedback, settings, zembo::platform::Disk()});
    for (int i = 0; i < 1000; ++i) {
        editor.clips.AddClip("/home/vj/clips/library/clip_" + std::to_string(i) + ".avi");
    }
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 1; i <= chooser.count; ++i) {
            std::filesystem::remove(BenchFolder() + "/set" + std::to_string(i) + ".zbk");
        }
        chooser.count = 0;
        state.ResumeTiming();
        editor.WritePatches();
    }
    state.counters["files"] = chooser.count;
}
BENCHMARK(BM_Save1000EntriesAs63Patches)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
