// Composing the play field frame.
#include "display/painting.h"

#include "display/frame_record.h"
#include "display/parallel.h"
#include "puzzle/preview.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
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

QString PreviewCaptionText() { return QCoreApplication::translate("Painting", "Preview"); }

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

// Room around the caption text for glyphs that reach before their origin or below the line.
Long CaptionGlyphsMargin(double pixelRatio) { return CLng(8 * std::max(pixelRatio, 1.0)); }

// The caption text in the caption text colour on a transparent picture, its origin
// CaptionGlyphsMargin in from the top-left corner; made again when the colour or ratio changes.
const QImage& PreviewCaptionGlyphs(const Settings& settings, Surfaces& surfaces,
                                   double pixelRatio) {
    QImage& glyphs = surfaces.PreviewCaptionGlyphs;
    if (!glyphs.isNull() &&
        surfaces.PreviewCaptionGlyphsColor == settings.PreviewCaptionTextColor &&
        surfaces.PreviewCaptionGlyphsRatio == pixelRatio) {
        return glyphs;
    }
    QFont font = QGuiApplication::font();
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * std::max(pixelRatio, 1.0));
    } else {
        font.setPixelSize(int(CLng(font.pixelSize() * std::max(pixelRatio, 1.0))));
    }
    const Long margin = CaptionGlyphsMargin(pixelRatio);
    const QString caption = PreviewCaptionText();
    // Metrics of the picture's own resolution, which the painter draws at.
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    const QFontMetrics metrics(font, &probe);
    glyphs = QImage(int(metrics.horizontalAdvance(caption) + 2 * margin),
                    int(metrics.height() + 2 * margin), QImage::Format_ARGB32_Premultiplied);
    glyphs.fill(Qt::transparent);
    QPainter painter(&glyphs);
    painter.setFont(font);
    const Long color = settings.PreviewCaptionTextColor;
    painter.setPen(QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF));
    painter.drawText(QPoint(int(margin), int(margin + metrics.ascent())), caption);
    surfaces.PreviewCaptionGlyphsColor = color;
    surfaces.PreviewCaptionGlyphsRatio = pixelRatio;
    return glyphs;
}

// The background colour; with a faint picture, that picture on the board's cells and the
// colour around it.
void DrawBackground(const Puzzle& puzzle, const Settings& settings, const PaintOptions& options,
                    const SurfaceDesc& field, const SurfaceWriter& back) {
    const Surface* faint = options.FaintPicture;
    if (faint == nullptr || faint->IsNull()) {
        back.BltColorFill(WholeRect, settings.BackgroundColorFill);
        return;
    }
    const Long left = puzzle.BoardRect.Left + 1, top = puzzle.BoardRect.Top + 1;
    const Long right = left + faint->GetSurfaceDesc().Width;
    const Long bottom = top + faint->GetSurfaceDesc().Height;
    for (const Rect& around :
         {Rect{0, 0, field.Width, top}, Rect{0, bottom, field.Width, field.Height},
          Rect{0, top, left, bottom}, Rect{right, top, field.Width, bottom}}) {
        // An empty rectangle must not become WholeRect.
        if (around.Right > around.Left && around.Bottom > around.Top) {
            back.BltColorFill(around, settings.BackgroundColorFill);
        }
    }
    back.BltFast(left, top, *faint, WholeRect, kBltFastNoWait);
}

// Everything of one frame that falls within the writer's area.
void ComposeArea(const Puzzle& puzzle, const Settings& settings, const Surfaces& surfaces,
                 const QImage* caption, const PreviewSpacing& spacing, Long captionMargin,
                 const PaintOptions& options, const SurfaceWriter& back) {
    DrawBackground(puzzle, settings, options, surfaces.BackBuffer.GetSurfaceDesc(), back);

    if (!puzzle.PuzzleSolved) {
        const Rect& board = puzzle.BoardRect;
        back.BltFast(board.Left, board.Top, surfaces.FrameLineH, WholeRect, kBltFastNoWait);
        back.BltFast(board.Left, board.Bottom + 1, surfaces.FrameLineH, WholeRect, kBltFastNoWait);
        back.BltFast(board.Left, board.Top, surfaces.FrameLineV, WholeRect, kBltFastNoWait);
        back.BltFast(board.Right + 1, board.Top, surfaces.FrameLineV, WholeRect, kBltFastNoWait);
    }

    ForEachPlacedPiece(puzzle, surfaces, [&](Integer p) {
        const PieceRecord& piece = puzzle.Pieces[p];
        back.BltFast(piece.X, piece.Y, surfaces.PieceSurfaces[p], WholeRect,
                     kBltFastSrcColorKeyNoWait);
    });

    const auto drawPreview = [&] {
        if (!settings.ViewPreview) {
            return;
        }
        back.BltFast(puzzle.PreviewRect.Left, puzzle.PreviewRect.Top, surfaces.PreviewSurface,
                     WholeRect, kBltFastNoWait);
        const Rect& bar = puzzle.PreviewCaptionRect;
        back.BltColorFill(bar, settings.PreviewCaptionBackgroundColorFill);
        // The text goes on the back buffer itself: a caption longer than a narrow bar runs on.
        if (caption != nullptr && bar.Right > bar.Left && bar.Bottom > bar.Top) {
            back.BlendOver(bar.Left + spacing.TextOffset - captionMargin,
                           bar.Top + spacing.TextOffset - captionMargin, *caption);
        }
    };
    if (!options.PreviewAbove) {
        drawPreview();
    }

    OutlineCopy outline[8];
    ForEachLoosePiece(puzzle, surfaces, [&](Integer p) {
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
    });
    if (options.PreviewAbove) {
        drawPreview();
    }
}

