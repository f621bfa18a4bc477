// One quiet save of a 324-piece game beside one full paint of the same game, at 1920 x 1080.
// A save is the game's state file made on the game's thread at the change, and that file
// written safely to the game's kept file when the timer runs out.
#include "bench_game.h"
#include "history/history.h"

#include <benchmark/benchmark.h>

namespace tess::bench {
namespace {

void BM_QuietSave(benchmark::State& state) {
    BenchGame bench(QSize(1920, 1080), 324);
    GameHistory history(*bench.game);
    for (auto _ : state) {
        history.GameChanged();
        history.SaveNow();
    }
}

// The part at the change alone: the state file's bytes.
void BM_QuietSaveBytes(benchmark::State& state) {
    BenchGame bench(QSize(1920, 1080), 324);
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteStateFile(bench.game->puzzle, bench.folder.path()).bytes);
    }
}

void BM_PaintBesideSave(benchmark::State& state) {
    BenchGame bench(QSize(1920, 1080), 324);
    for (auto _ : state) {
        bench.game->picPuzzle_Paint();
        benchmark::DoNotOptimize(bench.game->surfaces.BackBuffer.Image().constBits());
    }
}

BENCHMARK(BM_QuietSave)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_QuietSaveBytes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PaintBesideSave)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace tess::bench
