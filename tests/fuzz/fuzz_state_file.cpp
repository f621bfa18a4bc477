// Loading a puzzle state file as the game does (the whole-file check, the picture, the model)
// and then playing it with actions drawn from the input; the model must stay
// consistent after every step, and the game on the screen must write a file that reads back
// as that game. Record 1 is part of the input: the seeds name a picture beside the file,
// "picture.bmp" or "Bild ä.bmp" (in Windows-1252, as the file holds it).
#include "fuzz_support.h"
#include "persist/state_file.h"

#include <random>

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
    fuzz::Require(QDir::cleanPath(s->PicturePath) == QDir::cleanPath(PicturePath(p)) &&
                      test::StateOf(*s) == test::StateOf(p) &&
                      s->GroupSlotCount == p.GroupSlotCount,
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

    // The play is drawn from a random source seeded by the whole input, so that a change
    // anywhere in the file is played differently too.
    std::mt19937 random(qHash(fuzz::Bytes(data, size)));
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution(low, high)(random);
    };
    for (int step = 0; step < 24; ++step) {
        const Puzzle& p = game.puzzle;
        const int n = int(p.Pieces.size()) - 1, piece = pick(1, std::max(n, 1));
        // 0-3 press (0-1 on the piece), 4-7 move (4-6 to where the dragged piece fits the
        // piece), 8-11 release, then Hint, Solve, Scramble and a new field size.
        const int action = pick(0, 15);
        const int held = action <= 1 ? piece : action >= 4 && action <= 6 ? p.SelectedPiece : 0;
        QPointF at(pick(-10, f.host.playFieldSize.width() + 10),
                   pick(-10, f.host.playFieldSize.height() + 10));
        if (piece <= n && held >= 1 && held <= n && (action <= 1 || p.Dragging)) {
            const PieceRecord &s = p.Pieces[held], &o = p.Pieces[piece];
            // The middle of where the held piece fits the piece (a pressed piece: its own).
            at = QPointF(o.X + (s.Col - o.Col) * p.CellWidth + p.TabWidth + p.CellWidth / 2.0,
                         o.Y + (s.Row - o.Row) * p.CellHeight + p.TabHeight + p.CellHeight / 2.0);
        }
        if (action == 15) {
            f.host.playFieldSize = QSize(pick(1, 1600), pick(1, 1200));
        }
        const Single x = Single(at.x() + pick(-8, 8)), y = Single(at.y() + pick(-8, 8));
        const std::function<void()> events[] = {
            [&] { game.picPuzzle_MouseDown(kLeftButton, 0, x, y); },
            [&] { game.picPuzzle_MouseMove(kLeftButton, 0, x, y); },
            [&] { game.picPuzzle_MouseUp(kLeftButton, 0, Single(at.x()), Single(at.y())); },
            [&] { game.mnuFileHint_Click(); },
            [&] { game.mnuFileSolve_Click(); },
            [&] { game.mnuFileScramble_Click(); },
            [&] { game.Form_Resize(); }};
        fuzz::Step(f, "a play step", events[action < 12 ? action / 4 : action - 9], kRefusal);
        if (p.PuzzleLoaded) {
            RequireWrittenAgain(p, "writing the game again");
        }
    }
    return 0;
}
