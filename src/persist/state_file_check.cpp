// The checks across records of a state file: neighbours agree on their joins, every piece
// is in exactly one place, every live group is drawn once.
#include "persist/state_file_records.h"

#include <QCoreApplication>
#include <tuple>
#include <vector>

namespace tess::state_records {

namespace {

// A join is set on both pieces or on neither, never on a border side, never across groups.
void CheckJoins(const SavedGame& game) {
    const int columns = game.PuzzleColumns;
    // Joined pieces agree on it and lie in one group: a drop that joins them merges their groups.
    auto checkJoin = [&game](int i, int j, Flag joined, Flag otherJoined) {
        if (joined != otherJoined) {
            Fail(QCoreApplication::translate("StateFile",
                                             "pieces %1 and %2 disagree on whether they are joined")
                     .arg(i)
                     .arg(j));
        }
        if (joined != kFalse && game.Pieces[i].Group != game.Pieces[j].Group) {
            Fail(QCoreApplication::translate(
                     "StateFile", "pieces %1 and %2 are joined but lie in different groups")
                     .arg(i)
                     .arg(j));
        }
    };
    for (int i = 1; i <= game.NumberOfPieces; ++i) {
        const PieceRecord& p = game.Pieces[i];
        const bool right = p.Col == columns - 1;
        const bool bottom = p.Row == game.PuzzleRows - 1;
        for (const auto& [border, joined, side] :
             {std::tuple{p.Row == 0, p.JoinedTop, QT_TRANSLATE_NOOP("StateFile", "top")},
              std::tuple{bottom, p.JoinedBottom, QT_TRANSLATE_NOOP("StateFile", "bottom")},
              std::tuple{p.Col == 0, p.JoinedLeft, QT_TRANSLATE_NOOP("StateFile", "left")},
              std::tuple{right, p.JoinedRight, QT_TRANSLATE_NOOP("StateFile", "right")}}) {
            if (border && joined != kFalse) {
                Fail(QCoreApplication::translate(
                         "StateFile",
                         "piece %1 is joined on its %2 side, which is the border of the picture")
                         .arg(i)
                         .arg(QCoreApplication::translate("StateFile", side)));
            }
        }
        if (!right) {
            checkJoin(i, i + 1, p.JoinedRight, game.Pieces[i + 1].JoinedLeft);
        }
        if (!bottom) {
            checkJoin(i, i + columns, p.JoinedBottom, game.Pieces[i + columns].JoinedTop);
        }
    }
}

} // namespace

void CheckCrossReferences(const SavedGame& game) {
    CheckJoins(game);
    const int n = game.NumberOfPieces;
    std::vector<int> listed(n + 1, 0);
    for (int g = 1; g <= n; ++g) {
        const GroupRecord& group = game.Groups[g];
        for (int k = 1; k <= group.MemberCount; ++k) {
            ++listed[group.Members[k]];
        }
    }
    for (int i = 1; i <= game.PlacedCount; ++i) {
        ++listed[game.PlacedPieces[i]];
    }
    for (int i = 1; i <= n; ++i) {
        if (listed[i] == 0) {
            Fail(QCoreApplication::translate("StateFile",
                                             "piece %1 is neither in a group nor placed")
                     .arg(i));
        }
        if (listed[i] > 1) {
            Fail(QCoreApplication::translate(
                     "StateFile", "piece %1 is listed %2 times among the groups and placed pieces")
                     .arg(i)
                     .arg(listed[i]));
        }
    }
    for (int g = 1; g <= n; ++g) {
        const GroupRecord& group = game.Groups[g];
        for (int k = 1; k <= group.MemberCount; ++k) {
            const Integer m = group.Members[k];
            if (game.Pieces[m].Group != g) {
                Fail(QCoreApplication::translate(
                         "StateFile", "piece %1 is listed in group slot %2 but names slot %3")
                         .arg(m)
                         .arg(g)
                         .arg(game.Pieces[m].Group));
            }
        }
    }
    for (int i = 1; i <= game.PlacedCount; ++i) {
        const Integer p = game.PlacedPieces[i];
        if (game.Pieces[p].Group != 0) {
            Fail(QCoreApplication::translate("StateFile",
                                             "placed piece %1 names group slot %2 instead of 0")
                     .arg(p)
                     .arg(game.Pieces[p].Group));
        }
    }
    std::vector<int> drawn(n + 1, 0);
    for (int i = 1; i <= game.GroupOrderCount; ++i) {
        const Integer g = game.GroupOrder[i];
        if (game.Groups[g].MemberCount == 0) {
            Fail(QCoreApplication::translate(
                     "StateFile",
                     "drawing order entry %1 names group slot %2, which holds no pieces")
                     .arg(i)
                     .arg(g));
        }
        if (++drawn[g] > 1) {
            Fail(QCoreApplication::translate("StateFile",
                                             "the drawing order lists group slot %1 more than once")
                     .arg(g));
        }
    }
    for (int g = 1; g <= n; ++g) {
        if (game.Groups[g].MemberCount > 0 && drawn[g] == 0) {
            Fail(
                QCoreApplication::translate(
                    "StateFile", "group slot %1 holds pieces but is missing from the drawing order")
                    .arg(g));
        }
    }
}

} // namespace tess::state_records
