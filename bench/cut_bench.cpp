// Cutting 324 pieces of a 2400 x 1600 picture on a 1920 x 1080 field, beside reading and
// scaling the temporary bitmap alone.
#include "bench_game.h"

#include <benchmark/benchmark.h>

namespace tess::bench {
namespace {

BenchGame& CutGame() {
    static BenchGame game(QSize(1920, 1080), 324);
    return game;
}

void BM_ReadAndScaleBitmap(benchmark::State& state) {
    Game& game = *CutGame().game;
    for (auto _ : state) {
        Surface whole = Surface::CreateSurfaceFromFile(
            game.WholeImageTempPath(), game.puzzle.ImageWidth, game.puzzle.ImageHeight);
        benchmark::DoNotOptimize(whole.Image().constBits());
    }
}
BENCHMARK(BM_ReadAndScaleBitmap)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ResizePuzzle(benchmark::State& state) {
    Game& game = *CutGame().game;
    for (auto _ : state) {
        game.ResizePuzzle();
    }
    if (!game.puzzle.PuzzleLoaded) {
        state.SkipWithError("the cut failed");
    }
}
BENCHMARK(BM_ResizePuzzle)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace tess::bench
