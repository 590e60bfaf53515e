#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "platform/profile/ProfileFile.h"
#include "platform/profile/TempFolder.h"
#include "recording/PageFolder.h"
#include "recording/RunStamp.h"
#include "recording/StampCleanup.h"
#include "settings/ProfileStore.h"

namespace {

std::string thousandKeyIni(const TempFolder& dir)
{
    const std::string ini = dir.file("preview.ini");
    std::string text = "[Some Host]\r\n";
    for (int i = 0; i < 1000; ++i)
        text += "Key" + std::to_string(i) + "=" + std::to_string(-2147483000 + i) + "\r\n";
    writeBytes(ini, text);
    // A settings file is usually old; a just-written one is re-checked byte by byte.
    std::filesystem::last_write_time(ini, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    return ini;
}

void BM_ReadProfileKey(benchmark::State& state)
{
    TempFolder dir;
    const std::string ini = thousandKeyIni(dir);
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kelvppvw::ReadProfileKey("some host", "key" + std::to_string(i), "0", ini));
        i = (i + 7) % 1000;
    }
}
BENCHMARK(BM_ReadProfileKey);

// The same with the parse of the whole file in every read.
void BM_ReadProfileKeyUncached(benchmark::State& state)
{
    TempFolder dir;
    const std::string ini = thousandKeyIni(dir);
    for (auto _ : state) {
        kelvppvw::ProfileFile::clearCache();
        benchmark::DoNotOptimize(kelvppvw::ReadProfileKey("Some Host", "Key999", "0", ini));
    }
}
BENCHMARK(BM_ReadProfileKeyUncached);

// 10,000 listed runs, every other one 12 or more hours old, each with 3 page
// files; the timed part is one purge.
void BM_PurgeStaleStamps(benchmark::State& state)
{
    TempFolder dir;
    const auto folder = kelvppvw::PageFolder::beside(dir.path().string());
    std::filesystem::create_directory(folder.path);
    kelvppvw::RecordingHooks hooks;
    hooks.now = [] { return kelvppvw::LocalDateTime{2026, 12, 4, 22, 0, 0}; };
    std::size_t staleFiles = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::string list = "[STAMPED FILES]\r\n";
        for (int i = 0; i < 10000; ++i) {
            const bool stale = i % 2 == 0;
            const kelvppvw::LocalDateTime when{2026, 12, stale ? 3 : 4, stale ? 1 : 20, (i / 2) % 60, i % 60};
            const int number = i % 999 + 1;
            const std::string stamp = kelvppvw::FormatPageStamp(when, number);
            list += kelvppvw::FormatStampKey(when, number) + "=" + stamp + "\r\n";
            for (int p = 1; p <= 3; ++p) {
                const std::string page = folder.pageFile(stamp, p);
                if (stale || !std::filesystem::exists(page))
                    writeBytes(page, "");
            }
        }
        writeBytes(folder.cleanupList(), list);
        state.ResumeTiming();

        kelvppvw::PurgeStaleStamps(folder, hooks);

        state.PauseTiming();
        staleFiles = 0;
        for (const auto& e : std::filesystem::directory_iterator(folder.path))
            staleFiles += e.path().filename().string().rfind("Page_46359", 0) == 0;
        state.ResumeTiming();
    }
    if (staleFiles != 0)
        state.SkipWithError("stale page files survived the purge");
}
BENCHMARK(BM_PurgeStaleStamps)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
