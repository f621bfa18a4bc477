// What a step of Undo puts back: the play of a game at one moment.
#pragma once

#include "puzzle/model.h"

#include <QSize>
#include <vector>

namespace tess {

class Game;

// The pieces' positions, groups and joins, the drawing order, the placed pieces and the
// clock, with the size of the play field the positions belong to.
struct PlaySnapshot {
    std::vector<PieceRecord> Pieces;
    std::vector<GroupRecord> Groups;
    std::vector<Integer> GroupOrder;
    Integer GroupOrderCount = 0;
    std::vector<Integer> PlacedPieces;
    Integer PlacedCount = 0;
    Long ElapsedSeconds = 0;
    QSize Field;
};

PlaySnapshot TakeSnapshot(const Puzzle& puzzle, QSize field);

// The puzzle on a play field of that size still holds the snapshot's play: the same pieces
// at the same places in the same groups. The drawing order and the clock are not compared:
// picking a piece up raises its group, but a press and release that move nothing are no step.
bool SamePlay(const PlaySnapshot& snapshot, const Puzzle& puzzle, QSize field);

// Puts the play back into the game on the screen, with the clock at `elapsedSeconds`, and
// repaints. Positions taken on a play field of another size are scaled to this one as a
// resize scales them. A drag in progress ends. The cut (cells, homes, shapes) stays the
// game's own: a snapshot belongs to the game it was taken of.
void RestoreSnapshot(Game& game, const PlaySnapshot& snapshot, Long elapsedSeconds);

} // namespace tess
