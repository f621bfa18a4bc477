// Undo steps and kept games from the game's changes.
#include "history/game_history.h"

#include "persist/persist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace tess {

GameHistory::GameHistory(Game& game) : game_(game), folder_(game.facts().UserDataFolder) {
    saveTimer_.setSingleShot(true);
    saveTimer_.setInterval(kSaveDelayMs);
    saveTimer_.callOnTimeout([this] { game_.Guard([this] { HandOver(); }); });
    game_.SetChangeListener(this);
}

GameHistory::~GameHistory() {
    game_.SetChangeListener(nullptr);
    try {
        WriteWaiting(true);
    } catch (...) {
        // Ending without a word, whatever happens.
    }
}

bool GameHistory::HasPiecesOnField() const {
    const Puzzle& puzzle = game_.puzzle;
    return puzzle.PuzzleLoaded && (puzzle.GroupOrderCount > 0 || puzzle.PlacedCount > 0);
}

void GameHistory::GameChanging(const QString& what) {
    SettleStep();
    // A game just cut has no pieces on the field yet: the scramble that lays them out is no
    // step back to.
    if (HasPiecesOnField() && !game_.puzzle.PuzzleSolved) {
        changing_ = UndoStep{what, TakeSnapshot(game_.puzzle, game_.host().PlayFieldSize()), 0};
    }
}

void GameHistory::SettleStep() {
    if (!changing_) {
        return;
    }
    UndoStep step = std::move(*changing_);
    changing_.reset();
    const Puzzle& puzzle = game_.puzzle;
    if (!HasPiecesOnField() || SamePlay(step.Play, puzzle, game_.host().PlayFieldSize())) {
        return;
    }
    step.ElapsedAfter = puzzle.ElapsedSeconds;
    steps_.Push(std::move(step));
}

void GameHistory::GameChanged() {
    SettleStep();
    if (game_.puzzle.PuzzleSolved && game_.puzzle.PuzzleLoaded) {
        FinishGame();
    } else if (HasPiecesOnField()) {
        ScheduleSave();
        if (!failureToTell_.isEmpty() && !game_.puzzle.Dragging) {
            game_.host().ShowMessage(std::exchange(failureToTell_, QString()), game_.facts().Title);
        }
    }
    Notify(onStepsChanged);
}

void GameHistory::GameReplaced() {
    changing_.reset();
    // The game that was on the screen is kept as it was after its last change.
    WriteWaiting(false);
    const bool hadKeptFile = kept_ != nullptr;
    kept_.reset();
    steps_.Clear();
    failureTold_ = false;
    failureToTell_.clear();
    // Only a game read from a state file comes with pieces on the field (a picture just cut
    // has none until its scramble): read from a kept game, it goes on in that file.
    if (HasPiecesOnField()) {
        kept_ = KeptFile::Claim(folder_, game_.puzzle.PuzzleStateFileName);
    }
    Notify(onStepsChanged);
    if (hadKeptFile || kept_) {
        Notify(onKeptGamesChanged);
    }
}

void GameHistory::FinishGame() {
    steps_.Clear();
    waiting_.reset();
    saveTimer_.stop();
    writer_.Finish();
    if (kept_) {
        QFile::remove(kept_->Path());
        kept_.reset();
        Notify(onKeptGamesChanged);
    }
}

QString GameHistory::KeepGameNow() {
    if (!HasPiecesOnField() || game_.puzzle.PuzzleSolved || !Serialize(true) ||
        !WriteWaiting(true)) {
        return {};
    }
    return kept_->Path();
}

void GameHistory::Undo() { Walk(true); }

void GameHistory::Redo() { Walk(false); }

