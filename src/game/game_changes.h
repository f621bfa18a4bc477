// What the additions of the Game menu hear of the game: a change the player makes is
// announced before it happens (so it can be undone), every change of the game on the screen
// after it (so it can be kept), and a game replaced by another (Open, Close, Load Puzzle
// State, a changed piece count). The listener also keeps the game when the program ends.
#pragma once

#include <QString>

namespace tess {

class GameChangeListener {
public:
    virtual ~GameChangeListener() = default;
    // Before a change the player makes; `what` names it for the Undo caption ("Move",
    // "Scramble", "Arrange Pieces", ...).
    virtual void GameChanging(const QString& what) = 0;
    // After any change of the game on the screen, the player's or the window's (a resize).
    virtual void GameChanged() = 0;
    // Another game (or none) is on the screen now.
    virtual void GameReplaced() = 0;
    // Keeps the game on the screen now, without a word (quit, a signal, the session's end):
    // the file it is kept in, or empty when there is nothing to keep or it cannot be written.
    virtual QString KeepGameNow() { return {}; }
};

} // namespace tess
