// Saving and loading through the game object: the commands, the messages, the clock,
// and a current game that no bad file or failed save can damage.
#include "persist/state_file.h"
#include "puzzle/invariants.h"
#include "state_file_bytes.h"
#include "support/file_size_limit.h"
#include "support/recording_host.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <tuple>
#include <unistd.h>

namespace tess {
namespace {

using namespace test;

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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
            WriteFile(PathOf(name), bytes);
        }
        host.calls.clear();
        host.messages.clear();
        game.puzzle.PuzzleStateFileName = PathOf(name);
        game.LoadPuzzleState();
    }
    // Everything a failed load or save must leave as it was.
    auto State() const {
        const Puzzle& p = game.puzzle;
        return std::make_tuple(WriteStateFile(p, PathOf("state.psf")).bytes, p.NumberOfPieces,
                               p.Pieces, p.PictureFileName, p.PictureFileTitle, p.ElapsedSeconds,
                               p.PuzzleLoaded, p.PuzzleSolved, p.OriginalWidth, p.CellWidth,
                               p.CellHeight, game.surfaces.PieceSurfaces.size(), host.timerEnabled,
                               host.commandsEnabled, ReadFile(game.WholeImageTempPath()));
    }
};

TEST(LoadPuzzleState, RestoresTheGameInOrderAndRestartsTheClock) {
    StateFileFixture s;
    // A state file chosen in the Open dialog goes down the same path as Load Puzzle State.
    WriteFile(s.PathOf("boat.psf"), MidGameThreeByTwo(s.picture).Bytes());
    s.host.openAnswers.push_back(s.PathOf("boat.psf"));
    s.game.mnuFileOpen_Click();
    EXPECT_TRUE(s.host.messages.isEmpty()) << s.host.messages.join("\n").toStdString();
    const Puzzle& p = s.game.puzzle;
    EXPECT_EQ(s.game.surfaces.PieceSurfaces.size(), 7u) << "the pieces are cut again";
    EXPECT_EQ(s.game.settings.InitDir, s.PathOf("pictures/")) << "the picture's folder";
    const QStringList& calls = s.host.calls;
    const qsizetype stop = calls.indexOf("SetTimerEnabled 0");
    ASSERT_GE(stop, 0);
    EXPECT_GT(calls.indexOf("SetPuzzleCommandsEnabled 1"), stop);
    EXPECT_GT(calls.lastIndexOf("SetTimerEnabled 1"), calls.indexOf("SetPuzzleCommandsEnabled 1"));
    EXPECT_TRUE(s.host.timerEnabled);
    s.game.tmrPuzzle_Timer();
    EXPECT_EQ(p.ElapsedSeconds, 755) << "the clock goes on from the stored seconds";
    s.host.saveAnswers.push_back(QString());
    s.game.mnuFileSavePuzzleState_Click();
    EXPECT_EQ(QDir(s.f.ProgramFolder()).entryList({"*.psf"}), QStringList{"boat.psf"})
        << "a cancelled save writes nothing";

    // A finished game loads as solved with no clock; one in play afterwards clears that again.
    // Loading keeps the picture's title and the drag state, which nothing then trusts.
    s.game.puzzle.PictureFileTitle = "kept.bmp";
    s.game.puzzle.SelectedPiece = s.game.puzzle.DraggedGroup = 900;
    s.game.puzzle.Dragging = kTrue;
    s.Load("done.psf", FinishedTwoByTwo(s.picture).Bytes());
    EXPECT_EQ(p.PuzzleSolved, kTrue);
    EXPECT_FALSE(s.host.timerEnabled);
    EXPECT_TRUE(p.PictureFileTitle == "kept.bmp" && p.SelectedPiece == 900 &&
                p.DraggedGroup == 900);
    s.game.picPuzzle_MouseMove(kLeftButton, 0, 100, 100);
    s.game.picPuzzle_MouseUp(kLeftButton, 0, 100, 100);
    EXPECT_EQ(p.Dragging, kFalse);
    s.Load("fresh.psf", FreshTwoByTwo(s.picture, 12).Bytes());
    EXPECT_EQ(p.PuzzleSolved, kFalse);
    EXPECT_TRUE(s.host.timerEnabled);
    EXPECT_TRUE(s.host.messages.isEmpty());
}

