// Playing: scramble, picking, dragging, dropping, placing, hint and solve. The
// algorithms live with the model; this is their orchestration with the window.
#include "display/dropping.h"
#include "display/picking.h"
#include "game/game.h"
#include "groups/groups.h"
#include "puzzle/scramble.h"

namespace tess {

namespace {

// A drag whose piece has gone meanwhile (placed by Hint or Solve, or the puzzle
// scrambled or replaced) no longer holds anything.
bool HoldsLoosePiece(const Puzzle& puzzle) {
    const int s = puzzle.SelectedPiece;
    return s >= 1 && s < static_cast<int>(puzzle.Pieces.size()) && puzzle.Pieces[s].Group != 0;
}

} // namespace

void Game::ClearSettings() { tess::ClearSettings(puzzle); }

void Game::mnuFileScramble_Click() {
    if (!puzzle.PuzzleLoaded) {
        return;
    }
    AnnounceChanging(tr("Scramble"));
    ClearSettings();
    const QSize field = host_.PlayFieldSize();
    const ScrambleRange range = ScrambleRangeOf(puzzle, static_cast<Single>(field.width()),
                                                static_cast<Single>(field.height()));
    random_.Reseed();
    for (int g = 1; g <= puzzle.GroupOrderCount; ++g) {
        const Integer slot = puzzle.GroupOrder[g];
        GroupRecord& group = puzzle.Groups[slot];
        ScatterPiece(puzzle.Pieces[group.Members[1]], range, random_);
        group.InPlace = kFalse;
        AlignGroup(slot);
    }
    picPuzzle_Paint();
    AnnounceChanged();
}

void Game::mnuFileHint_Click() {
    if (!puzzle.PuzzleLoaded || puzzle.GroupOrderCount == 0) {
        return;
    }
    AnnounceChanging(tr("Hint"));
    const Integer group = DrawHintGroup(puzzle, random_);
    if (group != 0) {
        SetGroupInPlace(group);
        RepaintChanges();
    }
    AnnounceChanged();
}

void Game::mnuFileSolve_Click() {
    if (!puzzle.PuzzleLoaded) {
        return;
    }
    AnnounceChanging(tr("Solve"));
    // Each placing takes an entry out of GroupOrder itself, so walk a copy.
    const std::vector<Integer> groups(puzzle.GroupOrder.begin() + 1,
                                      puzzle.GroupOrder.begin() + 1 + puzzle.GroupOrderCount);
    for (const Integer group : groups) {
        SetGroupInPlace(group);
    }
    picPuzzle_Paint();
    AnnounceChanged();
}

void Game::SetGroupInPlace(Integer intGroup) {
    if (PlaceGroup(puzzle, intGroup)) {
        puzzle.PuzzleSolved = kTrue;
        SetTimer(false);
        // A game that the clock never timed (finished before its first tick, or scrambled
        // after a finished game, whose clock stays off) has no time to rank.
        if (settings.TimePuzzle && puzzle.ElapsedSeconds > 0) {
            NewBestTime();
        }
        puzzle.ElapsedSeconds = 0;
    }
    SaveBestTimes();
    puzzle.SelectedPiece = 0;
}

void Game::AlignGroup(Integer intGroup) {
    const QSize field = host_.PlayFieldSize();
    tess::AlignGroup(puzzle, intGroup, static_cast<Single>(field.width()),
                     static_cast<Single>(field.height()));
}

void Game::AlignAllGroups() {
    const QSize field = host_.PlayFieldSize();
    tess::AlignAllGroups(puzzle, static_cast<Single>(field.width()),
                         static_cast<Single>(field.height()));
}

void Game::picPuzzle_MouseDown(int Button, int, Single X, Single Y) {
    if (!puzzle.PuzzleLoaded || Button != kLeftButton || puzzle.Dragging ||
        puzzle.PreviewDragging) {
        return;
    }
    if (additions_ != nullptr && additions_->TakesPress(X, Y)) {
        return;
    }
    const Integer picked = FindPieceAt(puzzle, X, Y);
    if (picked != 0) {
        // A press and release that move nothing are no step: the listener compares.
        AnnounceChanging(tr("Move"));
        puzzle.SelectedPiece = picked;
        ReOrderGroups(puzzle);
        puzzle.Dragging = kTrue;
        host_.SetPlayFieldPointer(kPointerSizeAll);
    } else if (IsInsideOpenRect(puzzle.PreviewCaptionRect, X, Y)) {
        // The caption grabs the preview even while the preview is hidden.
        puzzle.PreviewDragging = kTrue;
        host_.SetPlayFieldPointer(kPointerSizeAll);
    }
}

void Game::picPuzzle_MouseMove(int, int, Single X, Single Y) {
    if (!puzzle.PuzzleLoaded) {
        return;
    }
    const QSize field = host_.PlayFieldSize();
    if (puzzle.PreviewDragging) {
        MovePreviewTo(puzzle, X, Y, surfaces.PreviewSurface.GetSurfaceDesc().Height, field.width(),
                      field.height(), host_.PlayFieldPixelRatio());
        RepaintChanges();
    } else if (puzzle.Dragging && HoldsLoosePiece(puzzle)) {
        MoveSelectedGroupTo(puzzle, X, Y, field.width(), field.height());
        RepaintChanges();
    }
}

void Game::picPuzzle_MouseUp(int Button, int, Single, Single) {
    if (!puzzle.PuzzleLoaded || Button != kLeftButton) {
        return;
    }
    if (puzzle.PreviewDragging) {
        puzzle.PreviewDragging = kFalse;
        host_.SetPlayFieldPointer(kPointerDefault);
        return;
    }
    if (!puzzle.Dragging) {
        return;
    }
    host_.SetPlayFieldPointer(kPointerDefault);
    if (HoldsLoosePiece(puzzle)) {
        puzzle.DraggedGroup = puzzle.Pieces[puzzle.SelectedPiece].Group;
        if (IsNearHome(puzzle.Pieces[puzzle.SelectedPiece])) {
            SetGroupInPlace(puzzle.DraggedGroup);
        } else {
            const QSize field = host_.PlayFieldSize();
            FitDroppedGroup(puzzle, static_cast<Single>(field.width()),
                            static_cast<Single>(field.height()));
        }
    }
    puzzle.Dragging = kFalse;
    RepaintChanges();
    AnnounceChanged();
}

} // namespace tess
