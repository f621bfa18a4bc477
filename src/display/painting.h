// Composing one frame of the play field on the back buffer: background, board frame,
// placed pieces, preview with its caption, loose groups with their outlines.
#pragma once

#include "display/parallel.h"
#include "display/surface.h"
#include "puzzle/model.h"
#include "puzzle/settings.h"

#include <algorithm>
#include <vector>

namespace tess {

// One outline line copy: which of the line surfaces goes where.
enum class OutlineLine { EdgeLineH, EdgeLineV, EdgeStubH, EdgeStubV };
struct OutlineCopy {
    OutlineLine Line;
    Long X;
    Long Y;
    friend bool operator==(const OutlineCopy&, const OutlineCopy&) = default;
};

// The outline copies of one loose piece at (X, Y), sides top, bottom, left, right; a joined
// side gets none, a border side one full line, an inner side its two stubs. At most 8.
int PieceOutline(const Puzzle& puzzle, const PieceRecord& piece, OutlineCopy (&copies)[8]);

// Where a piece at (x, y) draws: its surface and its outline, which runs one pixel outside its
// cell.
Rect PieceBounds(const Puzzle& puzzle, const Surface& surface, Long x, Long y);

// Composes the whole frame on surfaces.BackBuffer. Draws nothing without a puzzle.
// Allocates only when the preview caption's text colour or the pixel ratio (device pixels to
// a point, which sizes the caption's text and spacing) changed since the last frame.
// The frame is drawn in up to `bands` bands of rows at once, one per core by default; a band
// is never shorter than kRowsPerBand rows, where splitting would cost more than it saves.
// The frame composed is recorded in surfaces.Shown.
inline constexpr Long kRowsPerBand = 128;
void ComposePlayField(const Puzzle& puzzle, const Settings& settings, Surfaces& surfaces,
                      double pixelRatio = 1.0, int bands = PartsForThisMachine(),
                      const PaintOptions& options = {});

// Composes again only where the frame of the current state differs from the one the back
// buffer holds (surfaces.Shown), with the same layers in the same order, so the result is
// the frame ComposePlayField would compose. Composes the whole frame when its look changed
// (sizes, colours, options, a new cut) or the changes cover much of it. Returns the
// rectangles composed: none when nothing changed.
std::vector<Rect> ComposePlayFieldChanges(const Puzzle& puzzle, const Settings& settings,
                                          Surfaces& surfaces, double pixelRatio = 1.0,
                                          int bands = PartsForThisMachine(),
                                          const PaintOptions& options = {});

// Where the preview is drawn: its picture, caption bar and the caption text, which may run
// on past a narrow bar.
Rect PreviewBounds(const Puzzle& puzzle, const Surfaces& surfaces, double pixelRatio);

// The pieces a frame draws, in the order drawn: the placed pieces (under the preview), and
// then the members of the loose groups. Indices are checked, so that a model caught half-way
// through a rebuild is drawn as far as it can be instead of read past its arrays.
template <typename Visit>
void ForEachPlacedPiece(const Puzzle& puzzle, const Surfaces& surfaces, Visit&& visit) {
    const int placed = std::min<int>(puzzle.PlacedCount, int(puzzle.PlacedPieces.size()) - 1);
    for (int i = 1; i <= placed; ++i) {
        const Integer p = puzzle.PlacedPieces[i];
        if (p > 0 && std::size_t(p) < puzzle.Pieces.size() &&
            std::size_t(p) < surfaces.PieceSurfaces.size()) {
            visit(p);
        }
    }
}
template <typename Visit>
void ForEachLoosePiece(const Puzzle& puzzle, const Surfaces& surfaces, Visit&& visit) {
    const int order = std::min<int>(puzzle.GroupOrderCount, int(puzzle.GroupOrder.size()) - 1);
    for (int gi = 1; gi <= order; ++gi) {
        const Integer g = puzzle.GroupOrder[gi];
        if (g <= 0 || std::size_t(g) >= puzzle.Groups.size() || puzzle.Groups[g].InPlace) {
            continue;
        }
        const GroupRecord& group = puzzle.Groups[g];
        const int members = std::min<int>(group.MemberCount, int(group.Members.size()) - 1);
        for (int k = 1; k <= members; ++k) {
            const Integer p = group.Members[k];
            if (p > 0 && std::size_t(p) < puzzle.Pieces.size() &&
                std::size_t(p) < surfaces.PieceSurfaces.size()) {
                visit(p);
            }
        }
    }
}

// The caption text of the preview, in the player's language.
QString PreviewCaptionText();

} // namespace tess
