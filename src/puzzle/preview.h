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

// The preview's fixed distances in pixels at a device pixel ratio of 1: the caption bar is
// 17 high and 4 in from the top and right edges, the picture 1 row below the bar, and a drag
// holds the caption 8 below its top. On a screen with more device pixels to the point they
// grow with the ratio, so the preview keeps its proportions to the rest of the window.
struct PreviewSpacing {
    Long Margin = 4;
    Long CaptionHeight = 17;
    Long Gap = 1;
    Long Grip = 8;
    // The text's offset from the bar's top-left corner.
    Long TextOffset = 1;
};
PreviewSpacing PreviewSpacingFor(double pixelRatio);

// The preview of a shown picture of imageWidth x imageHeight at 1 / previewSize, in the
// top-right corner of a play field fieldWidth wide whose own left edge is at fieldLeft.
PreviewGeometry ComputePreviewGeometry(Long imageWidth, Long imageHeight, Byte previewSize,
                                       double fieldWidth, double fieldLeft,
                                       double pixelRatio = 1.0);

// Stores the geometry in PreviewRect, PreviewCaptionRect and PreviewWidth.
void ApplyPreviewGeometry(Puzzle& puzzle, const PreviewGeometry& geometry);

} // namespace tess
