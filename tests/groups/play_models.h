// Hand-made puzzles and a scripted random source for the tests of playing.
#pragma once

#include "display/surface.h"
#include "puzzle/invariants.h"
#include "puzzle/model.h"
#include "puzzle/random.h"
#include "shell/game.h"
#include "support/recording_host.h"

#include <QTemporaryDir>
#include <algorithm>
#include <deque>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>

namespace tess::test {

// A puzzle as a scramble leaves it, but with every piece at its home: columns x rows,
// checkerboard shapes, one group per piece in piece order, tabs a third of the cells.
inline Puzzle MakePuzzle(int columns, int rows, int cellWidth = 84, int cellHeight = 63,
                         int boardLeft = 62, int boardTop = 27) {
    Puzzle p;
    const int n = columns * rows;
    p.NumberOfPieces = static_cast<Integer>(n);
    p.PuzzleColumns = static_cast<Integer>(columns);
    p.PuzzleRows = static_cast<Integer>(rows);
    p.CellWidth = static_cast<Integer>(cellWidth);
    p.CellHeight = static_cast<Integer>(cellHeight);
    p.TabWidth = static_cast<Integer>(cellWidth / 3);
    p.TabHeight = static_cast<Integer>(cellHeight / 3);
    p.BoardLeft = static_cast<Integer>(boardLeft);
    p.BoardTop = static_cast<Integer>(boardTop);
    p.BoardRect = {boardLeft, boardTop, boardLeft + columns * cellWidth,
                   boardTop + rows * cellHeight};
    p.Pieces.assign(n + 1, PieceRecord{});
    p.Groups.assign(n + 1, GroupRecord{});
    p.GroupOrder.assign(n + 1, 0);
    p.GroupOrderCount = static_cast<Integer>(n);
    p.GroupSlotCount = static_cast<Integer>(n);
    for (int i = 1; i <= n; ++i) {
        PieceRecord& piece = p.Pieces[i];
        piece.Col = static_cast<Integer>((i - 1) % columns);
        piece.Row = static_cast<Integer>((i - 1) / columns);
        const bool even = (piece.Col + piece.Row) % 2 == 0;
        piece.LeftOut = ToFlag(even || piece.Col == 0);
        piece.RightOut = ToFlag(even || piece.Col == columns - 1);
        piece.TopOut = ToFlag(!even || piece.Row == 0);
        piece.BottomOut = ToFlag(!even || piece.Row == rows - 1);
        piece.CellRect = {piece.Col * cellWidth, piece.Row * cellHeight,
                          (piece.Col + 1) * cellWidth, (piece.Row + 1) * cellHeight};
        piece.HomeX = static_cast<Integer>(boardLeft + 1 + piece.Col * cellWidth - p.TabWidth);
        piece.HomeY = static_cast<Integer>(boardTop + 1 + piece.Row * cellHeight - p.TabHeight);
        piece.X = piece.HomeX;
        piece.Y = piece.HomeY;
        piece.Group = static_cast<Integer>(i);
        GroupRecord& group = p.Groups[i];
        group.Members = {0, static_cast<Integer>(i)};
        group.MemberCount = 1;
        group.MinCol = group.MaxCol = piece.Col;
        group.MinRow = group.MaxRow = piece.Row;
        p.GroupOrder[i] = static_cast<Integer>(i);
    }
    return p;
}

// Gathers the pieces into group slot `slot` (ascending, bounds set), empties the slots
// they leave and drops those from GroupOrder. Joined flags are not touched.
inline void Regroup(Puzzle& p, Integer slot, std::initializer_list<Integer> pieces) {
    std::vector<Integer> members(pieces);
    std::sort(members.begin(), members.end());
    for (Integer m : members) {
        const Integer old = p.Pieces[m].Group;
        if (old != slot && old != 0) {
            GroupRecord& oldGroup = p.Groups[old];
            oldGroup.Members.erase(
                std::find(oldGroup.Members.begin() + 1, oldGroup.Members.end(), m));
            --oldGroup.MemberCount;
        }
    }
    for (int g = 1; g < static_cast<int>(p.Groups.size()); ++g) {
        if (g != slot && p.Groups[g].MemberCount == 0) {
            auto at = std::find(p.GroupOrder.begin() + 1,
                                p.GroupOrder.begin() + 1 + p.GroupOrderCount, g);
            if (at != p.GroupOrder.begin() + 1 + p.GroupOrderCount) {
                p.GroupOrder.erase(at);
                --p.GroupOrderCount;
            }
        }
    }
    GroupRecord& group = p.Groups[slot];
    group.Members = {0};
    group.Members.insert(group.Members.end(), members.begin(), members.end());
    group.MemberCount = static_cast<Integer>(members.size());
    group.MinCol = group.MinRow = 32767;
    group.MaxCol = group.MaxRow = -1;
    for (Integer m : members) {
        p.Pieces[m].Group = slot;
        group.MinCol = std::min(group.MinCol, p.Pieces[m].Col);
        group.MaxCol = std::max(group.MaxCol, p.Pieces[m].Col);
        group.MinRow = std::min(group.MinRow, p.Pieces[m].Row);
        group.MaxRow = std::max(group.MaxRow, p.Pieces[m].Row);
    }
}

// Puts piece m at its place relative to piece ref as in the finished picture.
inline void LayBeside(Puzzle& p, Integer m, Integer ref) {
    p.Pieces[m].X = p.Pieces[ref].X + (p.Pieces[m].Col - p.Pieces[ref].Col) * p.CellWidth;
    p.Pieces[m].Y = p.Pieces[ref].Y + (p.Pieces[m].Row - p.Pieces[ref].Row) * p.CellHeight;
}

inline std::vector<Integer> Ints(std::initializer_list<int> values) {
    std::vector<Integer> out;
    for (int v : values) {
        out.push_back(static_cast<Integer>(v));
    }
    return out;
}

// Hands out the values it is given (0 when they run out) and counts what is asked of it.
class ScriptedRandom : public RandomSource {
public:
    std::deque<Single> values;
    int reseeds = 0;
    int draws = 0;
    void Reseed() override { ++reseeds; }
    Single Next() override {
        ++draws;
        if (values.empty()) {
            return 0.0f;
        }
        const Single v = values.front();
        values.pop_front();
        return v;
    }
};

// The largest value below 1 a single-precision generator can give.
inline constexpr Single kLargestDraw = 1.0f - 1.0f / 16777216.0f;

// A game on a recording host holding a hand-made puzzle, with surfaces to paint it.
struct PlayFixture {
    QTemporaryDir folder;
    RecordingHost host;
    std::unique_ptr<SettingsStore> store;
    ScriptedRandom scripted;
    std::unique_ptr<Game> game;

