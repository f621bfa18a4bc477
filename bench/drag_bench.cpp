// One drag step (a mouse move with its repaint) beside one whole paint of the same game:
// 324 loose outlined pieces and the preview at 1920 x 1080. The step may add little. Then the
// step of one piece and of a group of 7 x 7 pieces by a few pixels at 1920 x 1080 and
// 3840 x 2160, beside the whole paint at that size: the step composes only what changed.
#include "bench_game.h"
#include "groups/groups.h"

#include <benchmark/benchmark.h>
#include <map>

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

// A scrambled game at the size; with side > 1 the pieces of the picture's top-left side x side
// block joined into one group on top, laid out as the game lays out a group.
Game& ScrambledAt(int width, int height, int side) {
    static std::map<std::tuple<int, int, int>, std::unique_ptr<BenchGame>> games;
    std::unique_ptr<BenchGame>& bench = games[{width, height, side}];
    if (bench) {
        return *bench->game;
    }
    bench = std::make_unique<BenchGame>(QSize(width, height), 324);
    Game& game = *bench->game;
    game.mnuFileScramble_Click();
    Puzzle& p = game.puzzle;
    for (int row = 0; row < side; ++row) {
        for (int col = 0; col < side; ++col) {
            const Integer piece = Integer(row * p.PuzzleColumns + col + 1);
            PieceRecord& record = p.Pieces[piece];
            record.JoinedLeft = ToFlag(col > 0);
            record.JoinedRight = ToFlag(col < side - 1);
            record.JoinedTop = ToFlag(row > 0);
            record.JoinedBottom = ToFlag(row < side - 1);
            if (piece != 1) {
                p.DraggedGroup = record.Group;
                SetPieceGroup(p, 1);
            }
        }
    }
    game.AlignGroup(p.Pieces[1].Group);
    p.SelectedPiece = 1;
    ReOrderGroups(p);
    p.SelectedPiece = 0;
    game.picPuzzle_Paint();
    return game;
}

void BM_PaintAt(benchmark::State& state) {
    Game& game = ScrambledAt(int(state.range(0)), int(state.range(1)), 1);
    for (auto _ : state) {
        game.picPuzzle_Paint();
        benchmark::DoNotOptimize(game.surfaces.BackBuffer.Image().constBits());
    }
}
BENCHMARK(BM_PaintAt)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The topmost piece (or the group) grabbed and moved back and forth by 8 pixels each way.
void BM_DragStepAt(benchmark::State& state) {
    Game& game = ScrambledAt(int(state.range(0)), int(state.range(1)), int(state.range(2)));
    Puzzle& p = game.puzzle;
    const Integer top = p.Groups[p.GroupOrder[p.GroupOrderCount]].Members[1];
    const Single x = Single(p.Pieces[top].X + p.TabWidth + p.CellWidth / 2);
    const Single y = Single(p.Pieces[top].Y + p.TabHeight + p.CellHeight / 2);
    game.picPuzzle_MouseDown(kLeftButton, 0, x, y);
    if (p.SelectedPiece != top ||
        p.Groups[p.Pieces[top].Group].MemberCount != state.range(2) * state.range(2)) {
        state.SkipWithError("the topmost group was not grabbed");
        return;
    }
    // The first move centres the piece under the pointer.
    game.picPuzzle_MouseMove(kLeftButton, 0, x, y);
    bool across = false;
    for (auto _ : state) {
        across = !across;
        game.picPuzzle_MouseMove(kLeftButton, 0, across ? x + 8 : x, across ? y + 8 : y);
        benchmark::DoNotOptimize(game.surfaces.BackBuffer.Image().constBits());
    }
    game.picPuzzle_MouseUp(kLeftButton, 0, x, y);
}
BENCHMARK(BM_DragStepAt)
    ->Args({1920, 1080, 1})
    ->Args({3840, 2160, 1})
    ->Args({3840, 2160, 7})
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

} // namespace
} // namespace tess::bench
