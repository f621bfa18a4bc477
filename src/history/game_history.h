// The game's history: the listener that turns the game's changes into steps of Undo and
// Redo and into a quiet save of the game to its kept file, and the Game menu's commands
// Undo, Redo, Continue Last Game and the Kept Games.
#pragma once

#include "game/game.h"
#include "history/kept_games.h"
#include "history/kept_writer.h"
#include "history/undo_stack.h"

#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

namespace tess {

class GameHistory : public GameChangeListener {
public:
    // At most this long after a change the game is in its kept file.
    static constexpr int kSaveDelayMs = 500;
    // Unfinished games kept; the oldest beyond these are removed.
    static constexpr int kKeptGames = 5;

    // Hears the game from now on. Games are kept in the game's per-user data folder; none
    // are kept when the game has none.
    explicit GameHistory(Game& game);
    ~GameHistory() override;
    GameHistory(const GameHistory&) = delete;
    GameHistory& operator=(const GameHistory&) = delete;

    void GameChanging(const QString& what) override;
    void GameChanged() override;
    void GameReplaced() override;
    QString KeepGameNow() override;

    const UndoStack& Steps() const { return steps_; }
    void Undo();
    void Redo();

    // The kept games other than the one on the screen that no other running copy holds,
    // newest first.
    std::vector<KeptGame> KeptGames() const;
    // Loads the newest of them as Load Puzzle State loads a file; false when there is none
    // or it did not load (that has been reported).
    bool ContinueLastGame();
    bool LoadKeptGame(const QString& path);
    // The file the game on the screen is kept in; empty until it is first kept.
    QString KeptPath() const { return kept_ ? kept_->Path() : QString(); }

    // Writes a save that is waiting now, on this thread, once the writer thread is done.
    void SaveNow();
    bool SaveWaiting() const { return waiting_.has_value(); }

    // Undo's and Redo's captions may have changed.
    std::function<void()> onStepsChanged;
    // A kept game came or went.
    std::function<void()> onKeptGamesChanged;

private:
    // The step under way becomes a step of Undo when it changed the play.
    void SettleStep();
    // Undo (back) or Redo.
    void Walk(bool back);
    // The game as it is now, to be written at the latest kSaveDelayMs from now.
    void ScheduleSave();
    bool Serialize(bool quiet);
    // The timer ran out: the writer thread writes the game.
    void HandOver();
    bool WriteWaiting(bool quiet);
    // After each write: a failure is told, and a new file may push the oldest out.
    void Written(const QString& path, bool made, const QString& reason, bool quiet);
    // A finished game leaves nothing to keep and nothing to undo.
    void FinishGame();
    bool HasPiecesOnField() const;
    // Once per game, in a message box like a failed settings write.
    void TellFailure(const QString& path, const QString& reason);
    void Notify(const std::function<void()>& handler) const;

    Game& game_;
    QString folder_;
    UndoStack steps_;
    // The step under way: what it is and the play before it.
    std::optional<UndoStep> changing_;
    std::unique_ptr<KeptFile> kept_;
    std::optional<QByteArray> waiting_;
    QTimer saveTimer_;
    KeptGameWriter writer_{&saveTimer_,
                           [this](const QString& path, bool made, const QString& reason) {
                               Written(path, made, reason, false);
                           }};
    // A failed save has been told for this game (or waits for the drag to end to be told).
    bool failureTold_ = false;
    QString failureToTell_;
};

} // namespace tess
