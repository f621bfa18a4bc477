// The model's invariants, checked in one pass each.
#include "puzzle/invariants.h"

#include "puzzle/cutting.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace tess {

namespace {

bool IsFlag(Flag f) { return f == kTrue || f == kFalse; }

// A distance of whole cells as groups are laid out: the product saturates at 16 bits, as
// every Integer product of the program does.
std::int64_t Saturated16(std::int64_t value) {
    return std::clamp<std::int64_t>(value, -32768, 32767);
}

QString RectText(const Rect& r) {
    return QStringLiteral("(%1, %2)-(%3, %4)").arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom);
}

// What holds with or without a puzzle: the flags, the clock, the grid choice's list, the
// picture's name field and the preview's two rectangles, which move together.
void CheckPlayState(const Puzzle& p, int n, QStringList& problems) {
    for (const auto& [flag, name] :
         {std::pair{p.PuzzleLoaded, "PuzzleLoaded"}, std::pair{p.PuzzleSolved, "PuzzleSolved"},
          std::pair{p.Dragging, "Dragging"}, std::pair{p.PreviewDragging, "PreviewDragging"}}) {
        if (!IsFlag(flag)) {
            problems << QStringLiteral("%1 holds %2").arg(QLatin1String(name)).arg(flag);
        }
    }
    if (p.PuzzleLoaded != kFalse && n <= 0) {
        problems << QStringLiteral("a puzzle is loaded but has no pieces");
    }
    if (p.Dragging != kFalse && p.PreviewDragging != kFalse) {
        problems << QStringLiteral("pieces and the preview are dragged at once");
    }
    if (p.ElapsedSeconds < 0 || p.PreviousScaleWidth < 0 || p.PreviousScaleHeight < 0) {
        problems << QStringLiteral("the clock shows %1 seconds on a field of %2 x %3")
                        .arg(p.ElapsedSeconds)
                        .arg(p.PreviousScaleWidth)
                        .arg(p.PreviousScaleHeight);
    }
    if (static_cast<int>(p.Divisors.size()) != p.DivisorCount + 1 || p.Divisors.empty() ||
        p.Divisors[0] != 0) {
        problems << QStringLiteral("Divisors has %1 elements for DivisorCount %2")
                        .arg(p.Divisors.size())
                        .arg(p.DivisorCount);
    }
    const QString field = p.PictureFullPath.left(kPictureFileNameLength)
                              .leftJustified(kPictureFileNameLength, QLatin1Char(' '));
    if (p.PictureFileName != field) {
        problems << QStringLiteral("the picture's name field \"%1\" is not its path \"%2\"")
                        .arg(p.PictureFileName, p.PictureFullPath);
    }
    const Rect& picture = p.PreviewRect;
    const Rect& caption = p.PreviewCaptionRect;
    if (p.PreviewWidth != picture.Right - picture.Left || caption.Left != picture.Left ||
        caption.Right != picture.Right || caption.Top > caption.Bottom ||
        caption.Bottom > picture.Top || picture.Top > picture.Bottom) {
        problems << QStringLiteral("the preview %1 of width %2 is not below its caption %3")
                        .arg(RectText(picture))
                        .arg(p.PreviewWidth)
                        .arg(RectText(caption));
    }
}

