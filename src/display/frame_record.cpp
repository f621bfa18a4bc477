// Recording frames and finding where two differ.
#include "display/frame_record.h"

#include "display/painting.h"

#include <algorithm>
#include <limits>

namespace tess {

namespace {

// Most rectangles a change is composed in; more are merged.
constexpr std::size_t kMostAreas = 8;

bool IsEmpty(const Rect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

qint64 AreaOf(const Rect& r) {
    return IsEmpty(r) ? 0 : qint64(r.Right - r.Left) * qint64(r.Bottom - r.Top);
}

Rect Union(const Rect& a, const Rect& b) {
    return Rect{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                std::max(a.Bottom, b.Bottom)};
}

// Pieces drawn in both frames, neither moved, whose stacking changed against each other: a
// few whose removal leaves both orders the same. Walking the new order, a piece drawn before
// one kept earlier is out of place; walking it backwards, one drawn after. A group raised to
// the top is found by the first walk, a group merged lower down by the second: the smaller.
std::vector<Integer> Restacked(const FrameRecord& before, const FrameRecord& now,
                               const std::vector<char>& moved) {
    std::vector<int> rank(before.pieces.size(), -1);
    int r = 0;
    for (const Integer p : before.order) {
        if (!moved[std::size_t(p)]) {
            rank[std::size_t(p)] = r++;
        }
    }
    std::vector<Integer> kept;
    for (const Integer p : now.order) {
        if (!moved[std::size_t(p)]) {
            kept.push_back(p);
        }
    }
    std::vector<Integer> forward, backward;
    int highest = -1;
    for (const Integer p : kept) {
        const int at = rank[std::size_t(p)];
        if (at < highest || at < 0) {
            forward.push_back(p);
        } else {
            highest = at;
        }
    }
    int lowest = std::numeric_limits<int>::max();
    for (auto p = kept.rbegin(); p != kept.rend(); ++p) {
        const int at = rank[std::size_t(*p)];
        if (at > lowest || at < 0) {
            backward.push_back(*p);
        } else {
            lowest = at;
        }
    }
    return forward.size() <= backward.size() ? forward : backward;
}

} // namespace

void RecordFrame(const Puzzle& puzzle, const Settings& settings, const Surfaces& surfaces,
                 double pixelRatio, const PaintOptions& options, FrameRecord& record) {
    const SurfaceDesc back = surfaces.BackBuffer.GetSurfaceDesc();
    FrameRecord::Look& look = record.look;
    look.Width = back.Width;
    look.Height = back.Height;
    look.PixelRatio = pixelRatio;
    look.Background = settings.BackgroundColorFill;
    look.CaptionBackground = settings.PreviewCaptionBackgroundColorFill;
    look.CaptionText = settings.PreviewCaptionTextColor;
    look.ViewPreview = settings.ViewPreview;
    look.OutlinePieces = settings.OutlinePieces;
    look.Solved = puzzle.PuzzleSolved;
    look.Board = puzzle.BoardRect;
    look.CellWidth = puzzle.CellWidth;
    look.CellHeight = puzzle.CellHeight;
    look.Pieces = puzzle.NumberOfPieces;
    look.PreviewAbove = options.PreviewAbove;
    look.FaintPicture =
        options.FaintPicture != nullptr ? options.FaintPicture->Image().cacheKey() : 0;
    const Surface* made[] = {&surfaces.PreviewSurface, &surfaces.FrameLineH, &surfaces.FrameLineV,
                             &surfaces.EdgeLineH,      &surfaces.EdgeLineV,  &surfaces.EdgeStubH,
                             &surfaces.EdgeStubV};
    for (std::size_t i = 0; i < std::size(made); ++i) {
        look.SurfaceKeys[i] = made[i]->Image().cacheKey();
    }
    look.SurfaceKeys[7] =
        surfaces.PieceSurfaces.size() > 1 ? surfaces.PieceSurfaces[1].Image().cacheKey() : 0;

    record.pieces.assign(std::min(puzzle.Pieces.size(), surfaces.PieceSurfaces.size()), {});
    record.order.clear();
    ForEachPlacedPiece(puzzle, surfaces, [&](Integer p) {
        const PieceRecord& piece = puzzle.Pieces[p];
        record.pieces[std::size_t(p)] = {piece.X, piece.Y, FrameRecord::kPlaced};
        record.order.push_back(p);
    });
    ForEachLoosePiece(puzzle, surfaces, [&](Integer p) {
        const PieceRecord& piece = puzzle.Pieces[p];
        const int joined = (piece.JoinedTop ? 1 : 0) | (piece.JoinedBottom ? 2 : 0) |
                           (piece.JoinedLeft ? 4 : 0) | (piece.JoinedRight ? 8 : 0);
        record.pieces[std::size_t(p)] = {
            piece.X, piece.Y, static_cast<unsigned char>(FrameRecord::kLoose | joined << 2)};
        record.order.push_back(p);
    });
    record.preview = settings.ViewPreview ? PreviewBounds(puzzle, surfaces, pixelRatio) : Rect{};
    record.Valid = true;
}

std::optional<std::vector<Rect>> ChangedAreas(const FrameRecord& before, const FrameRecord& now,
                                              const Puzzle& puzzle, const Surfaces& surfaces) {
    if (!before.Valid || !now.Valid || !(before.look == now.look) ||
        before.pieces.size() != now.pieces.size()) {
        return std::nullopt;
    }
    const Rect field{0, 0, now.look.Width, now.look.Height};
    std::vector<Rect> areas;
    auto add = [&](const Rect& area) {
        AddArea(areas,
                Rect{std::max(area.Left, field.Left), std::max(area.Top, field.Top),
                     std::min(area.Right, field.Right), std::min(area.Bottom, field.Bottom)});
    };
    // Where a piece was and is, when it moved or is drawn otherwise.
    std::vector<char> moved(now.pieces.size(), 0);
    for (std::size_t p = 1; p < now.pieces.size(); ++p) {
        const FrameRecord::Piece& was = before.pieces[p];
        const FrameRecord::Piece& is = now.pieces[p];
        if (was == is) {
            continue;
        }
        moved[p] = 1;
        for (const FrameRecord::Piece* drawn : {&was, &is}) {
            if (drawn->How != FrameRecord::kHidden) {
                add(PieceBounds(puzzle, surfaces.PieceSurfaces[p], drawn->X, drawn->Y));
            }
        }
    }
    if (before.preview != now.preview) {
        add(before.preview);
        add(now.preview);
    }
    for (const Integer p : Restacked(before, now, moved)) {
        const FrameRecord::Piece& drawn = now.pieces[std::size_t(p)];
        add(PieceBounds(puzzle, surfaces.PieceSurfaces[std::size_t(p)], drawn.X, drawn.Y));
    }
    qint64 covered = 0;
    for (const Rect& area : areas) {
        covered += AreaOf(area);
    }
    // A large change is composed whole, which spreads over the cores in even bands.
    if (covered * 2 > AreaOf(field)) {
        return std::nullopt;
    }
    return areas;
}

void AddArea(std::vector<Rect>& areas, const Rect& added) {
    if (IsEmpty(added)) {
        return;
    }
    Rect area = added;
    // Swallow every held rectangle that the two would hardly outgrow; the grown one may
    // then reach rectangles it passed, so start again.
    for (std::size_t i = 0; i < areas.size();) {
        const Rect merged = Union(areas[i], area);
        if (AreaOf(merged) <= AreaOf(areas[i]) + AreaOf(area)) {
            area = merged;
            areas.erase(areas.begin() + std::ptrdiff_t(i));
            i = 0;
        } else {
            ++i;
        }
    }
    areas.push_back(area);
    while (areas.size() > kMostAreas) {
        // Merge the two that grow least by it.
        std::size_t a = 0, b = 1;
        qint64 least = std::numeric_limits<qint64>::max();
        for (std::size_t i = 0; i < areas.size(); ++i) {
            for (std::size_t j = i + 1; j < areas.size(); ++j) {
                const qint64 growth =
                    AreaOf(Union(areas[i], areas[j])) - AreaOf(areas[i]) - AreaOf(areas[j]);
                if (growth < least) {
                    least = growth;
                    a = i;
                    b = j;
                }
            }
        }
        areas[a] = Union(areas[a], areas[b]);
        areas.erase(areas.begin() + std::ptrdiff_t(b));
    }
}

} // namespace tess
