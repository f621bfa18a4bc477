// Loading a puzzle state file as the game does (the whole-file check, the picture, the model)
// and then playing it with the actions the input's last bytes choose; the model must stay
// consistent after every step. The input is the file from record 2 on: record 1 names a real
// picture, so the fuzzer need not find one.
#include "fuzz_support.h"
#include "persist/state_file.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

// Where the selected piece's centre goes to fit beside piece `other`, or on its home.
QPointF FitPoint(const tess::Puzzle& p, int other, bool home) {
    const tess::PieceRecord& s = p.Pieces[std::size_t(p.SelectedPiece)];
    const tess::PieceRecord& o = p.Pieces[std::size_t(other)];
    const double x = home ? s.HomeX : o.X + (s.Col - o.Col) * p.CellWidth;
    const double y = home ? s.HomeY : o.Y + (s.Row - o.Row) * p.CellHeight;
    return {x + p.TabWidth + p.CellWidth / 2.0, y + p.TabHeight + p.CellHeight / 2.0};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tess;
    static const QByteArray record1 =
        fuzz::SmallPicture().toLatin1().leftJustified(kStateRecordSize, ' ');
    fuzz::FuzzGame f;
    Game& game = f.game;
    game.InitDirectDraw();
    game.puzzle.PuzzleStateFileName =
        fuzz::WriteInput("fuzz.psf", record1 + fuzz::Bytes(data, size));
    fuzz::Event(game, [&] { game.LoadPuzzleState(); });
    fuzz::CheckInvariants(game, "loading");

    // The reader ignores bytes after the file's last value, so they can steer the play.
    FuzzedDataProvider play(data, size);
    for (int step = 0; step < 16 && play.remaining_bytes() > 0; ++step) {
        const Puzzle& p = game.puzzle;
        const int n = int(p.Pieces.size()) - 1;
        const int piece = play.ConsumeIntegralInRange(1, std::max(n, 1));
        const double dx = play.ConsumeIntegralInRange(-8, 8);
        const double dy = play.ConsumeIntegralInRange(-8, 8);
        const QSize field = f.host.playFieldSize;
        QPointF at(play.ConsumeIntegralInRange(-10, field.width() + 10),
                   play.ConsumeIntegralInRange(-10, field.height() + 10));
        const int action = play.ConsumeIntegralInRange(0, 8);
        switch (action) {
        case 0: // press on a piece's middle
            if (piece <= n) {
                at = QPointF(p.Pieces[std::size_t(piece)].X + p.TabWidth + p.CellWidth / 2.0,
                             p.Pieces[std::size_t(piece)].Y + p.TabHeight + p.CellHeight / 2.0);
            }
            [[fallthrough]];
        case 1:
            fuzz::Event(game, [&] {
                game.picPuzzle_MouseDown(kLeftButton, 0, Single(at.x() + dx), Single(at.y() + dy));
            });
            break;
        case 2:
        case 3: // towards where the dragged piece fits a neighbour, or its home
            if (p.Dragging && p.SelectedPiece >= 1 && p.SelectedPiece <= n && piece <= n) {
                at = FitPoint(p, piece, action == 3);
            }
            fuzz::Event(game, [&] {
                game.picPuzzle_MouseMove(kLeftButton, 0, Single(at.x() + dx), Single(at.y() + dy));
            });
            break;
        case 4:
            fuzz::Event(game, [&] {
                game.picPuzzle_MouseUp(kLeftButton, 0, Single(at.x()), Single(at.y()));
            });
            break;
        case 5:
            fuzz::Event(game, [&] { game.mnuFileHint_Click(); });
            break;
        case 6:
            fuzz::Event(game, [&] { game.mnuFileSolve_Click(); });
            break;
        case 7:
            fuzz::Event(game, [&] { game.mnuFileScramble_Click(); });
            break;
        case 8:
            f.host.playFieldSize =
                QSize(play.ConsumeIntegralInRange(1, 1600), play.ConsumeIntegralInRange(1, 1200));
            fuzz::Event(game, [&] { game.Form_Resize(); });
            break;
        }
        fuzz::CheckInvariants(game, "a play step");
    }
    return 0;
}
