// Composing the play field frame.
#include "display/painting.h"

#include "display/parallel.h"

#include <algorithm>

namespace tess {

int PieceOutline(const Puzzle& puzzle, const PieceRecord& piece, OutlineCopy (&copies)[8]) {
    const Long x = piece.X, y = piece.Y;
    const Long cw = puzzle.CellWidth, ch = puzzle.CellHeight;
    const Long tw = puzzle.TabWidth, th = puzzle.TabHeight;
    int n = 0;
    auto add = [&](OutlineLine line, Long at, Long down) { copies[n++] = {line, at, down}; };
    if (!piece.JoinedTop) {
        if (piece.Row < 1) {
            add(OutlineLine::EdgeLineH, x + tw - 1, y + th - 1);
        } else {
            add(OutlineLine::EdgeStubH, x + tw - 1, y + th - 1);
            add(OutlineLine::EdgeStubH, x + cw - cw / 9 - 1, y + th - 1);
        }
    }
    if (!piece.JoinedBottom) {
        if (piece.Row >= puzzle.PuzzleRows - 1) {
            add(OutlineLine::EdgeLineH, x + tw - 1, y + th + ch);
        } else {
            add(OutlineLine::EdgeStubH, x + tw - 1, y + th + ch);
            add(OutlineLine::EdgeStubH, x + cw - cw / 9 + 1, y + th + ch);
        }
    }
    if (!piece.JoinedLeft) {
        if (piece.Col < 1) {
            add(OutlineLine::EdgeLineV, x + tw - 1, y + th);
        } else {
            add(OutlineLine::EdgeStubV, x + tw - 1, y + th);
            add(OutlineLine::EdgeStubV, x + tw - 1, y + ch - ch / 9 + 1);
        }
    }
    if (!piece.JoinedRight) {
        if (piece.Col >= puzzle.PuzzleColumns - 1) {
            add(OutlineLine::EdgeLineV, x + tw + cw, y + th);
        } else {
            add(OutlineLine::EdgeStubV, x + tw + cw, y + th);
            add(OutlineLine::EdgeStubV, x + tw + cw, y + ch - ch / 9);
        }
    }
    return n;
}

namespace {

const Surface& LineSurface(const Surfaces& surfaces, OutlineLine line) {
    switch (line) {
    case OutlineLine::EdgeLineH:
        return surfaces.EdgeLineH;
    case OutlineLine::EdgeLineV:
        return surfaces.EdgeLineV;
    case OutlineLine::EdgeStubH:
        return surfaces.EdgeStubH;
    case OutlineLine::EdgeStubV:
        break;
    }
    return surfaces.EdgeStubV;
}

// The caption bar filled and lettered, kept until its size or colours change.
const Surface& PreviewCaptionBar(const Puzzle& puzzle, const Settings& settings,
                                 Surfaces& surfaces) {
    const Rect& r = puzzle.PreviewCaptionRect;
    const Long width = r.Right - r.Left;
    const Long height = r.Bottom - r.Top;
    Surface& bar = surfaces.PreviewCaption;
    const SurfaceDesc desc = bar.GetSurfaceDesc();
    if (bar.IsNull() || desc.Width != width || desc.Height != height ||
        surfaces.PreviewCaptionFill != settings.PreviewCaptionBackgroundColorFill ||
        surfaces.PreviewCaptionText != settings.PreviewCaptionTextColor) {
        bar = Surface::CreateSurface(width, height);
        bar.BltColorFill(WholeRect, settings.PreviewCaptionBackgroundColorFill);
        bar.SetForeColor(settings.PreviewCaptionTextColor);
        bar.DrawText(1, 1, kPreviewCaption);
        surfaces.PreviewCaptionFill = settings.PreviewCaptionBackgroundColorFill;
        surfaces.PreviewCaptionText = settings.PreviewCaptionTextColor;
    }
    return bar;
}

} // namespace

namespace {

// Everything of one frame that falls within the writer's band of rows.
void ComposeBand(const Puzzle& puzzle, const Settings& settings, const Surfaces& surfaces,
                 const Surface* caption, const SurfaceWriter& back) {
    back.BltColorFill(WholeRect, settings.BackgroundColorFill);

    if (!puzzle.PuzzleSolved) {
        const Rect& board = puzzle.BoardRect;
        back.BltFast(board.Left, board.Top, surfaces.FrameLineH, WholeRect, kBltFastNoWait);
        back.BltFast(board.Left, board.Bottom + 1, surfaces.FrameLineH, WholeRect, kBltFastNoWait);
        back.BltFast(board.Left, board.Top, surfaces.FrameLineV, WholeRect, kBltFastNoWait);
        back.BltFast(board.Right + 1, board.Top, surfaces.FrameLineV, WholeRect, kBltFastNoWait);
    }

    // Indices are checked so that a model caught half-way through a rebuild paints what it
    // can instead of reading past its arrays.
    const auto isPiece = [&](int p) {
        return p > 0 && std::size_t(p) < puzzle.Pieces.size() &&
               std::size_t(p) < surfaces.PieceSurfaces.size();
    };

    const int placed = std::min<int>(puzzle.PlacedCount, int(puzzle.PlacedPieces.size()) - 1);
    for (int i = 1; i <= placed; ++i) {
        const Integer p = puzzle.PlacedPieces[i];
        if (!isPiece(p)) {
            continue;
        }
        const PieceRecord& piece = puzzle.Pieces[p];
        back.BltFast(piece.X, piece.Y, surfaces.PieceSurfaces[p], WholeRect,
                     kBltFastSrcColorKeyNoWait);
    }

    if (settings.ViewPreview) {
        back.BltFast(puzzle.PreviewRect.Left, puzzle.PreviewRect.Top, surfaces.PreviewSurface,
                     WholeRect, kBltFastNoWait);
        if (caption != nullptr) {
            back.BltFast(puzzle.PreviewCaptionRect.Left, puzzle.PreviewCaptionRect.Top, *caption,
                         WholeRect, kBltFastNoWait);
        }
    }

    OutlineCopy outline[8];
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
            if (!isPiece(p)) {
                continue;
            }
            const PieceRecord& piece = puzzle.Pieces[p];
            back.BltFast(piece.X, piece.Y, surfaces.PieceSurfaces[p], WholeRect,
                         kBltFastSrcColorKeyNoWait);
            if (settings.OutlinePieces) {
                const int n = PieceOutline(puzzle, piece, outline);
                for (int c = 0; c < n; ++c) {
                    back.BltFast(outline[c].X, outline[c].Y, LineSurface(surfaces, outline[c].Line),
                                 WholeRect, kBltFastNoWait);
                }
            }
        }
    }
}

} // namespace

void ComposePlayField(const Puzzle& puzzle, const Settings& settings, Surfaces& surfaces,
                      int bands) {
    if (!puzzle.PuzzleLoaded || surfaces.BackBuffer.IsNull()) {
        return;
    }
    const Rect& r = puzzle.PreviewCaptionRect;
    const Surface* caption = settings.ViewPreview && r.Right > r.Left && r.Bottom > r.Top
                                 ? &PreviewCaptionBar(puzzle, settings, surfaces)
                                 : nullptr;
    const SurfaceWriter back(surfaces.BackBuffer);
    const Long height = surfaces.BackBuffer.GetSurfaceDesc().Height;
    bands = std::clamp<Long>(bands, 1, std::max<Long>(height / kRowsPerBand, 1));
    // Each band draws the whole frame in the same order, keeping to its own rows: the result
    // is the same as drawing it once.
    RunParts(bands, [&](int band) {
        ComposeBand(puzzle, settings, surfaces, caption,
                    back.Rows(height * band / bands, height * (band + 1) / bands));
    });
}

} // namespace tess
