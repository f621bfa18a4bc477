// The Game menu's help beside one full paint, same run: Arrange Pieces of 324 scattered pieces
// (it must cost less than a paint), and the paint with the faint picture and with the preview
// above the pieces (within 10 % of BM_PaintPlayField); the same two measured again in pairs of
// frames, which the machine's noise disturbs far less.
#include "assist/assist.h"
#include "bench_game.h"
#include "display/painting.h"
#include "display/parallel.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

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

// A toggle's share measured in pairs: each iteration paints the plain frame, the frame with the
// toggle on and the plain frame again, back to back, and takes the ratio to the plain frames'
// mean. The machine's ups and downs, slower than a frame, fall on both sides of each ratio; the
// counter is the median ratio, minus one.
void PairedWith(benchmark::State& state, void (Assist::*toggle)(bool)) {
    BenchGame bench(FieldOf(state), 324);
    Game& game = *bench.game;
    Assist assist(game);
    (assist.*toggle)(true);
    const PaintOptions on = assist.FrameOptions();
    auto paint = [&](const PaintOptions& options) {
        ComposePlayField(game.puzzle, game.settings, game.surfaces, 1.0, PartsForThisMachine(),
                         options);
    };
    // The frame before the timed one is of the same kind, as in play, where one frame's
    // pictures are still in the caches for the next.
    auto seconds = [&](const PaintOptions& options) {
        paint(options);
        const auto start = std::chrono::steady_clock::now();
        paint(options);
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    std::vector<double> ratios;
    for (auto _ : state) {
        const double before = seconds({});
        const double with = seconds(on);
        ratios.push_back(2 * with / (before + seconds({})));
    }
    std::nth_element(ratios.begin(), ratios.begin() + std::ptrdiff_t(ratios.size() / 2),
                     ratios.end());
    state.counters["extra"] = ratios[ratios.size() / 2] - 1;
}

void BM_FaintPicturePaired(benchmark::State& state) { PairedWith(state, &Assist::SetFaintPicture); }
void BM_PreviewAbovePaired(benchmark::State& state) {
    PairedWith(state, &Assist::SetPreviewAbovePieces);
}
BENCHMARK(BM_FaintPicturePaired)->Args({1920, 1080})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PreviewAbovePaired)->Args({1920, 1080})->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace tess::bench