TEST(LoadPuzzleState, FitsTheSavedPositionsIntoASmallerPlayField) {
    StateFileFixture s;
    s.host.playFieldSize = QSize(400, 300);
    s.game.Form_Resize();
    HandGame hand = MidGameThreeByTwo(s.picture);
    hand.Pieces[4].Y = 520; // alone, saved below this field's bottom
    s.Load("boat.psf", hand.Bytes());
    ASSERT_TRUE(s.host.messages.isEmpty()) << s.host.messages.join("\n").toStdString();

    // Piece 4 is pulled up into the field, group {5, 6} (saved at 500 and 580) laid out
    // again inside it, {1, 2} still one cell apart, and the placed piece lies on its home in
    // this field, which differs from the saved one.
    const Puzzle& p = s.game.puzzle;
    EXPECT_EQ(p.Pieces[4].Y, 300 - p.CellHeight);
    EXPECT_LE(p.Pieces[6].X, 400 - p.CellWidth);
    EXPECT_EQ(p.Pieces[5].X, p.Pieces[6].X - p.CellWidth);
    EXPECT_EQ(p.Pieces[2].X, p.Pieces[1].X + p.CellWidth);
    EXPECT_EQ(p.Pieces[3].X, p.Pieces[3].HomeX);
    EXPECT_NE(p.Pieces[3].HomeX, 335);
    EXPECT_TRUE(CheckModelInvariants(p).isEmpty())
        << CheckModelInvariants(p).join("\n").toStdString();
}

// The stored positions belong to the play field the game was saved on: loaded into a smaller
// field they are scaled as a resize scales them (not piled at its edges), and loaded into a
// field of the same size nothing moves.
TEST(LoadPuzzleState, ScalesTheGameFromThePlayFieldItWasSavedOn) {
    StateFileFixture s;
    s.host.playFieldSize = QSize(1600, 1000);
    s.game.Form_Resize();
    const QString picture = s.PathOf("pictures/big.bmp");
    WritePicture(picture, 2400, 1600);
    s.game.puzzle.NumberOfPieces = 324;
    SetPictureFileName(s.game.puzzle, picture);
    s.game.SetWholeImage();
    s.game.mnuFileScramble_Click();
    const QByteArray saved = WriteStateFile(s.game.puzzle, s.PathOf("big.psf")).bytes;
    const std::vector<PieceRecord> atSaving = s.game.puzzle.Pieces;
    s.host.playFieldSize = QSize(460, 276);
    s.game.Form_Resize();
    const std::vector<PieceRecord> resized = s.game.puzzle.Pieces;

    for (const auto& [field, expected, within] :
         {std::tuple{QSize(1600, 1000), atSaving, 0}, {QSize(460, 276), resized, 2}}) {
        s.host.playFieldSize = field;
        s.game.Form_Resize();
        s.Load("big.psf", saved);
        ASSERT_TRUE(s.host.messages.isEmpty()) << s.host.messages.join("\n").toStdString();
        Long off = 0;
        for (int i = 1; i <= 324; ++i) {
            const PieceRecord& piece = s.game.puzzle.Pieces[i];
            off = std::max(
                {off, std::abs(piece.X - expected[i].X), std::abs(piece.Y - expected[i].Y)});
        }
        EXPECT_LE(off, within) << field.width();
    }
}