// Composes each area in bands of rows, one per core: each band draws the whole frame in the
// same order, keeping to its own part, so the result is the same as drawing it once.
void ComposeAreas(const Puzzle& puzzle, const Settings& settings, Surfaces& surfaces,
                  double pixelRatio, int bands, const PaintOptions& options,
                  const std::vector<Rect>& areas) {
    const QImage* caption =
        settings.ViewPreview ? &PreviewCaptionGlyphs(settings, surfaces, pixelRatio) : nullptr;
    const PreviewSpacing spacing = PreviewSpacingFor(pixelRatio);
    const Long captionMargin = CaptionGlyphsMargin(pixelRatio);
    const SurfaceWriter back(surfaces.BackBuffer);
    for (const Rect& area : areas) {
        const Long height = area.Bottom - area.Top;
        const int parts = std::clamp<Long>(bands, 1, std::max<Long>(height / kRowsPerBand, 1));
        RunParts(parts, [&](int band) {
            ComposeArea(puzzle, settings, surfaces, caption, spacing, captionMargin, options,
                        back.Within(Rect{area.Left, area.Top + height * band / parts, area.Right,
                                         area.Top + height * (band + 1) / parts}));
        });
    }
}

Rect WholeFrame(const Surfaces& surfaces) {
    const SurfaceDesc size = surfaces.BackBuffer.GetSurfaceDesc();
    return Rect{0, 0, size.Width, size.Height};
}

} // namespace

Rect PreviewBounds(const Puzzle& puzzle, const Surfaces& surfaces, double pixelRatio) {
    const SurfaceDesc picture = surfaces.PreviewSurface.GetSurfaceDesc();
    const Rect& bar = puzzle.PreviewCaptionRect;
    Rect bounds{std::min(bar.Left, puzzle.PreviewRect.Left),
                std::min(bar.Top, puzzle.PreviewRect.Top),
                std::max(bar.Right, puzzle.PreviewRect.Left + picture.Width),
                std::max(bar.Bottom, puzzle.PreviewRect.Top + picture.Height)};
    const QImage& glyphs = surfaces.PreviewCaptionGlyphs;
    if (!glyphs.isNull()) {
        const Long at = PreviewSpacingFor(pixelRatio).TextOffset - CaptionGlyphsMargin(pixelRatio);
        bounds.Left = std::min(bounds.Left, bar.Left + at);
        bounds.Top = std::min(bounds.Top, bar.Top + at);
        bounds.Right = std::max<Long>(bounds.Right, bar.Left + at + glyphs.width());
        bounds.Bottom = std::max<Long>(bounds.Bottom, bar.Top + at + glyphs.height());
    }
    return bounds;
}

void ComposePlayField(const Puzzle& puzzle, const Settings& settings, Surfaces& surfaces,
                      double pixelRatio, int bands, const PaintOptions& options) {
    if (!puzzle.PuzzleLoaded || surfaces.BackBuffer.IsNull()) {
        return;
    }
    ComposeAreas(puzzle, settings, surfaces, pixelRatio, bands, options, {WholeFrame(surfaces)});
    RecordFrame(puzzle, settings, surfaces, pixelRatio, options, surfaces.Shown);
}

std::vector<Rect> ComposePlayFieldChanges(const Puzzle& puzzle, const Settings& settings,
                                          Surfaces& surfaces, double pixelRatio, int bands,
                                          const PaintOptions& options) {
    if (!puzzle.PuzzleLoaded || surfaces.BackBuffer.IsNull()) {
        return {};
    }
    RecordFrame(puzzle, settings, surfaces, pixelRatio, options, surfaces.Next);
    const std::optional<std::vector<Rect>> changed =
        ChangedAreas(surfaces.Shown, surfaces.Next, puzzle, surfaces);
    if (!changed) {
        ComposePlayField(puzzle, settings, surfaces, pixelRatio, bands, options);
        return {WholeFrame(surfaces)};
    }
    ComposeAreas(puzzle, settings, surfaces, pixelRatio, bands, options, *changed);
    std::swap(surfaces.Shown, surfaces.Next);
    return *changed;
}

} // namespace tess
