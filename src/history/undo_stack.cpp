// Undo and redo steps, at most kMostSteps back.
#include "history/undo_stack.h"

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

QString Caption(const char* verb, const std::deque<UndoStep>& steps) {
    QString caption = QString::fromLatin1(verb);
    if (!steps.empty()) {
        caption += QLatin1Char(' ') + steps.back().What;
    }
    return caption;
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

QString UndoStack::UndoCaption() const { return Caption("Undo", undo_); }

QString UndoStack::RedoCaption() const { return Caption("Redo", redo_); }

} // namespace tess