TEST(LoadPuzzleState, ABadFileOrPictureLeavesTheCurrentGameAndItsClockAsTheyWere) {
    StateFileFixture s;
    const auto none = s.State();
    s.Load("bad.psf", "not a puzzle");
    EXPECT_EQ(
        s.host.messages,
        QStringList{"Load Puzzle State|The puzzle state file \"" + s.PathOf("bad.psf") +
                    "\" cannot be loaded: the file ends inside the picture path (record 1)."});
    EXPECT_TRUE(s.State() == none) << "no game loaded, none loaded after";

    const QByteArray good = MidGameThreeByTwo(s.picture).Bytes();
    s.Load("boat.psf", good);
    s.game.tmrPuzzle_Timer();
    const auto before = s.State();
    const QString gone = s.PathOf("pictures/gone.bmp");
    const QString tiny = s.PathOf("pictures/tiny.bmp");
    WritePicture(tiny, 40, 32);
    struct Case {
        QString file;
        QByteArray bytes; // null: the file is not written
        QString expected;
    };
    for (const Case& c : {
             Case{"bad.psf", good.left(At(10) + 20), "the file ends inside piece 3 (record 10)"},
             Case{"bad.psf", MidGameThreeByTwo(gone).Bytes(),
                  "its picture \"" + gone + "\" cannot be read ("},
             Case{"bad.psf", MidGameThreeByTwo(tiny).Bytes(),
                  "its picture \"" + tiny + "\" is smaller than 33 x 33 pixels"},
             Case{"nowhere.psf", QByteArray(), "it cannot be opened ("},
         }) {
        s.Load(c.file, c.bytes);
        ASSERT_EQ(s.host.messages.size(), 1) << c.expected.toStdString();
        const QString& message = s.host.messages.first();
        EXPECT_TRUE(
            message.contains("\"" + s.PathOf(c.file) + "\" cannot be loaded: " + c.expected))
            << message.toStdString();
        EXPECT_TRUE(message.endsWith(".\n\nThe current game goes on unchanged."))
            << message.toStdString();
        EXPECT_EQ(s.host.calls, QStringList{"ShowMessage"}) << "the clock is never stopped";
        EXPECT_TRUE(s.State() == before) << message.toStdString();
    }
}

