#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "platform/profile/ProfileWriteBatch.h"
#include "platform/profile/TempFolder.h"
#include "settings/ProfileStore.h"
#include "settings/ViewerSettings.h"

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

// Closing the viewer: its keys in one rewrite of a file that holds a thousand others.
void BM_WriteViewerSettings(benchmark::State& state)
{
    TempFolder dir;
    const std::string ini = thousandKeyIni(dir);
    kelvppvw::ViewerSettings table{};
    kelvppvw::ReadViewerSettings(table, "Some Host", ini);
    for (auto _ : state) {
        kelvppvw::ProfileWriteBatch batch(ini);
        kelvppvw::WriteViewerSettings(table, true, "Some Host", ini);
    }
}
BENCHMARK(BM_WriteViewerSettings)->Unit(benchmark::kMicrosecond);

// A clean-up list left long by many runs whose files could not go.
void BM_ReadLongCleanupList(benchmark::State& state)
{
    TempFolder dir;
    std::string text = "[STAMPED FILES]\r\n";
    for (int i = 0; i < state.range(0); ++i)
        text += std::to_string(20261206100000 + i) + "_001=46362." + std::to_string(i) + "_001\r\n";
    writeBytes(dir.file("Cleanup.ini"), text);
    for (auto _ : state)
        benchmark::DoNotOptimize(kelvppvw::ReadProfileSection("STAMPED FILES", dir.file("Cleanup.ini")));
}
BENCHMARK(BM_ReadLongCleanupList)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