// The cut: cells from the picture's size, tabs a third of them, the board and each piece's
// cell and home from the cells, and positions that stay within 16 bits when scaled.
void CheckLayout(const Puzzle& p, int n, QStringList& problems) {
    const Long columns = p.PuzzleColumns;
    const Long rows = p.PuzzleRows;
    if (p.ImageWidth < 1 || p.ImageHeight < 1 ||
        p.CellWidth != std::clamp<Long>(p.ImageWidth / columns, kSmallestCell, 32767) ||
        p.CellHeight != std::clamp<Long>(p.ImageHeight / rows, kSmallestCell, 32767) ||
        p.TabWidth != p.CellWidth / 3 || p.TabHeight != p.CellHeight / 3) {
        problems << QStringLiteral("cells of %1 x %2 with tabs of %3 x %4 are not a %5 x %6 "
                                   "picture's in a grid of %7 x %8")
                        .arg(p.CellWidth)
                        .arg(p.CellHeight)
                        .arg(p.TabWidth)
                        .arg(p.TabHeight)
                        .arg(p.ImageWidth)
                        .arg(p.ImageHeight)
                        .arg(columns)
                        .arg(rows);
    }
    const Rect board{p.BoardLeft, p.BoardTop, p.BoardLeft + columns * p.CellWidth,
                     p.BoardTop + rows * p.CellHeight};
    if (p.BoardRect != board) {
        problems << QStringLiteral("the board %1 is not the cells' %2")
                        .arg(RectText(p.BoardRect), RectText(board));
    }
    for (int i = 1; i <= n; ++i) {
        const PieceRecord& piece = p.Pieces[i];
        const Long left = Long{piece.Col} * p.CellWidth;
        const Long top = Long{piece.Row} * p.CellHeight;
        if (piece.CellRect != Rect{left, top, left + p.CellWidth, top + p.CellHeight}) {
            problems
                << QStringLiteral("piece %1 has the cell %2").arg(i).arg(RectText(piece.CellRect));
        }
        if (piece.HomeX != Saturated16(std::int64_t{p.BoardLeft} + 1 + left - p.TabWidth) ||
            piece.HomeY != Saturated16(std::int64_t{p.BoardTop} + 1 + top - p.TabHeight)) {
            problems << QStringLiteral("piece %1 has its home at (%2, %3)")
                            .arg(i)
                            .arg(piece.HomeX)
                            .arg(piece.HomeY);
        }
        if (piece.X != Saturated16(piece.X) || piece.Y != Saturated16(piece.Y)) {
            problems << QStringLiteral("piece %1 lies at (%2, %3), beyond 16 bits")
                            .arg(i)
                            .arg(piece.X)
                            .arg(piece.Y);
        }
    }
}

