// Saving and loading through the game object: the commands, the messages, the clock,
// and a current game that no bad file or failed save can damage.
#include "display/test_pictures.h"
#include "persist/safe_file.h"
#include "state_file_bytes.h"
#include "support/file_size_limit.h"

#include <QDir>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace tess {
namespace {

using namespace test;

TEST(LoadPuzzleState, RestoresTheGameAndNoBadFileOrFailedSaveChangesIt) {
    GameFixture f;
    Game& game = *f.game;
    RecordingHost& host = f.host;
    const Puzzle& p = game.puzzle;
    const QString folder = f.ProgramFolder() + "/";
    const QString picture = WritePatternPicture(folder, "harbour.bmp", 160, 120);
    game.Form_Resize();
    // Writes the bytes as a state file (unless null) and loads it as the Load command does.
    auto load = [&](const QString& name, const QByteArray& bytes) {
        if (!bytes.isNull()) {
            ASSERT_EQ(WriteFileSafely(folder + name, bytes), "");
        }
        host.calls.clear();
        host.messages.clear();
        game.puzzle.PuzzleStateFileName = folder + name;
        game.LoadPuzzleState();
    };
    // Saves as the Save command does, the name answered.
    auto save = [&](const QString& path) {
        host.messages.clear();
        host.saveAnswers = {path};
        game.mnuFileSavePuzzleState_Click();
    };
    // Everything a failed load or save must leave as it was.
    auto state = [&] {
        return std::make_tuple(WriteStateFile(p, folder + "state.psf").bytes, p.Pieces,
                               p.PictureFileName, p.PictureFileTitle, p.ElapsedSeconds,
                               p.PuzzleLoaded, p.PuzzleSolved, p.OriginalWidth, p.CellWidth,
                               game.surfaces.PieceSurfaces.size(), host.timerEnabled,
                               host.commandsEnabled, ReadAll(game.WholeImageTempPath()));
    };

    // The pieces cut again from the picture, the clock stopped while the game is replaced.
    const QByteArray good = MidGameThreeByTwo(picture).Bytes();
    load("boat.psf", good);
    EXPECT_EQ(QSize(p.OriginalWidth, p.OriginalHeight), QSize(160, 120)) << "from its picture";
    EXPECT_EQ(host.calls, (QStringList{"SetTimerEnabled 0", "SetPuzzleCommandsEnabled 1",
                                       "PresentPlayField", "SetTimerEnabled 1"}));
    game.tmrPuzzle_Timer();
    EXPECT_EQ(p.ElapsedSeconds, 755) << "the clock goes on from the stored seconds";

    // No bad file, picture or failed save changes the game on the screen, its clock or a file.
    const QImage screen = host.lastFrame;
    const QString other = WritePatternPicture(folder, "other.bmp", 90, 200),
                  old = folder + "old.psf";
    const QByteArray oldBytes = FreshTwoByTwo("/elsewhere/old picture.bmp", 99).Bytes();
    ASSERT_EQ(WriteFileSafely(old, oldBytes), "");
    const std::pair<QString, std::function<void()>> cases[] = {
        {"cannot be loaded: the file ends inside piece 3 (record 10).",
         [&] { load("bad.psf", good.left(At(10) + 20)); }},
        // The picture reads well, but the temporary bitmap cannot be written (see below).
        {"cannot be loaded: the puzzle could not be rebuilt from it (cannot write ",
         [&] { load("other.psf", FreshTwoByTwo(other, 5).Bytes()); }},
        // The file is 3072 bytes, and no file can be made below a plain file.
        {"The puzzle state could not be saved to \"" + old + "\": ",
         [&] { test::WithFileSizeLimit(1024, [&] { save(old); }); }},
    };
    ASSERT_TRUE(QFile::remove(game.WholeImageTempPath()) &&
                QDir().mkdir(game.WholeImageTempPath()));
    for (const auto& [expected, action] : cases) {
        const auto held = state();
        host.calls.clear();
        action();
        ASSERT_EQ(host.messages.size(), 1) << expected.toStdString();
        const QString& message = host.messages.first();
        // Only a failed rebuild paints the current game again.
        EXPECT_TRUE(message.contains(expected) && state() == held && host.lastFrame == screen &&
                    (message.endsWith(".\n\nThe current game goes on unchanged.") ||
                     message.endsWith(". No file was changed.")) &&
                    ReadAll(old) == oldBytes &&
                    host.calls.contains("PresentPlayField") == expected.contains("rebuilt"))
            << message.toStdString();
    }
    ASSERT_TRUE(QDir().rmdir(game.WholeImageTempPath()));

    // A finished game loads as solved with no clock; one in play afterwards clears that again.
    load("done.psf", FinishedTwoByTwo(picture).Bytes());
    EXPECT_TRUE(p.PuzzleSolved == kTrue && !host.timerEnabled);
    load("fresh.psf", FreshTwoByTwo(picture, 12).Bytes());
    EXPECT_TRUE(p.PuzzleSolved == kFalse && host.timerEnabled);

    // A picture whose path is longer than the file's field is opened, recut and saved beside
    // the picture, the path stored from there; elsewhere it cannot be saved. The stored
    // positions belong to the play field the game was saved on: loaded into a smaller field
    // they are scaled as a resize scales them (not piled at its edges), into the same one
    // nothing moves.
    const QString deep = QString(130, 'l'), far = folder + deep + "/harbour.bmp";
    ASSERT_TRUE(QDir(folder).mkdir(deep));
    WritePatternPicture(folder + deep, "harbour.bmp", 2400, 1600);
    host.playFieldSize = QSize(1600, 1000);
    game.Form_Resize();
    game.puzzle.NumberOfPieces = 324;
    host.openAnswers.push_back(far);
    game.mnuFileOpen_Click();
    ASSERT_EQ(p.PuzzleLoaded, kTrue);
    save(folder + "new.psf");
    EXPECT_TRUE(host.messages.value(0).startsWith(
        "Save Puzzle State|This game cannot be saved: the path of its picture is longer than"));
    save(folder + deep + "/game.psf");
    EXPECT_EQ(ReadAll(folder + deep + "/game.psf").left(12), "harbour.bmp ");
    const auto saved = state();
    const std::vector<PieceRecord> large = p.Pieces;

    host.playFieldSize = QSize(460, 276);
    game.Form_Resize();
    ASSERT_EQ(p.PuzzleLoaded, kTrue) << "recut from the whole path";
    load(deep + "/game.psf", QByteArray());
    ASSERT_EQ(host.messages, QStringList());
    // 460 / 1600 and 276 / 1000 of where they lay, from 1 to the field less a cell; the saved
    // field is worked out from the file, to within a pixel or two.
    for (int i = 1; i <= 324; ++i) {
        const Long x = large[i].X * 460 / 1600, y = large[i].Y * 276 / 1000;
        EXPECT_NEAR(p.Pieces[i].X, std::clamp<Long>(x, 1, 460 - p.CellWidth), 2) << i;
        EXPECT_NEAR(p.Pieces[i].Y, std::clamp<Long>(y, 1, 276 - p.CellHeight), 2) << i;
    }
    host.playFieldSize = QSize(1600, 1000);
    game.Form_Resize();
    load(deep + "/game.psf", QByteArray());
    EXPECT_TRUE(PicturePath(p) == far && state() == saved);
}

} // namespace
} // namespace tess
