// The steps Undo and Redo walk.
#pragma once

#include "history/play_snapshot.h"

#include <QString>
#include <deque>
#include <optional>

namespace tess {

struct UndoStep {
    // What the step did, for the caption: "Move", "Scramble", "Arrange Pieces", ...
    QString What;
    // The play to go back (or forward) to.
    PlaySnapshot Play;
    // The clock just after the step: the seconds played since are added to Play's clock, so
    // the clock never runs backwards.
    Long ElapsedAfter = 0;
};

class UndoStack {
public:
    // The most steps kept back; the oldest go first.
    static constexpr std::size_t kMostSteps = 250;

    // A new step: the steps that were undone can no longer be redone.
    void Push(UndoStep step);
    std::optional<UndoStep> TakeUndo();
    std::optional<UndoStep> TakeRedo();
    // The way back from an Undo, and back again from a Redo.
    void PushRedo(UndoStep step);
    void PushUndo(UndoStep step);
    void Clear();

    // "Undo Move", or "Undo" when there is nothing to undo; the same for Redo.
    QString UndoCaption() const;
    QString RedoCaption() const;
    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }

private:
    std::deque<UndoStep> undo_;
    std::deque<UndoStep> redo_;
};

} // namespace tess
