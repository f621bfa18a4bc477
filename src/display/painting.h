// Composing one frame of the play field on the back buffer: background, board frame,
// placed pieces, preview with its caption, loose groups with their outlines.
#pragma once

#include "display/parallel.h"
#include "display/surface.h"
#include "puzzle/model.h"
#include "puzzle/settings.h"

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

// What the Game menu's toggles change in a frame; the defaults give the classic frame.
struct PaintOptions {
    // Laid on the board's cells (its top-left on the first cell's) under everything else;
    // null for none.
    const Surface* FaintPicture = nullptr;
    // The preview and its caption after the loose groups instead of before them.
    bool PreviewAbove = false;
};

// Composes the whole frame on surfaces.BackBuffer. Draws nothing without a puzzle.
// Allocates only when the preview caption's text colour or the pixel ratio (device pixels to
// a point, which sizes the caption's text and spacing) changed since the last frame.
// The frame is drawn in up to `bands` bands of rows at once, one per core by default; a band
// is never shorter than kRowsPerBand rows, where splitting would cost more than it saves.
inline constexpr Long kRowsPerBand = 128;
void ComposePlayField(const Puzzle& puzzle, const Settings& settings, Surfaces& surfaces,
                      double pixelRatio = 1.0, int bands = PartsForThisMachine(),
                      const PaintOptions& options = {});

// The caption text of the preview.
inline const QString kPreviewCaption = QStringLiteral("Preview");

} // namespace tess