    explicit PlayFixture(Puzzle puzzle, RandomSource* random = nullptr)
        : store(std::make_unique<SettingsStore>(folder.path() + QStringLiteral("/settings.ini"))) {
        ProcessFacts facts;
        facts.ProgramFolder = folder.path();
        facts.AppDir = folder.path();
        game = std::make_unique<Game>(host, *store, random != nullptr ? *random : scripted, facts);
        game->InitDirectDraw();
        game->puzzle = std::move(puzzle);
        game->puzzle.PuzzleLoaded = kTrue;
        Puzzle& p = game->puzzle;
        game->surfaces.PieceSurfaces.assign(1, Surface{});
        for (int i = 1; i <= p.NumberOfPieces; ++i) {
            Surface s = Surface::CreateSurface(p.CellWidth + 2 * p.TabWidth,
                                               p.CellHeight + 2 * p.TabHeight);
            s.SetColorKey(TransparentKey);
            s.BltColorFill(WholeRect, 0x808080);
            game->surfaces.PieceSurfaces.push_back(std::move(s));
        }
    }

    Puzzle& puzzle() { return game->puzzle; }
    void Down(double x, double y, int button = kLeftButton) {
        game->picPuzzle_MouseDown(button, 0, static_cast<Single>(x), static_cast<Single>(y));
    }
    void Move(double x, double y, int buttons = kLeftButton) {
        game->picPuzzle_MouseMove(buttons, 0, static_cast<Single>(x), static_cast<Single>(y));
    }
    void Up(double x, double y, int button = kLeftButton) {
        game->picPuzzle_MouseUp(button, 0, static_cast<Single>(x), static_cast<Single>(y));
    }
};

#define EXPECT_CONSISTENT(puzzle)                                                                  \
    do {                                                                                           \
        const QStringList problems_ = ::tess::CheckModelInvariants(puzzle);                        \
        EXPECT_TRUE(problems_.isEmpty()) << problems_.join('\n').toStdString();                    \
    } while (false)

} // namespace tess::test
