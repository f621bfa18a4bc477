// Picture to puzzle and painting: the game's procedures that load the picture, choose the
// grid, cut the pieces, make the preview and paint the play field.
#include "display/painting.h"
#include "display/parallel.h"
#include "display/picture_file.h"
#include "game/game.h"
#include "puzzle/cutting.h"
#include "puzzle/grid.h"
#include "puzzle/preview.h"

#include <stdexcept>
#include <string>

namespace tess {

namespace {

// Fewer pieces than this are not worth a second thread.
constexpr int kPiecesPerPart = 16;

// The grid for the count, when the picture gives its cells room on the play field; throws
// with the reason otherwise.
Grid GridWithRoom(Integer count, const std::vector<Integer>& divisors, QSize picture, QSize field) {
    const std::optional<Grid> grid =
        ChooseGrid(count, divisors, static_cast<Integer>(divisors.size() - 1),
                   CInt(picture.width()), CInt(picture.height()));
    if (!grid) {
        // A count below 1, only from a hand-edited settings store.
        throw std::runtime_error(Game::tr("%1 pieces cannot be laid out").arg(count).toStdString());
    }
    const CutLayout layout =
        ComputeCutLayout(CInt(picture.width()), CInt(picture.height()), grid->Columns, grid->Rows,
                         field.width(), field.height());
    if (!HasRoomForCells(layout, grid->Columns, grid->Rows)) {
        throw std::runtime_error(
            Game::tr("%1 pieces (%2 x %3) do not fit: on this play field the picture gives "
                     "each piece %4 x %5 pixels, and a piece needs at least %6 x %6")
                .arg(count)
                .arg(grid->Columns)
                .arg(grid->Rows)
                .arg(layout.ImageWidth / grid->Columns)
                .arg(layout.ImageHeight / grid->Rows)
                .arg(kSmallestCell)
                .toStdString());
    }
    return *grid;
}

} // namespace

void Game::InitDirectDraw() {
    const QSize field = host_.PlayFieldSize();
    surfaces.BackBuffer =
        Surface::CreateSurface(std::max(field.width(), 1), std::max(field.height(), 1));
}

void Game::GetOriginalImageSize() {
    ConvertPictureToBitmap(PicturePath(puzzle), WholeImageTempPath());
    Surface picture = Surface::CreateSurfaceFromFile(WholeImageTempPath());
    const SurfaceDesc desc = picture.GetSurfaceDesc();
    puzzle.OriginalHeight = CInt(desc.Height);
    puzzle.OriginalWidth = CInt(desc.Width);
    picture.Release();
}

bool Game::SetWholeImage() {
    const bool clockWasRunning = TimerEnabled();
    SetTimer(false);
    // Everything that can refuse the picture runs before the model, the surfaces or the
    // temporary bitmap are touched.
    std::vector<Integer> divisors;
    QSize size;
    Grid grid;
    try {
        divisors = CandidateDivisors(puzzle.NumberOfPieces);
        const QImage picture = ReadPicture(PicturePath(puzzle));
        size = picture.size();
        if (!(size.height() > 32 && size.width() > 32)) {
            host_.ShowMessage(tr("Image must be at least 33 x 32 pixels"), tr("Error:"));
            SetTimer(clockWasRunning);
            return false;
        }
        grid = GridWithRoom(puzzle.NumberOfPieces, divisors, size, host_.PlayFieldSize());
        WritePictureBitmap(picture, WholeImageTempPath());
    } catch (...) {
        SetTimer(clockWasRunning);
        throw;
    }
    puzzle.Divisors = std::move(divisors);
    puzzle.DivisorCount = static_cast<Integer>(puzzle.Divisors.size() - 1);
    puzzle.OriginalHeight = CInt(size.height());
    puzzle.OriginalWidth = CInt(size.width());
    puzzle.PuzzleColumns = grid.Columns;
    puzzle.PuzzleRows = grid.Rows;
    NumberPieces(puzzle);
    // The old drawing order and placed pieces name groups and pieces that are gone.
    puzzle.GroupOrder.assign(1, 0);
    puzzle.GroupOrderCount = 0;
    puzzle.PlacedPieces.assign(1, 0);
    puzzle.PlacedCount = 0;
    puzzle.PuzzleLoaded = kFalse;
    try {
        CutPuzzle();
    } catch (...) {
        ClosePuzzleAfterFailure();
        throw;
    }
    puzzle.PuzzleLoaded = kTrue;
    EnableCommands();
    SetTimer(true);
    AnnounceReplaced();
    return true;
}

void Game::ApplyNumberOfPieces(Integer count) {
    const Integer previous = puzzle.NumberOfPieces;
    auto setCount = [this](Integer value) {
        puzzle.NumberOfPieces = value;
        store_.WriteNumber(QStringLiteral("Number of Pieces"), value);
    };
    setCount(count);
    if (!puzzle.PuzzleLoaded) {
        return;
    }
    bool cut = false;
    try {
        cut = SetWholeImage();
    } catch (...) {
        // A game still on the screen keeps the count it was cut into.
        if (puzzle.PuzzleLoaded) {
            setCount(previous);
        }
        throw;
    }
    if (!cut) {
        setCount(previous);
        return;
    }
    mnuFileScramble_Click();
}

void Game::ResizePuzzle() {
    try {
        CutPuzzle();
    } catch (const std::exception& failure) {
        AbandonPuzzle(failure);
    }
}

void Game::CutPuzzle() {
    // The old pieces go first, so that a big picture's two sets of pieces never fill memory at
    // once.
    surfaces.PieceSurfaces.assign(puzzle.Pieces.size(), Surface{});
    const QSize field = host_.PlayFieldSize();
    const CutLayout layout =
        ComputeCutLayout(puzzle.OriginalWidth, puzzle.OriginalHeight, puzzle.PuzzleColumns,
                         puzzle.PuzzleRows, field.width(), field.height());
    puzzle.ImageHeight = layout.ImageHeight;
    puzzle.ImageWidth = layout.ImageWidth;

    // The bitmap is decoded once at its natural size; the picture and the preview are each
    // scaled from it, so the preview is the one the View menu makes from the same bitmap.
    Surface natural = Surface::CreateSurfaceFromFile(WholeImageTempPath());
    surfaces.WholeImageSurface =
        Surface::CreateStretchedSurface(natural, layout.ImageWidth, layout.ImageHeight);
    surfaces.WholeImageSurface.NudgePixels(TransparentKey);
    if (settings.ViewPreview) {
        InitPreviewFrom(natural);
    }
    natural.Release();

    ApplyCutLayout(puzzle, layout);

    const LineSizes lines = OutlineLineSizes(puzzle);
    surfaces.FrameLineH = Surface::CreateSurface(lines.FrameLineHWidth, 1);
    surfaces.FrameLineV = Surface::CreateSurface(1, lines.FrameLineVHeight);
    surfaces.EdgeLineH = Surface::CreateSurface(lines.EdgeLineHWidth, 1);
    surfaces.EdgeLineV = Surface::CreateSurface(1, lines.EdgeLineVHeight);
    surfaces.EdgeStubH = Surface::CreateSurface(lines.EdgeStubHWidth, 1);
    surfaces.EdgeStubV = Surface::CreateSurface(1, lines.EdgeStubVHeight);
    ResetOutlineColors();

    // Each piece is assembled completely before the next: the copies go to separate
    // surfaces, so this gives the same pixels as block copies for all pieces first, and
    // lets the pieces be shared out among the cores.
    const CutPlan plan = MakeCutPlan(puzzle);
    const Long pieceWidth = Long{puzzle.CellWidth} + 2 * Long{puzzle.TabWidth};
    const Long pieceHeight = Long{puzzle.CellHeight} + 2 * Long{puzzle.TabHeight};
    const int count = int(puzzle.Pieces.size()) - 1;
    const int parts = std::min(PartsForThisMachine(), std::max(count / kPiecesPerPart, 1));
    RunParts(parts, [&](int part) {
        std::vector<PieceCopy> copies;
        for (int i = 1 + count * part / parts; i <= count * (part + 1) / parts; ++i) {
            Surface& piece = surfaces.PieceSurfaces[std::size_t(i)];
            piece = Surface::CreateSurface(pieceWidth, pieceHeight, TransparentKey);
            piece.SetColorKey(TransparentKey);
            PieceCopies(puzzle.Pieces[std::size_t(i)], plan, copies);
            for (const PieceCopy& copy : copies) {
                piece.BltFast(copy.X, copy.Y, surfaces.WholeImageSurface, copy.Source,
                              kBltFastNoWait);
            }
            piece.PrepareKeyedCopy();
        }
    });
    surfaces.WholeImageSurface.Release();
}

void Game::AbandonPuzzle(const std::exception& failure) {
    ClosePuzzleAfterFailure();
    host_.ShowMessage(
        tr("The puzzle could not be cut: %1").arg(QString::fromLocal8Bit(failure.what())),
        tr("Error:"));
}

void Game::ClosePuzzleAfterFailure() {
    surfaces.WholeImageSurface.Release();
    surfaces.PieceSurfaces.assign(1, Surface{});
    surfaces.PreviewSurface.Release();
    puzzle.PuzzleLoaded = kFalse;
    puzzle.ReduceToSlotZero();
    puzzle.ElapsedSeconds = 0;
    puzzle.SelectedPiece = 0;
    puzzle.Dragging = kFalse;
    puzzle.PreviewDragging = kFalse;
    SetTimer(false);
    host_.SetPuzzleCommandsEnabled(false);
    host_.ClearPlayField();
    AnnounceReplaced();
}

void Game::ScalePiecesPosition() {
    const QSize field = host_.PlayFieldSize();
    tess::ScalePiecesPosition(puzzle, field.width(), field.height());
}

void Game::InitPreview() {
    // Called from menu and options handlers: a missing bitmap must not escape from them.
    try {
        InitPreviewFrom(Surface::CreateSurfaceFromFile(WholeImageTempPath()));
    } catch (const std::exception& failure) {
        surfaces.PreviewSurface.Release();
        ApplyPreviewGeometry(puzzle, PreviewGeometry{});
        host_.ShowMessage(
            tr("The preview could not be made: %1").arg(QString::fromLocal8Bit(failure.what())),
            tr("Error:"));
    }
}

void Game::InitPreviewFrom(const Surface& picture) {
    const QSize field = host_.PlayFieldSize();
    // The play field starts at the left edge of the window's client area.
    const PreviewGeometry geometry =
        ComputePreviewGeometry(puzzle.ImageWidth, puzzle.ImageHeight, settings.PreviewSize,
                               field.width(), 0, host_.PlayFieldPixelRatio());
    if (geometry.Width < 1 || geometry.Height < 1) {
        // A very wide or tall picture on a small field: no preview is drawn, and the game
        // goes on.
        surfaces.PreviewSurface.Release();
        ApplyPreviewGeometry(puzzle, PreviewGeometry{});
        return;
    }
    surfaces.PreviewSurface =
        Surface::CreateStretchedSurface(picture, geometry.Width, geometry.Height);
    surfaces.PreviewSurface.NudgePixels(TransparentKey);
    ApplyPreviewGeometry(puzzle, geometry);
}

void Game::ResetOutlineColors() {
    for (Surface* line : {&surfaces.FrameLineH, &surfaces.FrameLineV, &surfaces.EdgeLineH,
                          &surfaces.EdgeLineV, &surfaces.EdgeStubH, &surfaces.EdgeStubV}) {
        line->BltColorFill(WholeRect, settings.OutlineColorFill);
    }
}

void Game::DisplayModeChanged() {
    if (!puzzle.PuzzleLoaded) {
        // Nothing to recut: the back buffer follows the new pixel size at once.
        Form_Resize();
        return;
    }
    displayModeChanged_ = true;
    picPuzzle_Paint();
}

void Game::picPuzzle_Paint() {
    if (host_.IsMinimized() || !puzzle.PuzzleLoaded) {
        return;
    }
    if (displayModeChanged_) {
        // The pixel size of the field changed: rebuild the back buffer, recut and rescale
        // as a resize does (that repaints); the game itself is kept.
        displayModeChanged_ = false;
        Form_Resize();
        return;
    }
    ComposePlayField(puzzle, settings, surfaces, host_.PlayFieldPixelRatio(), PartsForThisMachine(),
                     additions_ != nullptr ? additions_->FrameOptions() : PaintOptions{});
    host_.PresentPlayField(surfaces.BackBuffer.Image());
}

void Game::RepaintChanges() {
    if (host_.IsMinimized() || !puzzle.PuzzleLoaded || displayModeChanged_) {
        picPuzzle_Paint();
        return;
    }
    QRegion changed;
    for (const Rect& r : ComposePlayFieldChanges(
             puzzle, settings, surfaces, host_.PlayFieldPixelRatio(), PartsForThisMachine(),
             additions_ != nullptr ? additions_->FrameOptions() : PaintOptions{})) {
        changed += QRect(int(r.Left), int(r.Top), int(r.Right - r.Left), int(r.Bottom - r.Top));
    }
    if (!changed.isEmpty()) {
        host_.PresentPlayFieldPart(surfaces.BackBuffer.Image(), changed);
    }
}

} // namespace tess
