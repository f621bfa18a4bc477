// Groups: laying a group out on its grid, and fixing groups at their true place with Hint and
// Solve until the puzzle is complete. Merging is seen through the drops of the display tests.
#include "groups/play_models.h"

namespace tess::test {
namespace {

TEST(Alignment, LaysLooseGroupsOutFromTheirReferencePieceInsideTheField) {
    // Five columns of 40 x 30 cells; the group, its reference piece's corner, the field, and
    // where the members end, laid out again however far they lay. {1, 2}: pushed in from the
    // left and the top (d = 0); 300 - 230 = 70 <= 80, flush with the right edge; 220.5 and
    // 221.5 round to even (300.5 and 301.5 wide). {2, 6, 7}: 2 at column 1 stays one cell from the
    // left edge; against the right and bottom, w = 1 x 40 and h = 2 x 30: 300 - 280 = 20 and 200 -
    // 150 = 50. {1, 10} spans the grid, wider and higher than the field: flush right and bottom.
    // {6, 7} lies in the second row, as it lay.
    using Row = std::tuple<std::vector<Integer>, Long, Long, Single, Single, std::vector<Long>>;
    for (const auto& [members, x, y, width, height, places] :
         {Row{{1, 2}, -7, -5, 300, 400, {0, 0, 40, 0}},
          Row{{1, 2}, 230, 100, 300.5f, 400, {220, 100, 260, 100}},
          Row{{1, 2}, 230, 100, 301.5f, 400, {222, 100, 262, 100}},
          Row{{2, 6, 7}, 10, 5, 300, 200, {40, 5, 0, 35, 40, 35}},
          Row{{2, 6, 7}, 280, 150, 300, 200, {260, 140, 220, 170, 260, 170}},
          Row{{1, 10}, 0, 0, 150, 50, {-50, -10, 110, 20}},
          Row{{6, 7}, 50, 60, 300, 200, {50, 60, 90, 60}}}) {
        // Laid out only if loose and of several pieces: 3 is marked in place (an impossible
        // state, to see the skip), 5 is alone.
        Puzzle p = MakePuzzle(5, 2, 40, 30);
        Regroup(p, members[0], members);
        Regroup(p, 3, {3, 4});
        p.Groups[3].InPlace = kTrue;
        for (PieceRecord& piece : p.Pieces) {
            piece.X = &piece == &p.Pieces[members[0]] ? x : 999;
            piece.Y = &piece == &p.Pieces[members[0]] ? y : -300;
        }
        AlignAllGroups(p, width, height);
        EXPECT_EQ(Places(p, members), places) << x << ", " << y << " in " << width;
        EXPECT_EQ(Places(p, {3, 5}), (std::vector<Long>{999, -300, 999, -300}));
    }
}

TEST(Joining, TheSelectedGroupRisesToTheTopOfTheDrawingOrderOfTwo) {
    for (const Integer selected : {1, 2}) {
        Puzzle p = MakePuzzle(2, 1, 40, 30);
        p.SelectedPiece = selected;
        ReOrderGroups(p);
        EXPECT_EQ(p.GroupOrder, selected == 1 ? Ints({0, 2, 1}) : Ints({0, 1, 2}));
    }
}

TEST(Placing, HintPlacesADrawnGroupSolveTheRestInDrawingOrderAndTheGameCompletes) {
    // GroupOrder 3, 4, 1 with group 1 holding {1, 2}: Int(3 r + 1) picks the position, and
    // Solve places the rest from the bottom of the drawing order. Timed, and the clock's
    // seconds: only a timed game that the clock timed asks for a name.
    for (const auto& [r, timed, seconds, placed] :
         {std::tuple{0.3333f, false, 42, Ints({0, 3, 4, 1, 2})},
          std::tuple{0.3334f, true, 42, Ints({0, 4, 3, 1, 2})},
          std::tuple{kLargestDraw, true, 0, Ints({0, 1, 2, 3, 4})}}) {
        Puzzle p = MakePuzzle(2, 2, 60, 45);
        Regroup(p, 1, {1, 2});
        p.GroupOrder = Ints({0, 3, 4, 1});
        p.Pieces[placed[1]].X += 100;
        PlayFixture f(std::move(p));
        f.game->settings.TimePuzzle = timed;
        f.puzzle().ElapsedSeconds = seconds;
        f.puzzle().SelectedPiece = 3;
        f.scripted.values = {r};
        f.game->mnuFileHint_Click();
        const Puzzle& q = f.puzzle();
        // Only a finished game stops the clock; the table is written after every placing.
        EXPECT_EQ((std::vector<int>{f.scripted.draws, f.scripted.reseeds, q.ElapsedSeconds,
                                    q.PuzzleSolved, q.SelectedPiece, q.Groups[placed[1]].InPlace,
                                    f.host.calls.contains(QStringLiteral("SetTimerEnabled 0")),
                                    QFile::exists(f.folder.path() + "/besttimes.txt")}),
                  (std::vector<int>{1, 0, seconds, kFalse, 0, kTrue, false, true}));

        f.game->mnuFileSolve_Click();
        EXPECT_EQ(q.PlacedPieces, placed);
        EXPECT_CONSISTENT(q);
        // The clock stops, and only then is the name asked for.
        const bool asks = timed && seconds > 0;
        const qsizetype stop = f.host.calls.indexOf(QStringLiteral("SetTimerEnabled 0"));
        const qsizetype asked = f.host.calls.indexOf(QStringLiteral("InputBox"));
        EXPECT_EQ(
            (std::vector<int>{q.GroupOrderCount, q.PuzzleSolved, q.ElapsedSeconds, q.SelectedPiece,
                              q.Groups[3].InPlace, stop >= 0, asked > stop, asked >= 0}),
            (std::vector<int>{0, kTrue, 0, 0, kTrue, true, asks, asks}))
            << seconds;
    }
}

} // namespace
} // namespace tess::test