// Home cells, the side shapes and the joins between neighbours.
void CheckPieces(const Puzzle& puzzle, int n, QStringList& problems) {
    auto fail = [&problems](const QString& text) { problems << text; };
    const int columns = puzzle.PuzzleColumns;
    for (int i = 1; i <= n; ++i) {
        const PieceRecord& p = puzzle.Pieces[i];
        if (p.Col != (i - 1) % columns || p.Row != (i - 1) / columns) {
            fail(QStringLiteral("piece %1 has home cell (%2, %3)").arg(i).arg(p.Col).arg(p.Row));
        }
        for (Flag f : {p.JoinedTop, p.JoinedBottom, p.JoinedLeft, p.JoinedRight, p.TopOut,
                       p.BottomOut, p.LeftOut, p.RightOut}) {
            if (!IsFlag(f)) {
                fail(QStringLiteral("piece %1 has a flag holding %2").arg(i).arg(f));
            }
        }
        // A neighbour shares one knob with the piece, agrees on their join, and a join
        // never crosses groups.
        auto neighbour = [&](int j, Flag out, Flag otherOut, Flag joined, Flag otherJoined) {
            if ((out != kFalse) == (otherOut != kFalse)) {
                fail(QStringLiteral("pieces %1 and %2 do not have one knob between them")
                         .arg(i)
                         .arg(j));
            }
            if (joined != otherJoined) {
                fail(QStringLiteral("pieces %1 and %2 disagree on their join").arg(i).arg(j));
            } else if (joined != kFalse && p.Group != puzzle.Pieces[j].Group) {
                fail(QStringLiteral("pieces %1 and %2 are joined across groups %3 and %4")
                         .arg(i)
                         .arg(j)
                         .arg(p.Group)
                         .arg(puzzle.Pieces[j].Group));
            }
        };
        if (p.Col + 1 < columns) {
            const PieceRecord& right = puzzle.Pieces[i + 1];
            neighbour(i + 1, p.RightOut, right.LeftOut, p.JoinedRight, right.JoinedLeft);
        } else if (p.RightOut == kFalse || p.JoinedRight != kFalse) {
            fail(
                QStringLiteral("piece %1 has a right border side that is not straight or is joined")
                    .arg(i));
        }
        if (p.Row + 1 < puzzle.PuzzleRows) {
            const PieceRecord& below = puzzle.Pieces[i + columns];
            neighbour(i + columns, p.BottomOut, below.TopOut, p.JoinedBottom, below.JoinedTop);
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
}

// Each member of a loose group lies a whole number of cells from the group's first member,
// as the group is laid out.
void CheckGroupLayout(const Puzzle& puzzle, int g, QStringList& problems) {
    const GroupRecord& group = puzzle.Groups[g];
    const PieceRecord& first = puzzle.Pieces[group.Members[1]];
    for (int k = 2; k <= group.MemberCount; ++k) {
        const PieceRecord& m = puzzle.Pieces[group.Members[k]];
        const std::int64_t dx = std::int64_t{m.X} - first.X;
        const std::int64_t dy = std::int64_t{m.Y} - first.Y;
        const std::int64_t cellsX = Saturated16(std::int64_t{m.Col - first.Col} * puzzle.CellWidth);
        const std::int64_t cellsY =
            Saturated16(std::int64_t{m.Row - first.Row} * puzzle.CellHeight);
        if (dx != cellsX || dy != cellsY) {
            problems << QStringLiteral("group %1: piece %2 lies (%3, %4) from piece %5 instead "
                                       "of (%6, %7)")
                            .arg(g)
                            .arg(group.Members[k])
                            .arg(dx)
                            .arg(dy)
                            .arg(group.Members[1])
                            .arg(cellsX)
                            .arg(cellsY);
        }
    }
}

} // namespace

QStringList CheckModelInvariants(const Puzzle& puzzle) {
    QStringList problems;
    const int n = static_cast<int>(puzzle.Pieces.size()) - 1;
    auto fail = [&problems](const QString& text) { problems << text; };
    CheckPlayState(puzzle, n, problems);
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
    if (puzzle.PuzzleColumns < 1 || puzzle.PuzzleColumns * puzzle.PuzzleRows != n) {
        fail(QStringLiteral("grid %1 x %2 does not hold %3 pieces")
                 .arg(puzzle.PuzzleColumns)
                 .arg(puzzle.PuzzleRows)
                 .arg(n));
        return problems;
    }
    CheckLayout(puzzle, n, problems);
    CheckPieces(puzzle, n, problems);

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
    if ((puzzle.PuzzleSolved != kFalse) != (puzzle.PlacedCount == n)) {
        fail(QStringLiteral("PuzzleSolved is %1 with %2 of %3 pieces placed")
                 .arg(puzzle.PuzzleSolved)
                 .arg(puzzle.PlacedCount)
                 .arg(n));
    }

    // Groups: members, bounds, layout, slot numbers.
    std::vector<int> memberTimes(n + 1, 0);
    for (int g = 1; g <= n; ++g) {
        const GroupRecord& group = puzzle.Groups[g];
        if (!IsFlag(group.InPlace)) {
            fail(QStringLiteral("group %1 has InPlace holding %2").arg(g).arg(group.InPlace));
        }
        if (static_cast<int>(group.Members.size()) != group.MemberCount + 1 ||
            group.Members.empty() || group.Members[0] != 0) {
            fail(QStringLiteral("group %1 has %2 member elements for MemberCount %3")
                     .arg(g)
                     .arg(group.Members.size())
                     .arg(group.MemberCount));
            continue;
        }
        Integer minCol = 0, maxCol = 0, minRow = 0, maxRow = 0;
        bool membersValid = true;
        for (int k = 1; k <= group.MemberCount; ++k) {
            const Integer m = group.Members[k];
            if (m < 1 || m > n) {
                fail(QStringLiteral("group %1 lists piece %2").arg(g).arg(m));
                membersValid = false;
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
        if (membersValid && group.MemberCount > 1) {
            CheckGroupLayout(puzzle, g, problems);
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

    // Drawing order: each live group exactly once, within the slots the scramble made.
    if (puzzle.GroupOrderCount < 0 || puzzle.GroupOrderCount > puzzle.GroupSlotCount ||
        puzzle.GroupSlotCount > n) {
        fail(QStringLiteral("GroupOrderCount %1 and GroupSlotCount %2 are not within %3")
                 .arg(puzzle.GroupOrderCount)
                 .arg(puzzle.GroupSlotCount)
                 .arg(n));
    }
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
