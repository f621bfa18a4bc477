// The grid rule and the checkerboard of side shapes.
#include "puzzle/grid.h"

namespace tess {

std::vector<Integer> CandidateDivisors(Integer numberOfPieces) {
    std::vector<Integer> divisors{0};
    const int n = numberOfPieces;
    for (int d = 2; d <= n / 2; ++d) {
        if (n % d == 0) {
            divisors.push_back(static_cast<Integer>(d));
        }
    }
    const std::size_t count = divisors.size() - 1;
    divisors.resize(1 + (count - count / 2));
    return divisors;
}

std::optional<Grid> ChooseGrid(Integer numberOfPieces, const std::vector<Integer>& divisors,
                               Integer divisorCount, Integer width, Integer height) {
    if (numberOfPieces < 1) {
        return std::nullopt;
    }
    Integer large = numberOfPieces;
    Integer small = 1;
    if (divisorCount >= 1) {
        const double r = static_cast<double>(width) / static_cast<double>(height);
        auto v = [&](int k) {
            const int d = divisors[k];
            return static_cast<double>(d) / static_cast<double>(numberOfPieces / d);
        };
        int best = 1;
        if (divisorCount > 1) {
            // The comparison is deliberately between the unrounded difference and the
            // rounded best so far, signed.
            Long bestDiff = CLng(r - v(1));
            for (int k = 2; k <= divisorCount; ++k) {
                const double diff = r - v(k);
                if (diff < bestDiff) {
                    best = k;
                    bestDiff = CLng(diff);
                }
            }
        }
        const Integer d = divisors[best];
        const Integer q = static_cast<Integer>(numberOfPieces / d);
        large = std::max(d, q);
        small = std::min(d, q);
    }
    if (width > height) {
        return Grid{large, small};
    }
    return Grid{small, large};
}

void NumberPieces(Puzzle& puzzle) {
    const int n = puzzle.NumberOfPieces;
    puzzle.Pieces.assign(n + 1, PieceRecord{});
    puzzle.Groups.assign(n + 1, GroupRecord{});
    const int columns = puzzle.PuzzleColumns;
    const int rows = puzzle.PuzzleRows;
    for (int i = 1; i <= n; ++i) {
        PieceRecord& piece = puzzle.Pieces[i];
        piece.Col = static_cast<Integer>((i - 1) % columns);
        piece.Row = static_cast<Integer>((i - 1) / columns);
        if ((piece.Row + piece.Col) % 2 == 0) {
            piece.LeftOut = kTrue;
            piece.RightOut = kTrue;
            piece.TopOut = ToFlag(piece.Row == 0);
            piece.BottomOut = ToFlag(piece.Row == rows - 1);
        } else {
            piece.TopOut = kTrue;
            piece.BottomOut = kTrue;
            piece.LeftOut = ToFlag(piece.Col == 0);
            piece.RightOut = ToFlag(piece.Col == columns - 1);
        }
    }
}

} // namespace tess
