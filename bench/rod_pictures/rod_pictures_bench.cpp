// How long the rod pictures take to paint: all four hundred at one and at two device pixels
// per pixel, one name looked up for the first time and again, and a first board of fifteen.
// Printed, never asserted.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "desktop/widgets/picture_lookup.h"
#include "private_runtime_folder.h"
#include "rod_pictures.h"

namespace {

// Every rod picture name, "A10" to "B209".
std::vector<std::string> allRodNames() {
    std::vector<std::string> names;
    for (const char family : {'A', 'B'}) {
        for (int style = 1; style <= 20; ++style) {
            for (int digit = 0; digit <= 9; ++digit)
                names.push_back(family + std::to_string(style) + std::to_string(digit));
        }
    }
    return names;
}

// Paints all four hundred pictures at the ratio given as the benchmark's argument.
void paintAllPictures(benchmark::State& bench) {
    const double ratio = static_cast<double>(bench.range(0));
    std::vector<RodPicture> rods;
    for (const std::string& name : allRodNames()) rods.push_back(*rodPictureNamed(name));
    for (auto _ : bench) {
        for (const RodPicture& rod : rods) benchmark::DoNotOptimize(paintRodPicture(rod, ratio));
    }
    bench.SetItemsProcessed(bench.iterations() * static_cast<std::int64_t>(rods.size()));
}
BENCHMARK(paintAllPictures)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// Looks a name up in an empty cache: the name read, the picture painted, made a pixmap, kept.
void coldLookup(benchmark::State& bench) {
    for (auto _ : bench) {
        PictureCache cache;
        benchmark::DoNotOptimize(cache.picture("a35", 1.0));
    }
}
BENCHMARK(coldLookup)->Unit(benchmark::kMicrosecond);

// Looks up a name the cache already holds.
void warmLookup(benchmark::State& bench) {
    PictureCache cache;
    cache.picture("a35", 1.0);
    for (auto _ : bench) benchmark::DoNotOptimize(cache.picture("a35", 1.0));
}
BENCHMARK(warmLookup)->Unit(benchmark::kMicrosecond);

// The fifteen rods of a first board (question 37 - 12 = 25, style 1) in an empty cache.
void firstBoard(benchmark::State& bench) {
    const std::array<const char*, 15> board{"A10", "A10", "A10", "A13", "A17", "A10", "A10", "A10",
                                            "A11", "A12", "A10", "A10", "A10", "A12", "A15"};
    for (auto _ : bench) {
        PictureCache cache;
        for (const char* name : board) benchmark::DoNotOptimize(cache.picture(name, 1.0));
    }
}
BENCHMARK(firstBoard)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("DISPLAY") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ensurePrivateRuntimeFolder();
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
