// Each entry point that reads the picture, run through the game's guard with the picture
// broken underneath: the failure is reported, nothing escapes, and the game on the screen
// either goes on exactly as it was, clock and temporary bitmap included, or is closed cleanly.
#include "display/test_pictures.h"
#include "persist/safe_file.h"
#include "puzzle/invariants.h"

#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>

namespace tess {
namespace {

using namespace test;

// A small JPEG whose frame header declares width x height pixels.
QByteArray JpegDeclaring(const QString& folder, int width, int height) {
    QByteArray bytes = ReadAll(test::WritePatternPicture(folder, "declaring.jpg", 40, 40));
    // The baseline frame marker, then length (2 bytes), precision (1), height and width (2 each).
    const qsizetype frame = bytes.indexOf("\xFF\xC0");
    qToBigEndian<quint16>(quint16(height), bytes.data() + frame + 5);
    qToBigEndian<quint16>(quint16(width), bytes.data() + frame + 7);
    return bytes;
}

TEST(Guard, EveryEntryThatReadsThePictureReportsItsFailureAndKeepsOrClosesTheGame) {
    using Act = std::function<void(GameFixture&)>;
    // Open chooses the picture under another name, which a refusal must not leave in the game.
    const Act open = [](GameFixture& f) {
        QFile::link(PicturePath(f.game->puzzle), f.ProgramFolder() + "/other.bmp");
        f.host.openAnswers = {f.ProgramFolder() + "/other.bmp"};
        f.game->mnuFileOpen_Click();
    };
    const Act load = [](GameFixture& f) {
        f.game->puzzle.PuzzleStateFileName = f.ProgramFolder() + "/saved.psf";
        f.game->LoadPuzzleState();
    };
    const Act count = [](GameFixture& f) { f.game->ApplyNumberOfPieces(1021); };
    const Act display = [](GameFixture& f) {
        QFile::remove(f.game->WholeImageTempPath());
        f.host.playFieldSize = QSize(1600, 1120);
        f.game->DisplayModeChanged();
    };
    const QString opened = "Error:|The puzzle could not be cut: the picture \"<f>/other.bmp\" ";
    const QTemporaryDir scratch;
    const QByteArray whole = ReadAll(test::WritePatternPicture(scratch.path(), "w.bmp", 240, 180)),
                     tiny = ReadAll(test::WritePatternPicture(scratch.path(), "t.bmp", 40, 32)),
                     huge = JpegDeclaring(scratch.path(), 30000, 30000), garbage = "not a picture",
                     justTooBig = JpegDeclaring(scratch.path(), 16384, 8193); // 512 MB + 64 KB
    // Written over the picture file, the entry, whether the game is kept, and the start of the
    // message (<p> stands for the picture's path, <f> the folder).
    const std::tuple<QByteArray, Act, bool, QString> cases[] = {
        {garbage, open, true, opened + "cannot be read ("},
        {huge, open, true,
         opened + "is too large (30000 x 30000 pixels)\n\nThe game on the screen goes on."},
        {tiny, open, true, "Error:|Image must be at least 33 x 32 pixels"}, // the clock restarted
        {JpegDeclaring(scratch.path(), 32767, 40), open, true, // the widest side is read
         "Error:|The puzzle could not be cut: 64 pieces (8 x 8) do not fit"},
        {whole, count, true,
         "Error:|The puzzle could not be cut: 1021 pieces (1021 x 1) do not fit"},
        {justTooBig, load, true,
         "Load Puzzle State|The puzzle state file \"<f>/saved.psf\" cannot be loaded: its "
         "picture \"<p>\" is too large (16384 x 8193 pixels)."},
        {whole, display, false, "Error:|The puzzle could not be cut: cannot read"},
    };
    for (const auto& [bytes, act, kept, message] : cases) {
        GameFixture f;
        Game& game = *f.game;
        test::OpenPatternPicture(f, 64, 240, 180, "p.bmp");
        game.mnuFileScramble_Click();
        game.tmrPuzzle_Timer();
        const QString picture = PicturePath(game.puzzle), saved = f.ProgramFolder() + "/saved.psf";
        ASSERT_EQ(WriteFileSafely(saved, WriteStateFile(game.puzzle, saved).bytes), "");
        ASSERT_EQ(WriteFileSafely(picture, bytes), "");
        const Puzzle before = game.puzzle;
        const QByteArray bitmap = ReadAll(game.WholeImageTempPath());
        f.host.messages.clear();

        game.Guard([&f, &act = act] { act(f); });

        const QString expected =
            QString(message).replace("<f>", f.ProgramFolder()).replace("<p>", picture);
        EXPECT_TRUE(f.host.messages.size() == 1 && f.host.messages[0].startsWith(expected))
            << f.host.messages.join('\n').toStdString();
        EXPECT_EQ(CheckModelInvariants(game.puzzle), QStringList());
        EXPECT_EQ(game.surfaces.PieceSurfaces.size(), game.puzzle.Pieces.size());
        // The clock and the commands go on with the game.
        EXPECT_TRUE(game.puzzle.PuzzleLoaded == ToFlag(kept) && f.host.timerEnabled == kept &&
                    f.host.commandsEnabled == kept);
        if (kept) { // not scrambled, the clock going on
            EXPECT_TRUE(test::StateOf(game.puzzle) == test::StateOf(before) &&
                        game.puzzle.PictureFileName == before.PictureFileName &&
                        PicturePath(game.puzzle) == picture &&
                        f.store->Read("Number of Pieces", "64") == "64" &&
                        !game.surfaces.PieceSurfaces.at(64).IsNull() &&
                        ReadAll(game.WholeImageTempPath()) == bitmap)
                << expected.toStdString();
        }
    }
}

} // namespace
} // namespace tess
