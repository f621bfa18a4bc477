// Position rescaling and preview geometry.
#include "puzzle/preview.h"

#include <cstdint>

namespace tess {

namespace {

Long ScaleCoordinate(Long value, Integer size, double previousSize, double currentSize,
                     Integer cellSize) {
    const Long divisor = CLng(previousSize);
    if (divisor != 0) {
        const std::int64_t scaled = std::int64_t{size} * value / divisor;
        value = CLng(static_cast<double>(scaled));
    }
    if (value < 1) {
        value = 1;
    }
    if (currentSize - cellSize < value) {
        value = CLng(currentSize - cellSize);
    }
    return value;
}

} // namespace

void ScalePiecesPosition(Puzzle& puzzle, double fieldWidth, double fieldHeight) {
    const Integer sh = CInt(fieldHeight);
    const Integer sw = CInt(fieldWidth);
    for (int g = 1; g <= puzzle.GroupOrderCount; ++g) {
        const GroupRecord& group = puzzle.Groups[puzzle.GroupOrder[g]];
        for (int m = 1; m <= group.MemberCount; ++m) {
            PieceRecord& piece = puzzle.Pieces[group.Members[m]];
            piece.X = ScaleCoordinate(piece.X, sw, puzzle.PreviousScaleWidth, fieldWidth,
                                      puzzle.CellWidth);
            piece.Y = ScaleCoordinate(piece.Y, sh, puzzle.PreviousScaleHeight, fieldHeight,
                                      puzzle.CellHeight);
        }
    }
    for (int i = 1; i <= puzzle.PlacedCount; ++i) {
        PieceRecord& piece = puzzle.Pieces[puzzle.PlacedPieces[i]];
        piece.X = piece.HomeX;
        piece.Y = piece.HomeY;
    }
}

PreviewSpacing PreviewSpacingFor(double pixelRatio) {
    const PreviewSpacing base;
    if (!(pixelRatio > 1.0)) {
        return base;
    }
    auto scaled = [pixelRatio](Long pixels) { return CLng(pixels * pixelRatio); };
    return PreviewSpacing{scaled(base.Margin), scaled(base.CaptionHeight), scaled(base.Gap),
                          scaled(base.Grip), scaled(base.TextOffset)};
}

PreviewGeometry ComputePreviewGeometry(Long imageWidth, Long imageHeight, Byte previewSize,
                                       double fieldWidth, double fieldLeft, double pixelRatio) {
    PreviewGeometry g;
    const Long size = previewSize == 0 ? 1 : previewSize;
    g.Height = imageHeight / size;
    g.Width = imageWidth / size;
    const PreviewSpacing spacing = PreviewSpacingFor(pixelRatio);
    const Long x = CLng(fieldWidth - g.Width + fieldLeft - spacing.Margin);
    const Long top = spacing.Margin;
    const Long bottom = top + spacing.CaptionHeight;
    g.CaptionRect = Rect{x, top, x + g.Width, bottom};
    g.PictureRect = Rect{x, bottom + spacing.Gap, x + g.Width, bottom + spacing.Gap + g.Height};
    return g;
}

void ApplyPreviewGeometry(Puzzle& puzzle, const PreviewGeometry& geometry) {
    puzzle.PreviewCaptionRect = geometry.CaptionRect;
    puzzle.PreviewRect = geometry.PictureRect;
    puzzle.PreviewWidth = CInt(geometry.Width);
}

} // namespace tess
