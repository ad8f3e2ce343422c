// The packager's copies against cp: 16 clips of 64 MB, the pause between slots set to 0.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "bench/bench_folder.h"
#include "bench/silent_feedback.h"
#include "package/self_contained.h"

namespace {

using zembo::bench::BenchFolder;
constexpr int kClips = 16;
constexpr std::size_t kClipSize = std::size_t{64} << 20;

const std::string& Media() {
    static const std::string media = [] {
        std::string dir = BenchFolder() + "/media";
        std::filesystem::create_directories(dir);
        std::string block(1 << 20, '\0');
        for (int i = 0; i < kClips; ++i) {
            std::ofstream out(dir + "/clip" + std::to_string(i) + ".avi", std::ios::binary);
            for (std::size_t mb = 0; mb < kClipSize >> 20; ++mb) {
                block[0] = static_cast<char>(i);
                block[1] = static_cast<char>(mb);
                out.write(block.data(), static_cast<std::streamsize>(block.size()));
            }
        }
        std::ofstream patch(BenchFolder() + "/source.zbk", std::ios::binary);
        patch << "[Filenames]\r\n";
        for (int i = 0; i < kClips; ++i) {
            patch << i + 1 << "=" << dir << "/clip" << i << ".avi\r\n";
        }
        return dir;
    }();
    return media;
}

class SaveAs : public zembo::FileChooser {
  public:
    std::optional<std::string> Choose(const zembo::FileDialogRequest&) override {
        return BenchFolder() + "/out/Set.zbk";
    }
};

// A fresh, empty destination and no dirty pages left from the round before, so that every
// measured copy starts from the same state.
void FreshOut() {
    std::filesystem::remove_all(BenchFolder() + "/out");
    std::filesystem::create_directories(BenchFolder() + "/out");
    sync();
}

double Seconds(const std::function<void()>& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The packager and cp take turns on the same files; the counters give the median seconds of
// each and the packager's throughput as a share of cp's.
void BM_PackagerAgainstCp16ClipsOf64MB(benchmark::State& state) {
    Media();
    SaveAs chooser;
    zembo::bench::SilentFeedback feedback;
    zembo::ReadOnlySettings settings;
    zembo::TFileDialog od1 = zembo::TFileDialog::OpenDialog();
    zembo::TFileDialog sd1 = zembo::TFileDialog::SaveDialog();
    zembo::WindowState window;
    zembo::SelfContainedPackager packager({chooser, feedback, settings, zembo::platform::Disk()},
                                          od1, sd1, window, 0);
    const std::string cp = "cp " + Media() + "/clip*.avi " + BenchFolder() + "/out/";
    std::vector<double> ours;
    std::vector<double> theirs;
    for (auto _ : state) {
        FreshOut();
        ours.push_back(Seconds([&] {
            if (!packager.SaveSelfContained(BenchFolder() + "/source.zbk", true)
                     .copyReport.empty()) {
                state.SkipWithError("copies failed");
            }
        }));
        FreshOut();
        theirs.push_back(Seconds([&] {
            if (std::system(cp.c_str()) != 0) {
                state.SkipWithError("cp failed");
            }
        }));
    }
    const double mb = static_cast<double>(kClips * (kClipSize >> 20));
    state.counters["packager_s"] = Median(ours);
    state.counters["cp_s"] = Median(theirs);
    state.counters["packager_MBps"] = mb / Median(ours);
    state.counters["cp_MBps"] = mb / Median(theirs);
    state.counters["share_of_cp"] = Median(theirs) / Median(ours);
}
BENCHMARK(BM_PackagerAgainstCp16ClipsOf64MB)->Iterations(9)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
