// Models built field by field for the state file tests: the model a hand-made file
// describes, and a grid holding one large group.
#pragma once

#include "puzzle/model.h"
#include "state_file_bytes.h"

#include <algorithm>

namespace tess::test {

// The model a hand-made file describes, filled field by field from the hand values.
inline Puzzle ModelOf(const HandGame& hand) {
    Puzzle puzzle;
    puzzle.PictureFileName = QString::fromLatin1(hand.Path);
    puzzle.NumberOfPieces = static_cast<Integer>(hand.Pieces);
    puzzle.PuzzleColumns = static_cast<Integer>(hand.Columns);
    puzzle.PuzzleRows = static_cast<Integer>(hand.Rows);
    for (const HandPiece& h : hand.PieceRecords) {
        PieceRecord p;
        p.Col = static_cast<Integer>(h.Col);
        p.Row = static_cast<Integer>(h.Row);
        p.Group = static_cast<Integer>(h.Group);
        p.JoinedTop = static_cast<Flag>(h.JoinedTop);
        p.JoinedBottom = static_cast<Flag>(h.JoinedBottom);
        p.JoinedLeft = static_cast<Flag>(h.JoinedLeft);
        p.JoinedRight = static_cast<Flag>(h.JoinedRight);
        p.TopOut = static_cast<Flag>(h.TopOut);
        p.BottomOut = static_cast<Flag>(h.BottomOut);
        p.LeftOut = static_cast<Flag>(h.LeftOut);
        p.RightOut = static_cast<Flag>(h.RightOut);
        p.X = h.X;
        p.Y = h.Y;
        p.CellRect = {h.CellLeft, h.CellTop, h.CellRight, h.CellBottom};
        p.HomeX = static_cast<Integer>(h.HomeX);
        p.HomeY = static_cast<Integer>(h.HomeY);
        puzzle.Pieces.push_back(p);
    }
    for (const HandGroup& h : hand.GroupRecords) {
        GroupRecord g;
        g.InPlace = static_cast<Flag>(h.InPlace);
        for (const int m : h.Members) {
            g.Members.push_back(static_cast<Integer>(m));
        }
        g.MemberCount = static_cast<Integer>(h.Members.size());
        g.MinCol = static_cast<Integer>(h.MinCol);
        g.MaxCol = static_cast<Integer>(h.MaxCol);
        g.MinRow = static_cast<Integer>(h.MinRow);
        g.MaxRow = static_cast<Integer>(h.MaxRow);
        puzzle.Groups.push_back(g);
    }
    for (const int p : hand.Placed) {
        puzzle.PlacedPieces.push_back(static_cast<Integer>(p));
    }
    puzzle.PlacedCount = static_cast<Integer>(hand.Placed.size());
    puzzle.GroupSlotCount = static_cast<Integer>(hand.GroupSlotCount);
    for (const int g : hand.Order) {
        puzzle.GroupOrder.push_back(static_cast<Integer>(g));
    }
    puzzle.GroupOrderCount = static_cast<Integer>(hand.Order.size());
    puzzle.ElapsedSeconds = hand.ElapsedSeconds;
    return puzzle;
}

// A consistent model of the grid in which the first `joined` pieces form group 1.
inline Puzzle GridWithOneBigGroup(int columns, int rows, int joined) {
    const int n = columns * rows;
    Puzzle puzzle;
    SetPictureFileName(puzzle, "/p/big.bmp");
    puzzle.NumberOfPieces = static_cast<Integer>(n);
    puzzle.PuzzleColumns = static_cast<Integer>(columns);
    puzzle.PuzzleRows = static_cast<Integer>(rows);
    puzzle.Pieces.resize(n + 1);
    puzzle.Groups.resize(n + 1);
    puzzle.GroupSlotCount = static_cast<Integer>(n);
    for (int i = 1; i <= n; ++i) {
        PieceRecord& p = puzzle.Pieces[i];
        p.Col = static_cast<Integer>((i - 1) % columns);
        p.Row = static_cast<Integer>((i - 1) / columns);
        const bool even = (p.Col + p.Row) % 2 == 0;
        p.LeftOut = ToFlag(even || p.Col == 0);
        p.RightOut = ToFlag(even || p.Col == columns - 1);
        p.TopOut = ToFlag(!even || p.Row == 0);
        p.BottomOut = ToFlag(!even || p.Row == rows - 1);
        const int g = i <= joined ? 1 : i;
        p.Group = static_cast<Integer>(g);
        GroupRecord& group = puzzle.Groups[g];
        group.Members.push_back(static_cast<Integer>(i));
        group.MemberCount = static_cast<Integer>(group.Members.size() - 1);
        if (group.MemberCount == 1) {
            group.MinCol = group.MaxCol = p.Col;
            group.MinRow = group.MaxRow = p.Row;
        }
        group.MinCol = std::min(group.MinCol, p.Col);
        group.MaxCol = std::max(group.MaxCol, p.Col);
        group.MinRow = std::min(group.MinRow, p.Row);
        group.MaxRow = std::max(group.MaxRow, p.Row);
        if (g == i) {
            puzzle.GroupOrder.push_back(static_cast<Integer>(g));
        }
    }
    puzzle.GroupOrderCount = static_cast<Integer>(puzzle.GroupOrder.size() - 1);
    return puzzle;
}

} // namespace tess::test
