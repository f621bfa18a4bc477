// Saving and loading through the game object: the commands, the messages, the clock,
// and a current game that no bad file or failed save can damage.
#include "persist/safe_file.h"
#include "persist/state_file.h"
#include "puzzle/invariants.h"
#include "state_file_bytes.h"
#include "support/file_size_limit.h"
#include "support/recording_host.h"
#include "support/window_test_support.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>

namespace tess {
namespace {

using namespace test;

void WritePicture(const QString& path, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    ASSERT_TRUE(image.save(path, "BMP")) << path.toStdString();
}

// A game on a recording host whose window has had its first resize, with a picture.
struct StateFileFixture {
    GameFixture f;
    Game& game = *f.game;
    RecordingHost& host = f.host;
    const Puzzle& p = game.puzzle;
    QString picture = f.ProgramFolder() + "/pictures/harbour.bmp";

    StateFileFixture() {
        QDir(f.ProgramFolder()).mkdir("pictures");
        WritePicture(picture, 160, 120);
        game.Form_Resize();
    }
    QString PathOf(const QString& name) const { return f.ProgramFolder() + "/" + name; }

    // Writes the bytes as a state file (unless null) and loads it as the Load command does.
    void Load(const QString& name, const QByteArray& bytes) {
        if (!bytes.isNull()) {
            ASSERT_EQ(WriteFileSafely(PathOf(name), bytes), "");
        }
        host.calls.clear();
        host.messages.clear();
        game.puzzle.PuzzleStateFileName = PathOf(name);
        game.LoadPuzzleState();
    }
    // Saves as the Save command does, the name answered.
    void Save(const QString& path) {
        host.calls.clear();
        host.messages.clear();
        host.saveAnswers = {path};
        game.mnuFileSavePuzzleState_Click();
    }
    // Everything a failed load or save must leave as it was.
    auto State() const {
        return std::make_tuple(WriteStateFile(p, PathOf("state.psf")).bytes, p.Pieces,
                               p.PictureFileName, p.PictureFileTitle, p.ElapsedSeconds,
                               p.PuzzleLoaded, p.PuzzleSolved, p.OriginalWidth, p.CellWidth,
                               game.surfaces.PieceSurfaces.size(), host.timerEnabled,
                               host.commandsEnabled, ReadAll(game.WholeImageTempPath()));
    }
};

TEST(LoadPuzzleState, RestoresTheGameAndNoBadFileOrFailedSaveChangesIt) {
    StateFileFixture s;
    // A state file chosen in the Open dialog goes down the same path as Load Puzzle State.
    const QByteArray good = MidGameThreeByTwo(s.picture).Bytes();
    ASSERT_EQ(WriteFileSafely(s.PathOf("boat.psf"), good), "");
    s.host.openAnswers.push_back(s.PathOf("boat.psf"));
    s.game.mnuFileOpen_Click();
    EXPECT_EQ(s.host.messages, QStringList());
    EXPECT_EQ(s.game.surfaces.PieceSurfaces.size(), 7u) << "the pieces are cut again";
    EXPECT_EQ(s.host.calls.mid(1), (QStringList{"SetTimerEnabled 0", "SetPuzzleCommandsEnabled 1",
                                                "PresentPlayField", "SetTimerEnabled 1"}));
    const Puzzle& p = s.p;
    EXPECT_EQ(CheckModelInvariants(p), QStringList());
    s.game.tmrPuzzle_Timer();
    EXPECT_EQ(p.ElapsedSeconds, 755) << "the clock goes on from the stored seconds";

    // No bad file, picture or failed save changes the game on the screen, its clock or a file.
    const QImage screen = s.host.lastFrame;
    const QString other = s.PathOf("pictures/other.bmp"), old = s.PathOf("old.psf");
    WritePicture(other, 90, 200);
    ASSERT_EQ(WriteFileSafely(old, FreshTwoByTwo("/elsewhere/old picture.bmp", 99).Bytes()), "");
    const QByteArray oldBytes = ReadAll(old);
    auto load = [&](const QString& name, const QByteArray& bytes) {
        return [&s, name, bytes] { s.Load(name, bytes); };
    };
    const std::pair<QString, std::function<void()>> cases[] = {
        {"cannot be loaded: the file ends inside piece 3 (record 10).",
         load("bad.psf", good.left(At(10) + 20))},
        {"cannot be loaded: it cannot be opened (", load("nowhere.psf", QByteArray())},
        // The picture reads well, but the temporary bitmap cannot be written (see below).
        {"cannot be loaded: the puzzle could not be rebuilt from it (cannot write ",
         load("other.psf", FreshTwoByTwo(other, 5).Bytes())},
        // The file is 3072 bytes, and no file can be made below a plain file.
        {"The puzzle state could not be saved to \"" + old + "\": ",
         [&] { test::WithFileSizeLimit(1024, [&] { s.Save(old); }); }},
    };
    ASSERT_TRUE(QFile::remove(s.game.WholeImageTempPath()) &&
                QDir().mkdir(s.game.WholeImageTempPath()));
    for (const auto& [expected, action] : cases) {
        const auto held = s.State();
        action();
        ASSERT_EQ(s.host.messages.size(), 1) << expected.toStdString();
        const QString& message = s.host.messages.first();
        EXPECT_TRUE(message.contains(expected)) << message.toStdString();
        EXPECT_TRUE(message.endsWith(".\n\nThe current game goes on unchanged.") ||
                    message.endsWith(". No file was changed."))
            << message.toStdString();
        EXPECT_TRUE(s.State() == held) << message.toStdString();
        EXPECT_TRUE(s.host.lastFrame == screen) << "the current game is still shown";
        EXPECT_EQ(s.host.calls.contains("PresentPlayField"), expected.contains("rebuilt"))
            << "only a failed rebuild paints the current game again";
        EXPECT_EQ(ReadAll(old), oldBytes);
    }
    ASSERT_TRUE(QDir().rmdir(s.game.WholeImageTempPath()));

    // A finished game loads as solved with no clock; one in play afterwards clears that again.
    // Loading keeps the picture's title and the drag state, which nothing then trusts.
    s.game.puzzle.PictureFileTitle = "kept.bmp";
    s.game.puzzle.SelectedPiece = s.game.puzzle.DraggedGroup = 900;
    s.game.puzzle.Dragging = kTrue;
    s.Load("done.psf", FinishedTwoByTwo(s.picture).Bytes());
    EXPECT_TRUE(p.PuzzleSolved == kTrue && !s.host.timerEnabled);
    EXPECT_TRUE(p.PictureFileTitle == "kept.bmp" && p.SelectedPiece == 900 &&
                p.DraggedGroup == 900);
    s.game.picPuzzle_MouseMove(kLeftButton, 0, 100, 100);
    s.game.picPuzzle_MouseUp(kLeftButton, 0, 100, 100);
    EXPECT_EQ(p.Dragging, kFalse);
    s.Load("fresh.psf", FreshTwoByTwo(s.picture, 12).Bytes());
    EXPECT_TRUE(p.PuzzleSolved == kFalse && s.host.timerEnabled);
    EXPECT_EQ(s.host.messages, QStringList());
}

// A picture whose path is longer than the file's field is opened, recut and saved beside the
// picture, the path stored from there; elsewhere it cannot be saved. The stored positions belong
// to the play field the game was saved on: loaded into a smaller field they are scaled as a
// resize scales them (not piled at its edges), and into the same field nothing moves.
TEST(SavePuzzleState, KeepsALongPicturePathAndThePlayFieldOfTheSavedGame) {
    StateFileFixture s;
    const QString folder = s.PathOf(QString(130, 'l')), picture = folder + "/harbour.bmp";
    ASSERT_TRUE(QDir().mkpath(folder));
    WritePicture(picture, 2400, 1600);
    s.host.playFieldSize = QSize(1600, 1000);
    s.game.Form_Resize();
    s.game.puzzle.NumberOfPieces = 324;
    s.host.openAnswers.push_back(picture);
    s.game.mnuFileOpen_Click();
    ASSERT_EQ(s.p.PuzzleLoaded, kTrue);

    s.Save(s.PathOf("new.psf"));
    EXPECT_TRUE(s.host.messages.value(0).startsWith(
        "Save Puzzle State|This game cannot be saved: the path of its picture is longer than"));
    s.Save(folder + "/game.psf");
    EXPECT_EQ(ReadAll(folder + "/game.psf").left(12), "harbour.bmp ");
    const auto saved = s.State();

    s.host.playFieldSize = QSize(460, 276);
    s.game.Form_Resize();
    ASSERT_EQ(s.p.PuzzleLoaded, kTrue) << "recut from the whole path";
    const std::vector<PieceRecord> resized = s.p.Pieces;
    s.Load(QString(130, 'l') + "/game.psf", QByteArray());
    ASSERT_EQ(s.host.messages, QStringList());
    Long off = 0;
    for (int i = 1; i <= 324; ++i) {
        off = std::max({off, std::abs(s.p.Pieces[i].X - resized[i].X),
                        std::abs(s.p.Pieces[i].Y - resized[i].Y)});
    }
    EXPECT_LE(off, 2);
    s.host.playFieldSize = QSize(1600, 1000);
    s.game.Form_Resize();
    s.Load(QString(130, 'l') + "/game.psf", QByteArray());
    EXPECT_EQ(s.host.messages, QStringList());
    EXPECT_EQ(PicturePath(s.p), picture);
    EXPECT_TRUE(s.State() == saved);
}

} // namespace
} // namespace tess
