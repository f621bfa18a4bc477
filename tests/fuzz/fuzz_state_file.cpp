// Loading a puzzle state file as the game does (the whole-file check, the picture, the model)
// and then playing it with the actions the input's last bytes choose; the model must stay
// consistent after every step. The input is the file from record 2 on: record 1 names a real
// picture, so the fuzzer need not find one.
#include "fuzz_support.h"
#include "persist/state_file.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tess;
    fuzz::FuzzGame f;
    Game& game = f.game;
    game.InitDirectDraw();
    game.puzzle.PuzzleStateFileName = fuzz::WriteInput(
        "fuzz.psf", fuzz::SmallPicture().toLatin1().leftJustified(kStateRecordSize, ' ') +
                        fuzz::Bytes(data, size));
    game.Guard([&] { game.LoadPuzzleState(); });
    fuzz::CheckInvariants(game, "loading");

    // The reader ignores bytes after the file's last value, so they can steer the play.
    FuzzedDataProvider play(data, size);
    for (int step = 0; step < 16 && play.remaining_bytes() > 0; ++step) {
        const Puzzle& p = game.puzzle;
        const int n = int(p.Pieces.size()) - 1;
        const int piece = play.ConsumeIntegralInRange(1, std::max(n, 1));
        const QPointF d(play.ConsumeIntegralInRange(-8, 8), play.ConsumeIntegralInRange(-8, 8));
        QPointF at(play.ConsumeIntegralInRange(-10, f.host.playFieldSize.width() + 10),
                   play.ConsumeIntegralInRange(-10, f.host.playFieldSize.height() + 10));
        const int action = play.ConsumeIntegralInRange(0, 8);
        // From a piece's surface corner to its middle: a press on the piece, or a move to
        // where the dragged piece fits it or to the dragged piece's home.
        const QPointF middle(p.TabWidth + p.CellWidth / 2.0, p.TabHeight + p.CellHeight / 2.0);
        if (piece <= n && (action == 0 || ((action == 2 || action == 3) && p.Dragging &&
                                           p.SelectedPiece >= 1 && p.SelectedPiece <= n))) {
            const PieceRecord& s = p.Pieces[action == 0 ? piece : p.SelectedPiece];
            const PieceRecord& o = p.Pieces[piece];
            at = middle + (action == 3 ? QPointF(s.HomeX, s.HomeY)
                                       : QPointF(o.X + (s.Col - o.Col) * p.CellWidth,
                                                 o.Y + (s.Row - o.Row) * p.CellHeight));
        }
        if (action == 8) {
            f.host.playFieldSize =
                QSize(play.ConsumeIntegralInRange(1, 1600), play.ConsumeIntegralInRange(1, 1200));
        }
        const Single x = Single(at.x() + d.x()), y = Single(at.y() + d.y());
        const std::function<void()> events[] = {
            [&] { game.picPuzzle_MouseDown(kLeftButton, 0, x, y); },
            [&] { game.picPuzzle_MouseMove(kLeftButton, 0, x, y); },
            [&] { game.picPuzzle_MouseUp(kLeftButton, 0, Single(at.x()), Single(at.y())); },
            [&] { game.mnuFileHint_Click(); },
            [&] { game.mnuFileSolve_Click(); },
            [&] { game.mnuFileScramble_Click(); },
            [&] { game.Form_Resize(); }};
        game.Guard(events[action < 4 ? action / 2 : action - 2]); // 0-1 press, 2-3 move
        fuzz::CheckInvariants(game, "a play step");
    }
    return 0;
}
