// Taking the play of a game and putting it back.
#include "history/play_snapshot.h"

#include "game/game.h"

namespace tess {

PlaySnapshot TakeSnapshot(const Puzzle& puzzle, QSize field) {
    return PlaySnapshot{
        puzzle.Pieces,       puzzle.Groups,      puzzle.GroupOrder,     puzzle.GroupOrderCount,
        puzzle.PlacedPieces, puzzle.PlacedCount, puzzle.ElapsedSeconds, field};
}

bool SamePlay(const PlaySnapshot& snapshot, const Puzzle& puzzle, QSize field) {
    return snapshot.Field == field && snapshot.Pieces == puzzle.Pieces &&
           snapshot.Groups == puzzle.Groups && snapshot.PlacedPieces == puzzle.PlacedPieces &&
           snapshot.PlacedCount == puzzle.PlacedCount;
}

void RestoreSnapshot(Game& game, const PlaySnapshot& snapshot, Long elapsedSeconds) {
    Puzzle& puzzle = game.puzzle;
    if (snapshot.Pieces.size() != puzzle.Pieces.size()) {
        return;
    }
    for (std::size_t i = 1; i < puzzle.Pieces.size(); ++i) {
        const PieceRecord& from = snapshot.Pieces[i];
        PieceRecord& piece = puzzle.Pieces[i];
        piece.Group = from.Group;
        piece.JoinedTop = from.JoinedTop;
        piece.JoinedBottom = from.JoinedBottom;
        piece.JoinedLeft = from.JoinedLeft;
        piece.JoinedRight = from.JoinedRight;
        piece.X = from.X;
        piece.Y = from.Y;
    }
    puzzle.Groups = snapshot.Groups;
    puzzle.GroupOrder = snapshot.GroupOrder;
    puzzle.GroupOrderCount = snapshot.GroupOrderCount;
    puzzle.PlacedPieces = snapshot.PlacedPieces;
    puzzle.PlacedCount = snapshot.PlacedCount;
    // PuzzleSolved stays false: every snapshot is of a game not finished, and a finished game
    // takes no steps back or forward.
    puzzle.ElapsedSeconds = elapsedSeconds;
    puzzle.Dragging = kFalse;
    game.host().SetPlayFieldPointer(kPointerDefault);

    const QSize field = game.host().PlayFieldSize();
    if (snapshot.Field != field) {
        const double width = puzzle.PreviousScaleWidth;
        const double height = puzzle.PreviousScaleHeight;
        puzzle.PreviousScaleWidth = snapshot.Field.width();
        puzzle.PreviousScaleHeight = snapshot.Field.height();
        game.ScalePiecesPosition();
        puzzle.PreviousScaleWidth = width;
        puzzle.PreviousScaleHeight = height;
        game.AlignAllGroups();
    }
    game.picPuzzle_Paint();
}

} // namespace tess