void GameHistory::Walk(bool back) {
    SettleStep();
    if (!HasPiecesOnField() || game_.puzzle.PuzzleSolved) {
        return;
    }
    std::optional<UndoStep> step = back ? steps_.TakeUndo() : steps_.TakeRedo();
    if (!step) {
        return;
    }
    Puzzle& puzzle = game_.puzzle;
    PlaySnapshot now = TakeSnapshot(puzzle, game_.host().PlayFieldSize());
    // The seconds played since the step go on counting.
    const Long elapsed =
        step->Play.ElapsedSeconds + std::max<Long>(0, puzzle.ElapsedSeconds - step->ElapsedAfter);
    RestoreSnapshot(game_, step->Play, elapsed);
    UndoStep way{step->What, std::move(now), elapsed};
    if (back) {
        steps_.PushRedo(std::move(way));
    } else {
        steps_.PushUndo(std::move(way));
    }
    ScheduleSave();
    Notify(onStepsChanged);
}

void GameHistory::ScheduleSave() {
    if (Serialize(false) && !saveTimer_.isActive()) {
        saveTimer_.start();
    }
}

bool GameHistory::Serialize(bool quiet) {
    if (!kept_) {
        kept_ = KeptFile::ClaimNew(folder_);
        if (!kept_) {
            if (!folder_.isEmpty() && !quiet) {
                TellFailure(folder_, QCoreApplication::translate("GameHistory",
                                                                 "no file can be made there"));
            }
            return false;
        }
    }
    StateFileWriteResult written = WriteStateFile(game_.puzzle, kept_->Path());
    if (!written.error.isEmpty()) {
        waiting_.reset();
        if (!quiet) {
            TellFailure(kept_->Path(), written.error);
        }
        return false;
    }
    waiting_ = std::move(written.bytes);
    return true;
}

void GameHistory::SaveNow() { WriteWaiting(false); }

void GameHistory::HandOver() {
    if (waiting_ && kept_) {
        writer_.Write(kept_->Path(), *waiting_);
        waiting_.reset();
    }
}

bool GameHistory::WriteWaiting(bool quiet) {
    saveTimer_.stop();
    writer_.Finish();
    if (!waiting_ || !kept_) {
        return false;
    }
    const QByteArray bytes = std::move(*waiting_);
    waiting_.reset();
    const bool made = !QFileInfo::exists(kept_->Path());
    const QString reason = WriteFileSafely(kept_->Path(), bytes);
    Written(kept_->Path(), made, reason, quiet);
    return reason.isEmpty();
}

void GameHistory::Written(const QString& path, bool made, const QString& reason, bool quiet) {
    // A write of a game replaced since then is not told.
    if (!reason.isEmpty() && !quiet && path == KeptPath()) {
        TellFailure(path, reason);
    }
    if (made && reason.isEmpty()) {
        RemoveOldKeptGames(folder_, kKeptGames, KeptPath());
        Notify(onKeptGamesChanged);
    }
}

void GameHistory::TellFailure(const QString& path, const QString& reason) {
    if (failureTold_) {
        return;
    }
    failureTold_ = true;
    const QString text = QCoreApplication::translate(
                             "GameHistory", "The game could not be kept in \"%1\": %2. The game "
                                            "goes on and is kept again with its next change.")
                             .arg(QDir::toNativeSeparators(path), reason);
    // A message box in the middle of a drag would swallow the drop: it waits for the drop.
    if (game_.puzzle.Dragging) {
        failureToTell_ = text;
    } else {
        game_.host().ShowMessage(text, game_.facts().Title);
    }
}

std::vector<KeptGame> GameHistory::KeptGames() const { return ListKeptGames(folder_, KeptPath()); }

bool GameHistory::ContinueLastGame() {
    const std::vector<KeptGame> games = KeptGames();
    return !games.empty() && LoadKeptGame(games.front().Path);
}

bool GameHistory::LoadKeptGame(const QString& path) {
    game_.puzzle.PuzzleStateFileName = path;
    return game_.LoadPuzzleState();
}

void GameHistory::Notify(const std::function<void()>& handler) const {
    if (handler) {
        handler();
    }
}

} // namespace tess
