// What the back buffer shows, recorded at every compose, so that the next frame is composed
// again only where the game changed since: where pieces or the preview were and are now, and
// where stacking changed between pieces that did not move.
#pragma once

#include "puzzle/model.h"
#include "puzzle/settings.h"

#include <QtGlobal>
#include <optional>
#include <vector>

namespace tess {

class Surface;
struct Surfaces;

// What the Game menu's toggles change in a frame; the defaults give the classic frame.
struct PaintOptions {
    // Laid on the board's cells (its top-left on the first cell's) under everything else;
    // null or a null surface for none.
    const Surface* FaintPicture = nullptr;
    // The preview and its caption after the loose groups instead of before them.
    bool PreviewAbove = false;
};

struct FrameRecord {
    // How one piece was drawn: where, and as what (kHidden, kPlaced, or kLoose with the
    // joined sides, which its outline leaves out, in the bits above).
    struct Piece {
        Long X = 0;
        Long Y = 0;
        unsigned char How = 0;
        friend bool operator==(const Piece&, const Piece&) = default;
    };
    static constexpr unsigned char kHidden = 0;
    static constexpr unsigned char kPlaced = 1;
    static constexpr unsigned char kLoose = 2;

    // Everything whose change changes the whole frame: sizes, colours, options, the cut (the
    // surfaces' image keys change whenever a surface is made again or filled).
    struct Look {
        Long Width = 0;
        Long Height = 0;
        double PixelRatio = 0;
        Long Background = 0;
        Long CaptionBackground = 0;
        Long CaptionText = 0;
        bool ViewPreview = false;
        bool OutlinePieces = false;
        Flag Solved = kFalse;
        Rect Board;
        Long CellWidth = 0;
        Long CellHeight = 0;
        Integer Pieces = 0;
        qint64 SurfaceKeys[8] = {};
        bool PreviewAbove = false;
        qint64 FaintPicture = 0;
        friend bool operator==(const Look&, const Look&) = default;
    };

    bool Valid = false;
    Look look;
    // Indexed by piece number; element 0 is unused.
    std::vector<Piece> pieces;
    // Piece numbers in the order they are drawn.
    std::vector<Integer> order;
    // The preview picture, its caption bar and text; empty when hidden.
    Rect preview;
};

// Records what composing the current state draws.
void RecordFrame(const Puzzle& puzzle, const Settings& settings, const Surfaces& surfaces,
                 double pixelRatio, const PaintOptions& options, FrameRecord& record);

// Where a frame recorded as `now` differs from one recorded as `before`: a few rectangles
// within the field, empty when nothing changed; none when the whole frame must be composed
// (the look changed, or the changes cover much of the field).
std::optional<std::vector<Rect>> ChangedAreas(const FrameRecord& before, const FrameRecord& now,
                                              const Puzzle& puzzle, const Surfaces& surfaces);

// Adds a rectangle to a list, merging rectangles whose bounding box is hardly larger than
// the two, so that the list stays short. Empty rectangles are left out.
void AddArea(std::vector<Rect>& areas, const Rect& area);

} // namespace tess
