// The assistant: the Game menu's commands and toggles on the game.
#include "assist/assist.h"

#include "display/picking.h"

namespace tess {

Assist::Assist(Game& game) : game_(game) {
    const SettingsStore& store = game_.store();
    showProgress_ = store.ReadGameBoolean(kShowProgressKey);
    previewAbove_ = store.ReadGameBoolean(kPreviewAboveKey);
    faintPicture_ = store.ReadGameBoolean(kFaintPictureKey);
    game_.SetAdditions(this);
}

Assist::~Assist() { game_.SetAdditions(nullptr); }

void Assist::ArrangePieces() {
    Lay(QCoreApplication::translate("Assist", "Arrange Pieces"), false);
}

void Assist::GatherEdgePieces() {
    Lay(QCoreApplication::translate("Assist", "Gather Edge Pieces"), true);
}

void Assist::Lay(const QString& what, bool edgesFirst) {
    Puzzle& puzzle = game_.puzzle;
    if (puzzle.Dragging || puzzle.PreviewDragging || puzzle.GroupOrderCount == 0) {
        return;
    }
    game_.AnnounceChanging(what);
    const QSize field = game_.host().PlayFieldSize();
    ArrangeLooseGroups(puzzle,
                       ArrangeField{field.width(), field.height(), PreviewArea(), edgesFirst});
    game_.picPuzzle_Paint();
    game_.AnnounceChanged();
}

Rect Assist::PreviewArea() const {
    const Puzzle& puzzle = game_.puzzle;
    if (!game_.settings.ViewPreview) {
        return {};
    }
    // The caption bar lies above the picture, as wide.
    return Rect{puzzle.PreviewRect.Left, puzzle.PreviewCaptionRect.Top, puzzle.PreviewRect.Right,
                puzzle.PreviewRect.Bottom};
}

void Assist::SetShowProgress(bool on) {
    showProgress_ = on;
    game_.store().WriteGameBoolean(kShowProgressKey, on);
}

void Assist::SetPreviewAbovePieces(bool on) {
    previewAbove_ = on;
    game_.store().WriteGameBoolean(kPreviewAboveKey, on);
    game_.picPuzzle_Paint();
}

void Assist::SetFaintPicture(bool on) {
    faintPicture_ = on;
    game_.store().WriteGameBoolean(kFaintPictureKey, on);
    game_.picPuzzle_Paint();
}

QString Assist::ProgressNow() {
    const Puzzle& puzzle = game_.puzzle;
    const QString game =
        PicturePath(puzzle) + QLatin1Char('|') + QString::number(puzzle.NumberOfPieces);
    if (!puzzle.PuzzleSolved) {
        clockSeconds_ = puzzle.ElapsedSeconds;
        clockGame_ = game;
    }
    return ProgressText(puzzle, clockGame_ == game ? clockSeconds_ : puzzle.ElapsedSeconds);
}

PaintOptions Assist::FrameOptions() {
    PaintOptions options;
    options.PreviewAbove = previewAbove_;
    if (!faintPicture_) {
        faint_ = {}; // its memory goes with the toggle
        return options;
    }
    const qint64 cut = game_.surfaces.PieceSurfaces[1].Image().cacheKey();
    const Long background = game_.settings.BackgroundColorFill;
    if (faint_.IsNull() || cut != faintCut_ || background != faintBackground_) {
        faintCut_ = cut;
        faintBackground_ = background;
        faint_ = MakeFaintPicture(game_.puzzle, game_.surfaces, background);
    }
    options.FaintPicture = &faint_;
    return options;
}

bool Assist::TakesPress(double x, double y) {
    const Rect area = PreviewArea(); // empty when hidden
    if (!previewAbove_ || x < area.Left || x >= area.Right || y < area.Top || y >= area.Bottom) {
        return false;
    }
    Puzzle& puzzle = game_.puzzle;
    if (IsInsideOpenRect(puzzle.PreviewCaptionRect, x, y)) {
        // The caption lies above the pieces: it is what the press grabs.
        puzzle.PreviewDragging = kTrue;
        game_.host().SetPlayFieldPointer(kPointerSizeAll);
    }
    return true;
}

} // namespace tess