// Makes a folder or a file unwritable while it lives: by the immutable attribute, which
// stops root too, where the file system has it, or else by its permissions.
struct Unwritable {
    explicit Unwritable(const QString& where)
        : path(where), fd(open(where.toLocal8Bit().constData(), O_RDONLY)),
          immutable(SetImmutable(true)) {
        if (!immutable) {
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
    }
    ~Unwritable() {
        if (!immutable || !SetImmutable(false)) {
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ExeOwner);
        }
        close(fd);
    }
    bool SetImmutable(bool on) const {
        int flags = 0;
        if (fd < 0 || ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0) {
            return false;
        }
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        return ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    bool active() const { return immutable || geteuid() != 0; }
    QString path;
    int fd;
    bool immutable;
};

// Every save that cannot be made says so and leaves the files, the game and its clock as
// they were: a write that fails part way onto an older file, a group too large for its
// record (refused before a name is asked for), and a read-only folder.
TEST(SavePuzzleState, ASaveThatFailsChangesNoFile) {
    StateFileFixture s;
    s.Load("boat.psf", MidGameThreeByTwo(s.picture).Bytes());
    const QString target = s.PathOf("out/old.psf");
    const QByteArray old = FreshTwoByTwo("/elsewhere/old picture.bmp", 99).Bytes();
    QDir(s.f.ProgramFolder()).mkdir("out");
    WriteFile(target, old);
    auto saveAndCheck = [&](const QString& path, const QString& expected) {
        const auto before = s.State();
        s.host.calls.clear();
        s.host.messages.clear();
        s.host.saveAnswers = {path};
        s.game.mnuFileSavePuzzleState_Click();
        ASSERT_EQ(s.host.messages.size(), 1);
        EXPECT_TRUE(s.host.messages.first().startsWith("Save Puzzle State|" + expected))
            << s.host.messages.first().toStdString();
        EXPECT_EQ(ReadFile(target), old);
        EXPECT_EQ(QDir(s.PathOf("out")).entryList(QDir::Files | QDir::Hidden),
                  QStringList{"old.psf"})
            << "no temporary file is left behind";
        EXPECT_TRUE(s.State() == before);
    };
    const QString failed = "The puzzle state could not be saved to \"";

    // The file to be written is 3072 bytes.
    test::WithFileSizeLimit(1024, [&] { saveAndCheck(target, failed + target + "\": "); });
    EXPECT_TRUE(s.host.messages.value(0).endsWith(". No file was changed."));

    // A picture path too long for the file, also from the folder of the file.
    SetPictureFileName(s.game.puzzle, s.PathOf(QString(130, 'l') + "/harbour.bmp"));
    saveAndCheck(s.PathOf("out/new.psf"),
                 "This game cannot be saved: the path of its picture is longer than the 128 ");

    s.Load("boat.psf", MidGameThreeByTwo(s.picture).Bytes());
    const Unwritable folder(s.PathOf("out"));
    if (!folder.active()) {
        GTEST_SKIP() << "cannot make a folder unwritable here";
    }
    saveAndCheck(target, failed + target + "\": ");
    saveAndCheck(s.PathOf("out/new.psf"), failed + s.PathOf("out/new.psf") + "\": ");
}

// The whole path opens and recuts the picture and names its folder and title; a state file
// beside the picture stores the path from its own folder.
TEST(SavePuzzleState, APictureWithAPathLongerThanTheFieldIsPlayedAndSaved) {
    StateFileFixture s;
    const QString folder = s.PathOf(QString(130, 'l'));
    ASSERT_TRUE(QDir().mkpath(folder));
    WritePicture(folder + "/harbour.bmp", 160, 120);
    s.host.openAnswers.push_back(folder + "/harbour.bmp");
    s.game.mnuFileOpen_Click();
    const Puzzle& p = s.game.puzzle;
    ASSERT_EQ(p.PuzzleLoaded, kTrue);
    EXPECT_EQ(p.PictureFileTitle, "harbour.bmp");
    EXPECT_EQ(s.game.settings.InitDir, folder + "/");
    s.host.playFieldSize = QSize(500, 400);
    s.game.Form_Resize();
    EXPECT_EQ(p.PuzzleLoaded, kTrue) << "recut from the whole path";

    s.host.saveAnswers = {folder + "/game.psf"};
    s.game.mnuFileSavePuzzleState_Click();
    EXPECT_EQ(ReadFile(folder + "/game.psf").left(12), "harbour.bmp ");
    const auto saved = s.State();
    s.Load(QString(130, 'l') + "/game.psf", QByteArray());
    EXPECT_TRUE(s.host.messages.isEmpty()) << s.host.messages.join("\n").toStdString();
    EXPECT_EQ(PicturePath(p), folder + "/harbour.bmp");
    EXPECT_TRUE(s.State() == saved);
}

TEST(LoadPuzzleState, AFailedRebuildPutsTheCurrentGameBack) {
    StateFileFixture s;
    s.Load("boat.psf", MidGameThreeByTwo(s.picture).Bytes());
    ASSERT_TRUE(QFile::exists(s.game.WholeImageTempPath()));
    const auto before = s.State();
    const QImage screen = s.host.lastFrame;
    const QString other = s.PathOf("pictures/other.bmp");
    WritePicture(other, 90, 200);

    // The picture reads well, but the temporary bitmap cannot be written.
    const Unwritable bitmap(s.game.WholeImageTempPath());
    if (!bitmap.active()) {
        GTEST_SKIP() << "cannot make a file unwritable here";
    }
    s.Load("other.psf", FreshTwoByTwo(other, 5).Bytes());
    ASSERT_EQ(s.host.messages.size(), 1);
    EXPECT_TRUE(s.host.messages.first().contains(
        "cannot be loaded: the puzzle could not be rebuilt from it (cannot write "))
        << s.host.messages.first().toStdString();
    EXPECT_TRUE(s.State() == before);
    EXPECT_EQ(s.host.calls.mid(s.host.calls.size() - 2),
              (QStringList{"SetTimerEnabled 1", "ShowMessage"}))
        << "the clock runs on";
    EXPECT_TRUE(s.host.lastFrame == screen) << "the current game is painted again";
}

} // namespace
} // namespace tess
