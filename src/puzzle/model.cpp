// Helpers of the puzzle data model.
#include "puzzle/model.h"

namespace tess {

void Puzzle::ReduceToSlotZero() {
    Pieces.assign(1, PieceRecord{});
    Groups.assign(1, GroupRecord{});
    PlacedPieces.assign(1, 0);
    GroupOrder.assign(1, 0);
    // The counts describe those arrays: nothing may walk past slot 0 afterwards.
    GroupOrderCount = 0;
    GroupSlotCount = 0;
    PlacedCount = 0;
}

void SetPictureFileName(Puzzle& puzzle, const QString& path) {
    puzzle.PictureFileName =
        path.left(kPictureFileNameLength).leftJustified(kPictureFileNameLength, QLatin1Char(' '));
    puzzle.PictureFullPath = path;
}

QString PicturePath(const Puzzle& puzzle) { return puzzle.PictureFullPath; }

} // namespace tess
