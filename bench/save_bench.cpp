// One quiet save of a 324-piece game beside one full paint of the same game, at 1920 x 1080.
// A save is the game's state file made on the game's thread at the change, and that file
// written safely (fsync included) to the game's kept file when the timer runs out, by the
// writer thread; BM_QuietSave does both on one thread, BM_QuietSaveBytes is the game
// thread's share.
#include "bench_game.h"
#include "groups/groups.h"
#include "history/history.h"

#include <benchmark/benchmark.h>

namespace tess::bench {
namespace {

// The bench game with its group slots counted and their edges set, as a state file needs.
std::unique_ptr<BenchGame> SavableGame() {
    auto bench = std::make_unique<BenchGame>(QSize(1920, 1080), 324);
    bench->game->puzzle.GroupSlotCount = 324;
    for (Integer g = 1; g <= 324; ++g) {
        SetGroupEdges(bench->game->puzzle, g);
    }
    return bench;
}

void BM_QuietSave(benchmark::State& state) {
    const std::unique_ptr<BenchGame> bench = SavableGame();
    GameHistory history(*bench->game);
    for (auto _ : state) {
        history.GameChanged();
        history.SaveNow();
    }
    if (!QFile::exists(history.KeptPath())) {
        state.SkipWithError("nothing was saved");
    }
}

// The game thread's share: the state file's bytes.
void BM_QuietSaveBytes(benchmark::State& state) {
    const std::unique_ptr<BenchGame> bench = SavableGame();
    const QString path = bench->folder.path() + QStringLiteral("/game.psf");
    if (!WriteStateFile(bench->game->puzzle, path).error.isEmpty()) {
        state.SkipWithError("the game cannot be saved");
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteStateFile(bench->game->puzzle, path).bytes);
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
