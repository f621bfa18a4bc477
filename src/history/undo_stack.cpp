// Undo and redo steps, at most kMostSteps back.
#include "history/undo_stack.h"

#include <QCoreApplication>

namespace tess {

namespace {

std::optional<UndoStep> TakeLast(std::deque<UndoStep>& steps) {
    if (steps.empty()) {
        return std::nullopt;
    }
    UndoStep step = std::move(steps.back());
    steps.pop_back();
    return step;
}

// The command alone, or "Undo Move": the caption names the step it takes back.
QString Caption(const char* verb, const char* verbWithStep, const std::deque<UndoStep>& steps) {
    return steps.empty()
               ? QCoreApplication::translate("UndoStack", verb)
               : QCoreApplication::translate("UndoStack", verbWithStep).arg(steps.back().What);
}

} // namespace

void UndoStack::Push(UndoStep step) {
    redo_.clear();
    PushUndo(std::move(step));
}

void UndoStack::PushUndo(UndoStep step) {
    undo_.push_back(std::move(step));
    if (undo_.size() > kMostSteps) {
        undo_.pop_front();
    }
}

void UndoStack::PushRedo(UndoStep step) { redo_.push_back(std::move(step)); }

std::optional<UndoStep> UndoStack::TakeUndo() { return TakeLast(undo_); }

std::optional<UndoStep> UndoStack::TakeRedo() { return TakeLast(redo_); }

void UndoStack::Clear() {
    undo_.clear();
    redo_.clear();
}

QString UndoStack::UndoCaption() const {
    return Caption(QT_TRANSLATE_NOOP("UndoStack", "Undo"),
                   //: %1 is the step taken back: Move, Scramble, Arrange Pieces, ...
                   QT_TRANSLATE_NOOP("UndoStack", "Undo %1"), undo_);
}

QString UndoStack::RedoCaption() const {
    return Caption(QT_TRANSLATE_NOOP("UndoStack", "Redo"),
                   //: %1 is the step done again: Move, Scramble, Arrange Pieces, ...
                   QT_TRANSLATE_NOOP("UndoStack", "Redo %1"), redo_);
}

} // namespace tess
