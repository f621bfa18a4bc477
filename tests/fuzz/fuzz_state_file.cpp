// Loading a puzzle state file as the game does (the whole-file check, the picture, the model)
// and then playing it with the actions the input's last bytes choose; the model must stay
// consistent after every step, and the game on the screen must write a file that reads back
// as that game. Record 1 is part of the input: the seeds name a picture beside the file,
// "picture.bmp" or "Bild ä.bmp" (in Windows-1252, as the file holds it).
#include "fuzz_support.h"
#include "persist/state_file.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

// The refusals of a file: loading checks the file and its picture; the game cut from them is
// rebuilt without fail. A finished game with a time asks for the player's name.
constexpr const char* kRefusal =
    "Load Puzzle State\\|.*cannot be loaded: (?!the puzzle could not be "
    "rebuilt)|You have achieved a new best time";

void RequireWrittenAgain(const tess::Puzzle& p, const char* step) {
    using namespace tess;
    const QString path = fuzz::Folder() + QStringLiteral("/again.psf");
    const StateFileWriteResult written = WriteStateFile(p, path);
    std::optional<SavedGame> s = ReadStateFile(written.bytes).game;
    fuzz::Require(written.error.isEmpty() && s, step, written.error.toUtf8());
    ResolvePicturePath(*s, path);
    fuzz::Require(
        QDir::cleanPath(s->PicturePath) == QDir::cleanPath(PicturePath(p)) &&
            s->Pieces == p.Pieces && s->Groups == p.Groups && s->PlacedPieces == p.PlacedPieces &&
            s->GroupSlotCount == p.GroupSlotCount &&
            std::equal(s->GroupOrder.begin(), s->GroupOrder.begin() + s->GroupOrderCount + 1,
                       p.GroupOrder.begin(), p.GroupOrder.begin() + p.GroupOrderCount + 1) &&
            s->ElapsedSeconds == p.ElapsedSeconds,
        step, "the game written again reads back otherwise");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tess;
    [[maybe_unused]] static const QString pictures[] = {
        fuzz::SmallPicture(), test::WritePatternPicture(fuzz::Folder(), "Bild \u00e4.bmp", 96, 72)};
    fuzz::FuzzGame f;
    Game& game = f.game;
    game.InitDirectDraw();
    game.puzzle.PuzzleStateFileName = fuzz::WriteInput("fuzz.psf", fuzz::Bytes(data, size));
    fuzz::Step(
        f, "loading", [&] { game.LoadPuzzleState(); }, kRefusal);
    const std::optional<SavedGame> read = ReadStateFile(fuzz::Bytes(data, size)).game;
    if (const Puzzle& p = game.puzzle; p.PuzzleLoaded) {
        // Loading moves pieces to this play field, and nothing else.
        fuzz::Require(read && read->Groups == p.Groups && read->PlacedPieces == p.PlacedPieces &&
                          read->ElapsedSeconds == p.ElapsedSeconds,
                      "loading", "the game loaded is not the file's");
        RequireWrittenAgain(p, "writing the loaded game again");
    }

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
        // 0-1 press, 2-3 move
        fuzz::Step(f, "a play step", events[action < 4 ? action / 2 : action - 2], kRefusal);
        if (p.PuzzleLoaded) {
            RequireWrittenAgain(p, "writing the game again");
        }
    }
    return 0;
}
