// One drag step (a mouse move with its repaint) beside one whole paint of the same game:
// 324 loose outlined pieces and the preview at 1920 x 1080. The step may add little.
#include "bench_game.h"

#include <benchmark/benchmark.h>

namespace tess::bench {
namespace {

// The largest puzzle, scrambled by the game itself.
struct ScrambledGame {
    BenchGame bench{QSize(1920, 1080), 324};
    ScrambledGame() { bench.game->mnuFileScramble_Click(); }
};

Game& Scrambled() {
    static ScrambledGame scrambled;
    return *scrambled.bench.game;
}

void BM_DragBaselinePaint(benchmark::State& state) {
    Game& game = Scrambled();
    for (auto _ : state) {
        game.picPuzzle_Paint();
        benchmark::DoNotOptimize(game.surfaces.BackBuffer.Image().constBits());
    }
}
BENCHMARK(BM_DragBaselinePaint)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DragStep(benchmark::State& state) {
    Game& game = Scrambled();
    Puzzle& p = game.puzzle;
    // Grab the topmost piece at its cell's middle and swing it between two places.
    const Integer top = p.Groups[p.GroupOrder[p.GroupOrderCount]].Members[1];
    game.picPuzzle_MouseDown(kLeftButton, 0, Single(p.Pieces[top].X + p.TabWidth + p.CellWidth / 2),
                             Single(p.Pieces[top].Y + p.TabHeight + p.CellHeight / 2));
    if (p.SelectedPiece != top || p.GroupOrderCount != 324) {
        state.SkipWithError("the topmost of 324 loose pieces was not grabbed");
        return;
    }
    bool across = false;
    for (auto _ : state) {
        across = !across;
        game.picPuzzle_MouseMove(kLeftButton, 0, across ? 1200.0f : 700.0f,
                                 across ? 600.0f : 450.0f);
        benchmark::DoNotOptimize(game.surfaces.BackBuffer.Image().constBits());
    }
    game.picPuzzle_MouseUp(kLeftButton, 0, 700.0f, 450.0f);
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace tess::bench
