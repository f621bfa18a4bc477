// A game with its history, keeping its games in `data` (the fixture's "data" folder when
// none is given), and drags of a piece.
#pragma once

#include "display/test_pictures.h"
#include "history/history.h"

namespace tess::test {

struct HistoryFixture : GameFixture {
    std::unique_ptr<GameHistory> history;

    explicit HistoryFixture(const QString& data = {}) {
        ProcessFacts facts = TestFacts(ProgramFolder());
        facts.UserDataFolder = data.isEmpty() ? ProgramFolder() + "/data" : data;
        game = std::make_unique<Game>(host, *store, random, facts);
        history = std::make_unique<GameHistory>(*game);
    }
    // Opens the picture as File > Open does: cut, then scrambled.
    void Open(const QString& name, Integer pieces = 12) {
        OpenPatternPicture(*this, pieces, 200, 150, name);
        game->mnuFileScramble_Click();
    }
    // Picks piece p up by its middle and drops it (dx, dy) further.
    void Drag(Integer p, int dx, int dy, bool release = true) {
        const Puzzle& z = game->puzzle;
        const Single x = Single(z.Pieces[p].X + z.TabWidth + z.CellWidth / 2);
        const Single y = Single(z.Pieces[p].Y + z.TabHeight + z.CellHeight / 2);
        game->picPuzzle_MouseDown(kLeftButton, 0, x, y);
        game->picPuzzle_MouseMove(kLeftButton, 0, x + Single(dx), y + Single(dy));
        if (release) {
            game->picPuzzle_MouseUp(kLeftButton, 0, x + Single(dx), y + Single(dy));
        }
    }
    // Drags piece p to where it fits piece n (to its home when n is 0), (dx, dy) off that.
    void DragBeside(Integer p, Integer n, int dx = 0, int dy = 0) {
        const Puzzle& z = game->puzzle;
        const PieceRecord &a = z.Pieces[p], &b = z.Pieces[n == 0 ? p : n];
        const Long x = n == 0 ? a.HomeX : b.X + (a.Col - b.Col) * z.CellWidth;
        const Long y = n == 0 ? a.HomeY : b.Y + (a.Row - b.Row) * z.CellHeight;
        Drag(p, int(x - a.X) + dx, int(y - a.Y) + dy);
    }
};

} // namespace tess::test
