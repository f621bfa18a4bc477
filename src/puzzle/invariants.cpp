// The model's invariants, checked in one pass each.
#include "puzzle/invariants.h"

#include <algorithm>

namespace tess {

QStringList CheckModelInvariants(const Puzzle& puzzle) {
    QStringList problems;
    const int n = static_cast<int>(puzzle.Pieces.size()) - 1;
    auto fail = [&problems](const QString& text) { problems << text; };
    if (n <= 0) {
        // No puzzle: slot 0 alone everywhere and nothing counted, so that nothing walks past it.
        if (n < 0 || puzzle.PuzzleLoaded != kFalse || puzzle.Groups.size() != 1 ||
            puzzle.PlacedPieces.size() != 1 || puzzle.GroupOrder.size() != 1 ||
            puzzle.PlacedCount != 0 || puzzle.GroupOrderCount != 0 || puzzle.GroupSlotCount != 0) {
            fail(QStringLiteral("no pieces, but the puzzle is loaded or has more than slot 0"));
        }
        return problems;
    }

    if (puzzle.NumberOfPieces != n) {
        fail(QStringLiteral("NumberOfPieces %1 but %2 piece records")
                 .arg(puzzle.NumberOfPieces)
                 .arg(n));
    }
    if (static_cast<int>(puzzle.Groups.size()) - 1 != n) {
        fail(QStringLiteral("%1 group slots for %2 pieces").arg(puzzle.Groups.size() - 1).arg(n));
        return problems;
    }
    if (puzzle.PuzzleColumns * puzzle.PuzzleRows != n) {
        fail(QStringLiteral("grid %1 x %2 does not hold %3 pieces")
                 .arg(puzzle.PuzzleColumns)
                 .arg(puzzle.PuzzleRows)
                 .arg(n));
        return problems;
    }

    // Piece home cells and side shapes.
    for (int i = 1; i <= n; ++i) {
        const PieceRecord& p = puzzle.Pieces[i];
        if (p.Col != (i - 1) % puzzle.PuzzleColumns || p.Row != (i - 1) / puzzle.PuzzleColumns) {
            fail(QStringLiteral("piece %1 has home cell (%2, %3)").arg(i).arg(p.Col).arg(p.Row));
        }
        for (Flag f : {p.JoinedTop, p.JoinedBottom, p.JoinedLeft, p.JoinedRight, p.TopOut,
                       p.BottomOut, p.LeftOut, p.RightOut}) {
            if (f != kTrue && f != kFalse) {
                fail(QStringLiteral("piece %1 has a flag holding %2").arg(i).arg(f));
            }
        }
        if (p.Col + 1 < puzzle.PuzzleColumns) {
            const PieceRecord& right = puzzle.Pieces[i + 1];
            if ((p.RightOut != kFalse) == (right.LeftOut != kFalse)) {
                fail(QStringLiteral("pieces %1 and %2 do not have one knob between them")
                         .arg(i)
                         .arg(i + 1));
            }
            if (p.JoinedRight != right.JoinedLeft) {
                fail(QStringLiteral("pieces %1 and %2 disagree on their join").arg(i).arg(i + 1));
            }
        } else if (p.RightOut == kFalse || p.JoinedRight != kFalse) {
            fail(
                QStringLiteral("piece %1 has a right border side that is not straight or is joined")
                    .arg(i));
        }
        if (p.Row + 1 < puzzle.PuzzleRows) {
            const PieceRecord& below = puzzle.Pieces[i + puzzle.PuzzleColumns];
            if ((p.BottomOut != kFalse) == (below.TopOut != kFalse)) {
                fail(QStringLiteral("pieces %1 and %2 do not have one knob between them")
                         .arg(i)
                         .arg(i + puzzle.PuzzleColumns));
            }
            if (p.JoinedBottom != below.JoinedTop) {
                fail(QStringLiteral("pieces %1 and %2 disagree on their join")
                         .arg(i)
                         .arg(i + puzzle.PuzzleColumns));
            }
        } else if (p.BottomOut == kFalse || p.JoinedBottom != kFalse) {
            fail(QStringLiteral(
                     "piece %1 has a bottom border side that is not straight or is joined")
                     .arg(i));
        }
        if ((p.Col == 0 && (p.LeftOut == kFalse || p.JoinedLeft != kFalse)) ||
            (p.Row == 0 && (p.TopOut == kFalse || p.JoinedTop != kFalse))) {
            fail(QStringLiteral(
                     "piece %1 has a left or top border side that is not straight or is joined")
                     .arg(i));
        }
    }

    // Placed pieces.
    std::vector<int> placedTimes(n + 1, 0);
    if (static_cast<int>(puzzle.PlacedPieces.size()) != puzzle.PlacedCount + 1) {
        fail(QStringLiteral("PlacedPieces has %1 elements for PlacedCount %2")
                 .arg(puzzle.PlacedPieces.size())
                 .arg(puzzle.PlacedCount));
    }
    for (int i = 1; i <= puzzle.PlacedCount && i < static_cast<int>(puzzle.PlacedPieces.size());
         ++i) {
        const Integer p = puzzle.PlacedPieces[i];
        if (p < 1 || p > n) {
            fail(QStringLiteral("placed entry %1 names piece %2").arg(i).arg(p));
            continue;
        }
        ++placedTimes[p];
        const PieceRecord& piece = puzzle.Pieces[p];
        if (piece.Group != 0) {
            fail(QStringLiteral("placed piece %1 belongs to group %2").arg(p).arg(piece.Group));
        }
        if (piece.X != piece.HomeX || piece.Y != piece.HomeY) {
            fail(QStringLiteral("placed piece %1 is not at its home").arg(p));
        }
    }

    // Groups: members, bounds, slot numbers.
    std::vector<int> memberTimes(n + 1, 0);
    int memberTotal = 0;
    for (int g = 1; g <= n; ++g) {
        const GroupRecord& group = puzzle.Groups[g];
        if (static_cast<int>(group.Members.size()) != group.MemberCount + 1 ||
            group.Members.empty() || group.Members[0] != 0) {
            fail(QStringLiteral("group %1 has %2 member elements for MemberCount %3")
                     .arg(g)
                     .arg(group.Members.size())
                     .arg(group.MemberCount));
            continue;
        }
        memberTotal += group.MemberCount;
        Integer minCol = 0, maxCol = 0, minRow = 0, maxRow = 0;
        for (int k = 1; k <= group.MemberCount; ++k) {
            const Integer m = group.Members[k];
            if (m < 1 || m > n) {
                fail(QStringLiteral("group %1 lists piece %2").arg(g).arg(m));
                continue;
            }
            ++memberTimes[m];
            if (k > 1 && m <= group.Members[k - 1]) {
                fail(QStringLiteral("group %1 members are not ascending").arg(g));
            }
            if (puzzle.Pieces[m].Group != g) {
                fail(QStringLiteral("piece %1 is in group %2 but says %3")
                         .arg(m)
                         .arg(g)
                         .arg(puzzle.Pieces[m].Group));
            }
            const PieceRecord& p = puzzle.Pieces[m];
            if (k == 1) {
                minCol = maxCol = p.Col;
                minRow = maxRow = p.Row;
            }
            minCol = std::min(minCol, p.Col);
            maxCol = std::max(maxCol, p.Col);
            minRow = std::min(minRow, p.Row);
            maxRow = std::max(maxRow, p.Row);
        }
        if (group.MemberCount > 0 && (group.MinCol != minCol || group.MaxCol != maxCol ||
                                      group.MinRow != minRow || group.MaxRow != maxRow)) {
            fail(QStringLiteral("group %1 bounds do not match its members").arg(g));
        }
        if (group.MemberCount > 0 && group.InPlace != kFalse) {
            fail(QStringLiteral("live group %1 is marked in place").arg(g));
        }
    }
    for (int i = 1; i <= n; ++i) {
        if (memberTimes[i] + placedTimes[i] != 1) {
            fail(QStringLiteral("piece %1 is listed %2 times in groups and %3 times as placed")
                     .arg(i)
                     .arg(memberTimes[i])
                     .arg(placedTimes[i]));
        }
    }
    if (memberTotal + puzzle.PlacedCount != n) {
        fail(QStringLiteral("groups hold %1 and %2 are placed, of %3")
                 .arg(memberTotal)
                 .arg(puzzle.PlacedCount)
                 .arg(n));
    }

    // Drawing order: each live group exactly once.
    if (static_cast<int>(puzzle.GroupOrder.size()) < puzzle.GroupOrderCount + 1) {
        fail(QStringLiteral("GroupOrder is shorter than GroupOrderCount %1")
                 .arg(puzzle.GroupOrderCount));
        return problems;
    }
    std::vector<int> orderTimes(n + 1, 0);
    for (int i = 1; i <= puzzle.GroupOrderCount; ++i) {
        const Integer g = puzzle.GroupOrder[i];
        if (g < 1 || g > n) {
            fail(QStringLiteral("GroupOrder entry %1 names slot %2").arg(i).arg(g));
            continue;
        }
        ++orderTimes[g];
    }
    for (int g = 1; g <= n; ++g) {
        const int expected = puzzle.Groups[g].MemberCount > 0 ? 1 : 0;
        if (orderTimes[g] != expected) {
            fail(QStringLiteral("group %1 appears %2 times in GroupOrder")
                     .arg(g)
                     .arg(orderTimes[g]));
        }
    }
    return problems;
}

} // namespace tess
