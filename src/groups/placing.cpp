// Placing groups at their true place.
#include "groups/placing.h"

#include "groups/joining.h"

#include <algorithm>

namespace tess {

bool PlaceGroup(Puzzle& puzzle, Integer intGroup) {
    GroupRecord& group = puzzle.Groups[intGroup];
    for (int i = 1; i <= group.MemberCount; ++i) {
        const Integer p = group.Members[i];
        PieceRecord& piece = puzzle.Pieces[p];
        piece.X = piece.HomeX;
        piece.Y = piece.HomeY;
        ++puzzle.PlacedCount;
        puzzle.PlacedPieces.push_back(p);
        piece.Group = 0;
    }
    group.InPlace = kTrue;
    group.MemberCount = 0;
    group.Members.assign(1, 0);
    RemoveGroup(puzzle, intGroup);
    return puzzle.PlacedCount == puzzle.NumberOfPieces;
}

Integer DrawHintGroup(const Puzzle& puzzle, RandomSource& random) {
    const int count = puzzle.GroupOrderCount;
    const auto first = puzzle.GroupOrder.begin() + 1;
    const bool anyLoose = std::any_of(
        first, first + count, [&puzzle](Integer g) { return puzzle.Groups[g].InPlace == kFalse; });
    // Drawing again while a placed group comes up would never end if every listed group were
    // placed.
    if (count == 0 || !anyLoose) {
        return 0;
    }
    for (;;) {
        const Single r = random.Next();
        const Single position = static_cast<Single>(count) * r + 1.0f;
        const int i = std::clamp(static_cast<int>(Int(position)), 1, count);
        const Integer g = puzzle.GroupOrder[i];
        if (puzzle.Groups[g].InPlace == kFalse) {
            return g;
        }
    }
}

} // namespace tess
