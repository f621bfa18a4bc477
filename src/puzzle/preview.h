// Rescaling piece positions to a new play-field size, and where the preview goes.
#pragma once

#include "puzzle/model.h"

namespace tess {

// Moves every piece of every group in GroupOrder proportionally from the previous play-field
// size (PreviousScaleWidth/Height) to fieldWidth x fieldHeight, keeping it at least at 1 and
// its cell inside the right and bottom edges; then puts placed pieces on HomeX/HomeY.
// A previous size of zero leaves that coordinate unscaled.
void ScalePiecesPosition(Puzzle& puzzle, double fieldWidth, double fieldHeight);

struct PreviewGeometry {
    Long Width = 0;
    Long Height = 0;
    Rect CaptionRect;
    Rect PictureRect;
};

// The preview of a shown picture of imageWidth x imageHeight at 1 / previewSize, in the
// top-right corner of a play field fieldWidth wide whose own left edge is at fieldLeft.
PreviewGeometry ComputePreviewGeometry(Long imageWidth, Long imageHeight, Byte previewSize,
                                       double fieldWidth, double fieldLeft);

// Stores the geometry in PreviewRect, PreviewCaptionRect and PreviewWidth.
void ApplyPreviewGeometry(Puzzle& puzzle, const PreviewGeometry& geometry);

} // namespace tess
