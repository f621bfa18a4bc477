// The Game menu's help beside one full paint, same run: Arrange Pieces of 324 scattered pieces
// (it must cost less than a paint), and the paint with the faint picture and with the preview
// above the pieces (within 10 % of BM_PaintPlayField).
#include "assist/assist.h"
#include "bench_game.h"

#include <benchmark/benchmark.h>

namespace tess::bench {
namespace {

QSize FieldOf(const benchmark::State& state) {
    return QSize(int(state.range(0)), int(state.range(1)));
}

// Arranging again an arranged game takes the same steps: the groups are sorted by where they
// lie and laid on the grid afresh.
void BM_ArrangePieces(benchmark::State& state) {
    BenchGame bench(FieldOf(state), 324);
    Game& game = *bench.game;
    const QSize size = FieldOf(state);
    const ArrangeField field{size.width(), size.height(), {}, false};
    for (auto _ : state) {
        ArrangeLooseGroups(game.puzzle, field);
        benchmark::DoNotOptimize(game.puzzle.Pieces.data());
    }
}
BENCHMARK(BM_ArrangePieces)->Args({1920, 1080})->Unit(benchmark::kMillisecond)->UseRealTime();

// The bench game's paint with one toggle of the Game menu on.
void PaintWith(benchmark::State& state, void (Assist::*toggle)(bool)) {
    BenchGame bench(FieldOf(state), 324);
    Game& game = *bench.game;
    Assist assist(game);
    (assist.*toggle)(true);
    for (auto _ : state) {
        game.picPuzzle_Paint();
        benchmark::DoNotOptimize(game.surfaces.BackBuffer.Image().constBits());
    }
}

void BM_PaintPlayFieldFaintPicture(benchmark::State& state) {
    PaintWith(state, &Assist::SetFaintPicture);
}
void BM_PaintPlayFieldPreviewAbove(benchmark::State& state) {
    PaintWith(state, &Assist::SetPreviewAbovePieces);
}
BENCHMARK(BM_PaintPlayFieldFaintPicture)
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_PaintPlayFieldPreviewAbove)
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
} // namespace tess::bench
