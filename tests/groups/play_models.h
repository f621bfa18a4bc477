// Hand-made puzzles and a scripted random source for the tests of playing.
#pragma once

#include "groups/groups.h"
#include "puzzle/cutting.h"
#include "puzzle/grid.h"
#include "puzzle/invariants.h"
#include "puzzle/scramble.h"
#include "support/recording_host.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tess::test {

// A puzzle as a scramble leaves it, but with every piece at its home: columns x rows cut as the
// layout says, checkerboard shapes, one group per piece in piece order.
inline Puzzle MakePuzzle(Integer columns, Integer rows, const CutLayout& layout) {
    Puzzle p;
    p.NumberOfPieces = Integer(columns * rows);
    p.PuzzleColumns = columns;
    p.PuzzleRows = rows;
    NumberPieces(p);
    ApplyCutLayout(p, layout);
    ClearSettings(p);
    for (PieceRecord& piece : p.Pieces) {
        std::tie(piece.X, piece.Y) = std::pair{piece.HomeX, piece.HomeY};
    }
    return p;
}

// The same with cells of cw x ch, tabs a third of them, the board's corner at (left, top).
inline Puzzle MakePuzzle(Integer columns, Integer rows, Integer cw = 84, Integer ch = 63,
                         Integer left = 62, Integer top = 27) {
    return MakePuzzle(columns, rows,
                      {columns * cw, rows * ch, cw, ch, Integer(cw / 3), Integer(ch / 3), left, top,
                       Rect{left, top, left + columns * cw, top + rows * ch}});
}

// Gathers the pieces into group slot `slot`, empties the slots they leave and drops those
// from GroupOrder. Joined flags are not touched.
inline void Regroup(Puzzle& p, Integer slot, const std::vector<Integer>& pieces) {
    for (Integer m : pieces) {
        GroupRecord& old = p.Groups[std::exchange(p.Pieces[m].Group, slot)];
        std::erase(old.Members, m);
        old.MemberCount = Integer(old.Members.size() - 1);
    }
    std::erase_if(p.GroupOrder,
                  [&](Integer g) { return g != 0 && g != slot && p.Groups[g].MemberCount == 0; });
    p.GroupOrderCount = Integer(p.GroupOrder.size() - 1);
    GroupRecord& group = p.Groups[slot];
    group.Members = pieces;
    group.Members.insert(group.Members.begin(), 0);
    std::sort(group.Members.begin(), group.Members.end());
    group.MemberCount = Integer(pieces.size());
    SetGroupEdges(p, slot);
}

// Puts piece m at its place relative to piece ref as in the finished picture.
inline void LayBeside(Puzzle& p, Integer m, Integer ref) {
    p.Pieces[m].X = p.Pieces[ref].X + (p.Pieces[m].Col - p.Pieces[ref].Col) * p.CellWidth;
    p.Pieces[m].Y = p.Pieces[ref].Y + (p.Pieces[m].Row - p.Pieces[ref].Row) * p.CellHeight;
}

// X and Y of each piece in turn.
inline std::vector<Long> Places(const Puzzle& p, const std::vector<Integer>& pieces) {
    std::vector<Long> places;
    for (Integer i : pieces) {
        places.insert(places.end(), {p.Pieces[i].X, p.Pieces[i].Y});
    }
    return places;
}

inline std::vector<Integer> Ints(std::initializer_list<int> v) { return {v.begin(), v.end()}; }

// Hands out the values it is given (0 when they run out) and counts what is asked of it.
class ScriptedRandom : public RandomSource {
public:
    std::deque<Single> values;
    int reseeds = 0, draws = 0;
    void Reseed() override { ++reseeds; }
    Single Next() override {
        ++draws;
        const Single v = values.empty() ? 0.0f : values.front();
        values.erase(values.begin(), values.begin() + (values.empty() ? 0 : 1));
        return v;
    }
};

// The largest value below 1 a single-precision generator can give.
inline constexpr Single kLargestDraw = 1.0f - 1.0f / 16777216.0f;

// A game on a recording host holding a hand-made puzzle, with surfaces to paint it.
struct PlayFixture {
    QTemporaryDir folder;
    RecordingHost host;
    SettingsStore store{folder.path() + QStringLiteral("/settings.ini")};
    ScriptedRandom scripted;
    std::unique_ptr<Game> game;

    explicit PlayFixture(Puzzle puzzle, RandomSource* random = nullptr) {
        game = std::make_unique<Game>(host, store, random != nullptr ? *random : scripted,
                                      TestFacts(folder.path()));
        game->InitDirectDraw();
        game->puzzle = std::move(puzzle);
        game->puzzle.PuzzleLoaded = kTrue;
        const Puzzle& p = game->puzzle;
        Surface piece = Surface::CreateSurface(p.CellWidth + 2 * p.TabWidth,
                                               p.CellHeight + 2 * p.TabHeight, 0x808080);
        piece.SetColorKey(TransparentKey);
        game->surfaces.PieceSurfaces.assign(std::size_t(p.NumberOfPieces) + 1, piece);
    }

    Puzzle& puzzle() { return game->puzzle; }
    void Down(Single x, Single y, int b = kLeftButton) { game->picPuzzle_MouseDown(b, 0, x, y); }
    void Move(Single x, Single y, int b = kLeftButton) { game->picPuzzle_MouseMove(b, 0, x, y); }
    void Up(Single x, Single y, int b = kLeftButton) { game->picPuzzle_MouseUp(b, 0, x, y); }
};

// The checker's findings, one a line, in the failure message.
#define EXPECT_CONSISTENT(puzzle)                                                                  \
    EXPECT_EQ(::tess::CheckModelInvariants(puzzle).join('\n').toStdString(), "")

} // namespace tess::test
