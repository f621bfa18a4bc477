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
#include <span>

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

bool IsEmpty(const Rect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

// What the preview hides: its picture and caption bar are opaque, so whatever is drawn before
// them and lies wholly beneath them never shows. Empty when the preview is hidden.
struct PreviewCover {
    Rect Parts[2];
    bool Hides(const Rect& r) const {
        return std::ranges::any_of(Parts, [&r](const Rect& part) {
            return !IsEmpty(part) && part.Left <= r.Left && r.Right <= part.Right &&
                   part.Top <= r.Top && r.Bottom <= part.Bottom;
        });
    }
};

PreviewCover CoverOf(const Puzzle& puzzle, const Settings& settings, const Surfaces& surfaces) {
    if (!settings.ViewPreview) {
        return {};
    }
    const SurfaceDesc picture = surfaces.PreviewSurface.GetSurfaceDesc();
    const Rect& at = puzzle.PreviewRect;
    return {{Rect{at.Left, at.Top, at.Left + picture.Width, at.Top + picture.Height},
             puzzle.PreviewCaptionRect}};
}

// Calls visit with rectangles that cover the area outside the holes, none overlapping.
template <typename Visit>
void ForEachPartOutside(const Rect& area, std::span<const Rect> holes, Visit&& visit) {
    if (IsEmpty(area)) {
        return;
    }
    if (holes.empty()) {
        visit(area);
        return;
    }
    const Rect hole{std::max(area.Left, holes[0].Left), std::max(area.Top, holes[0].Top),
                    std::min(area.Right, holes[0].Right), std::min(area.Bottom, holes[0].Bottom)};
    if (IsEmpty(hole)) {
        ForEachPartOutside(area, holes.subspan(1), visit);
        return;
    }
    for (const Rect& part : {Rect{area.Left, area.Top, area.Right, hole.Top},
                             Rect{area.Left, hole.Bottom, area.Right, area.Bottom},
                             Rect{area.Left, hole.Top, hole.Left, hole.Bottom},
                             Rect{hole.Right, hole.Top, area.Right, hole.Bottom}}) {
        ForEachPartOutside(part, holes.subspan(1), visit);
    }
}

// The board's cells that placed pieces fill wholly, one flag per cell row by row: a cell is
// filled when its piece and its neighbours, whose knobs reach into its sockets, lie at home
// (each pixel of the picture belongs to exactly one piece). Empty when none is placed.
std::vector<char> FilledCells(const Puzzle& puzzle, const Surfaces& surfaces) {
    const Integer cols = puzzle.PuzzleColumns, rows = puzzle.PuzzleRows;
    if (puzzle.PlacedCount == 0 || cols <= 0 || rows <= 0) {
        return {};
    }
    std::vector<char> home(std::size_t(cols * rows), 0);
    ForEachPlacedPiece(puzzle, surfaces, [&](Integer p) {
        const PieceRecord& piece = puzzle.Pieces[p];
        if (piece.Col >= 0 && piece.Col < cols && piece.Row >= 0 && piece.Row < rows &&
            piece.X == piece.HomeX && piece.Y == piece.HomeY) {
            home[std::size_t(piece.Row * cols + piece.Col)] = 1;
        }
    });
    auto atHome = [&](Integer col, Integer row) {
        return col < 0 || col >= cols || row < 0 || row >= rows ||
               home[std::size_t(row * cols + col)] != 0;
    };
    std::vector<char> filled(home.size(), 0);
    for (Integer row = 0; row < rows; ++row) {
        for (Integer col = 0; col < cols; ++col) {
            filled[std::size_t(row * cols + col)] = home[std::size_t(row * cols + col)] &&
                                                    atHome(col - 1, row) && atHome(col + 1, row) &&
                                                    atHome(col, row - 1) && atHome(col, row + 1);
        }
    }
    return filled;
}

// The background colour; with a faint picture, that picture on the board's cells that no placed
// piece fills and the colour around it.
void DrawBackground(const Puzzle& puzzle, const Settings& settings, const PaintOptions& options,
                    const std::vector<char>& filled, const SurfaceDesc& field,
                    const SurfaceWriter& back) {
    const Surface* faint = options.FaintPicture;
    if (faint == nullptr || faint->IsNull()) {
        back.BltColorFill(back.Area(), settings.BackgroundColorFill);
        return;
    }
    const Long left = puzzle.BoardRect.Left + 1, top = puzzle.BoardRect.Top + 1;
    const Long right = left + faint->GetSurfaceDesc().Width;
    const Long bottom = top + faint->GetSurfaceDesc().Height;
    for (const Rect& around :
         {Rect{0, 0, field.Width, top}, Rect{0, bottom, field.Width, field.Height},
          Rect{0, top, left, bottom}, Rect{right, top, field.Width, bottom}}) {
        // An empty rectangle must not become WholeRect.
        if (!IsEmpty(around)) {
            back.BltColorFill(around, settings.BackgroundColorFill);
        }
    }
    const Long cw = puzzle.CellWidth, ch = puzzle.CellHeight;
    const Integer cols = puzzle.PuzzleColumns;
    if (filled.empty() || right - left != cols * cw || bottom - top != puzzle.PuzzleRows * ch) {
        back.BltFast(left, top, *faint, WholeRect, kBltFastNoWait);
        return;
    }
    for (Integer row = 0; row < puzzle.PuzzleRows; ++row) {
        const char* cells = filled.data() + row * cols;
        for (Integer col = 0; col < cols;) {
            const Integer end = Integer(std::find(cells + col, cells + cols, 1) - cells);
            if (end > col) {
                back.BltFast(left + col * cw, top + row * ch, *faint,
                             Rect{col * cw, row * ch, end * cw, (row + 1) * ch}, kBltFastNoWait);
            }
            col = Integer(std::find(cells + end, cells + cols, 0) - cells);
        }
    }
}

// What every part of a frame draws with, made once per frame.
struct FrameParts {
    const QImage* Caption = nullptr;
    PreviewSpacing Spacing;
    Long CaptionMargin = 0;
    PreviewCover Cover;
    std::vector<char> FilledCells;
};

// Everything of one frame that falls within the writer's area. What the preview hides is left
// out: the background under it, and the pieces wholly beneath it.
void ComposeArea(const Puzzle& puzzle, const Settings& settings, const Surfaces& surfaces,
                 const FrameParts& frame, const PaintOptions& options, const SurfaceWriter& back) {
    const SurfaceDesc field = surfaces.BackBuffer.GetSurfaceDesc();
    ForEachPartOutside(back.Area(), frame.Cover.Parts, [&](const Rect& part) {
        DrawBackground(puzzle, settings, options, frame.FilledCells, field, back.Within(part));
    });
    auto hidden = [&](Integer p) {
        const PieceRecord& piece = puzzle.Pieces[p];
        return frame.Cover.Hides(PieceBounds(puzzle, surfaces.PieceSurfaces[p], piece.X, piece.Y));
    };

    if (!puzzle.PuzzleSolved) {
        const Rect& board = puzzle.BoardRect;
        back.BltFast(board.Left, board.Top, surfaces.FrameLineH, WholeRect, kBltFastNoWait);
        back.BltFast(board.Left, board.Bottom + 1, surfaces.FrameLineH, WholeRect, kBltFastNoWait);
        back.BltFast(board.Left, board.Top, surfaces.FrameLineV, WholeRect, kBltFastNoWait);
        back.BltFast(board.Right + 1, board.Top, surfaces.FrameLineV, WholeRect, kBltFastNoWait);
    }

    ForEachPlacedPiece(puzzle, surfaces, [&](Integer p) {
        const PieceRecord& piece = puzzle.Pieces[p];
        if (hidden(p)) {
            return;
        }
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
        if (frame.Caption != nullptr && !IsEmpty(bar)) {
            const Long at = frame.Spacing.TextOffset - frame.CaptionMargin;
            back.BlendOver(bar.Left + at, bar.Top + at, *frame.Caption);
        }
    };
    if (!options.PreviewAbove) {
        drawPreview();
    }

    OutlineCopy outline[8];
    ForEachLoosePiece(puzzle, surfaces, [&](Integer p) {
        const PieceRecord& piece = puzzle.Pieces[p];
        if (options.PreviewAbove && hidden(p)) {
            return;
        }
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
    FrameParts frame;
    if (settings.ViewPreview) {
        frame.Caption = &PreviewCaptionGlyphs(settings, surfaces, pixelRatio);
    }
    frame.Spacing = PreviewSpacingFor(pixelRatio);
    frame.CaptionMargin = CaptionGlyphsMargin(pixelRatio);
    frame.Cover = CoverOf(puzzle, settings, surfaces);
    if (options.FaintPicture != nullptr) {
        frame.FilledCells = FilledCells(puzzle, surfaces);
    }
    const SurfaceWriter back(surfaces.BackBuffer);
    for (const Rect& area : areas) {
        const Long height = area.Bottom - area.Top;
        const int parts = std::clamp<Long>(bands, 1, std::max<Long>(height / kRowsPerBand, 1));
        RunParts(parts, [&](int band) {
            ComposeArea(puzzle, settings, surfaces, frame, options,
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

Rect PieceBounds(const Puzzle& puzzle, const Surface& surface, Long x, Long y) {
    const SurfaceDesc size = surface.GetSurfaceDesc();
    const Long left = x + puzzle.TabWidth - 1;
    const Long top = y + puzzle.TabHeight - 1;
    return Rect{std::min(x, left), std::min(y, top),
                std::max(x + size.Width, left + puzzle.CellWidth + 2),
                std::max(y + size.Height, top + puzzle.CellHeight + 2)};
}

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
