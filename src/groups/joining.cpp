// Joining pieces into groups and keeping the drawing order.
#include "groups/joining.h"

#include <algorithm>
#include <utility>

namespace tess {

namespace {

// The last position of GroupOrder holding the group, 0 when it is not there.
int LastPositionOf(const Puzzle& puzzle, Integer group) {
    int pos = 0;
    for (int i = 1; i <= puzzle.GroupOrderCount; ++i) {
        if (puzzle.GroupOrder[i] == group) {
            pos = i;
        }
    }
    return pos;
}

} // namespace

void SetGroupEdges(Puzzle& puzzle, Integer intGroup) {
    GroupRecord& group = puzzle.Groups[intGroup];
    const PieceRecord& first = puzzle.Pieces[group.Members[1]];
    group.MinCol = group.MaxCol = first.Col;
    group.MinRow = group.MaxRow = first.Row;
    for (int i = 2; i <= group.MemberCount; ++i) {
        const PieceRecord& p = puzzle.Pieces[group.Members[i]];
        if (p.Row < group.MinRow) {
            group.MinRow = p.Row;
        }
        if (p.Row > group.MaxRow) {
            group.MaxRow = p.Row;
        }
        if (p.Col < group.MinCol) {
            group.MinCol = p.Col;
        }
        if (p.Col > group.MaxCol) {
            group.MaxCol = p.Col;
        }
    }
}

void SetPieceGroup(Puzzle& puzzle, Integer intSelectedDirection) {
    const Integer oldGroup = puzzle.DraggedGroup;
    const Integer newGroup = puzzle.Pieces[intSelectedDirection].Group;
    const Integer count = puzzle.Groups[oldGroup].MemberCount;
    for (int i = 1; i <= count; ++i) {
        const Integer m = puzzle.Groups[oldGroup].Members[i];
        GroupRecord& target = puzzle.Groups[newGroup];
        ++target.MemberCount;
        // The list stays ascending after slot 0.
        target.Members.insert(std::upper_bound(target.Members.begin() + 1, target.Members.end(), m),
                              m);
        puzzle.Pieces[m].Group = newGroup;
    }
    SetGroupEdges(puzzle, newGroup);
    RemoveGroup(puzzle, oldGroup);
    ReOrderGroups(puzzle);
}

void RemoveGroup(Puzzle& puzzle, Integer intGroup) {
    const int pos = LastPositionOf(puzzle, intGroup);
    // A group missing from the order (never the case for a live group) leaves the order alone.
    if (pos > 0) {
        if (puzzle.GroupOrderCount >= 2) {
            for (int i = pos; i <= puzzle.GroupOrderCount - 1; ++i) {
                puzzle.GroupOrder[i] = puzzle.GroupOrder[i + 1];
            }
        }
        --puzzle.GroupOrderCount;
        puzzle.GroupOrder.resize(static_cast<std::size_t>(puzzle.GroupOrderCount) + 1);
    }
    GroupRecord& group = puzzle.Groups[intGroup];
    group.MemberCount = 0;
    group.Members.assign(1, 0);
}

void ReOrderGroups(Puzzle& puzzle) {
    const Integer group = puzzle.Pieces[puzzle.SelectedPiece].Group;
    const int pos = LastPositionOf(puzzle, group);
    if (pos > 0 && puzzle.GroupOrderCount >= 2) {
        for (int i = pos; i <= puzzle.GroupOrderCount - 1; ++i) {
            std::swap(puzzle.GroupOrder[i], puzzle.GroupOrder[i + 1]);
        }
    }
}

} // namespace tess
