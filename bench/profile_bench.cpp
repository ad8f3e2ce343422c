// Profile file speed: one slot read, a whole 16-slot save, the last key of a 5 MB file.
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/bench_folder.h"
#include "patch/ini_file.h"
#include "patch/patch_format.h"

namespace {

using zembo::bench::BenchFolder;

void WritePatch(const std::string& file, int slots) {
    zembo::TIniFile ini(file);
    ini.WriteValue(zembo::zbk::kVersionSection, zembo::zbk::kVersionKey, zembo::zbk::kVersionValue);
    ini.WriteFlag(zembo::zbk::kGlobalsSection, zembo::zbk::kLayeringKey, true);
    ini.WriteFlag(zembo::zbk::kGlobalsSection, zembo::zbk::kLoopKey, true);
    for (int k = 1; k <= slots; ++k) {
        ini.WriteValue(zembo::zbk::kFilenamesSection, zembo::zbk::SlotKey(k),
                       "/home/vj/clips/show/clip_number_" + std::to_string(k) + ".avi");
        ini.WriteValue(zembo::zbk::kSourceSystemsSection, zembo::zbk::SlotKey(k),
                       zembo::zbk::SourceSystemFor(k % 2 == 0));
    }
}

void BM_ReadOneSlotOf16SlotPatch(benchmark::State& state) {
    const std::string file = BenchFolder() + "/read.zbk";
    WritePatch(file, 16);
    for (auto _ : state) {
        zembo::TIniFile ini(file);
        benchmark::DoNotOptimize(zembo::zbk::ReadSlotClip(ini, 9));
    }
}
BENCHMARK(BM_ReadOneSlotOf16SlotPatch)->Unit(benchmark::kMicrosecond);

void BM_Save16SlotPatchFromScratch(benchmark::State& state) {
    const std::string file = BenchFolder() + "/save.zbk";
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(file);
        state.ResumeTiming();
        WritePatch(file, 16);  // 35 writes, then the object is freed and flushes
    }
}
BENCHMARK(BM_Save16SlotPatchFromScratch)->Unit(benchmark::kMillisecond);

void BM_ReadLastKeyOf5MBFile(benchmark::State& state) {
    const std::string file = BenchFolder() + "/big.ini";
    {
        std::ofstream out(file, std::ios::binary);
        std::size_t size = 0;
        for (int section = 0; size < (5u << 20); ++section) {
            std::string block = "[Section" + std::to_string(section) + "]\r\n";
            for (int k = 0; k < 40; ++k) {
                block += "key" + std::to_string(k) + "=some value of moderate length " +
                         std::to_string(k) + "\r\n";
            }
            out << block;
            size += block.size();
        }
        out << "[Last]\r\nkey=found\r\n";
    }
    for (auto _ : state) {
        zembo::TIniFile ini(file);
        benchmark::DoNotOptimize(ini.ReadValue("Last", "key", ""));
    }
}
BENCHMARK(BM_ReadLastKeyOf5MBFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
