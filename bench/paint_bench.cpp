// One full paint with 324 loose outlined pieces and the preview, beside a plain copy of one
// back buffer, at 1920 x 1080 and 3840 x 2160. Wall-clock time: the paint uses every core.
#include "bench_game.h"
#include "display/painting.h"

#include <benchmark/benchmark.h>

namespace tess::bench {
namespace {

QSize FieldOf(const benchmark::State& state) {
    return QSize(int(state.range(0)), int(state.range(1)));
}

void BM_CopyBackBuffer(benchmark::State& state) {
    const QSize field = FieldOf(state);
    Surface source = Surface::CreateSurface(field.width(), field.height());
    source.BltColorFill(WholeRect, 0x336699);
    Surface target = Surface::CreateSurface(field.width(), field.height());
    for (auto _ : state) {
        target.BltFast(0, 0, source, WholeRect, kBltFastNoWait);
        benchmark::DoNotOptimize(target.Image().constBits());
    }
}
BENCHMARK(BM_CopyBackBuffer)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Paints the bench game over and over: in `bands` bands (0: as the game does), with the
// recorded runs of opaque pixels or without (every pixel tested against the key).
void Paint(benchmark::State& state, int bands, bool runs) {
    BenchGame bench(FieldOf(state), 324);
    Game& game = *bench.game;
    if (!runs) {
        for (Surface& piece : game.surfaces.PieceSurfaces) {
            piece.SetColorKey(TransparentKey); // drops the recorded runs
        }
    }
    for (auto _ : state) {
        if (bands == 0) {
            game.picPuzzle_Paint();
        } else {
            ComposePlayField(game.puzzle, game.settings, game.surfaces, 1.0, bands);
        }
        benchmark::DoNotOptimize(game.surfaces.BackBuffer.Image().constBits());
    }
}

void BM_PaintPlayField(benchmark::State& state) { Paint(state, 0, true); }
// The same on the calling thread alone.
void BM_PaintPlayFieldOneBand(benchmark::State& state) { Paint(state, 1, true); }
// The same without the runs recorded at cut time: the measurement behind keeping them.
void BM_PaintPlayFieldTestingEveryPixel(benchmark::State& state) { Paint(state, 0, false); }

BENCHMARK(BM_PaintPlayField)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_PaintPlayFieldOneBand)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_PaintPlayFieldTestingEveryPixel)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
} // namespace tess::bench
