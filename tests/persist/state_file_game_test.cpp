// Saving and loading through the game object: the commands, the messages, the clock,
// and a current game that no bad file or failed save can damage.
#include "persist/state_file.h"
#include "puzzle/invariants.h"
#include "state_file_cases.h"
#include "state_file_models.h"
#include "support/recording_host.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
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
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x * 2 % 256, y * 3 % 256, (x + y) % 256));
        }
    }
    ASSERT_TRUE(image.save(path, "BMP")) << path.toStdString();
}

// Everything a failed load or save must leave as it was.
struct GameState {
    QString PictureFileName;
    QString PictureFileTitle;
    Integer NumberOfPieces, PuzzleColumns, PuzzleRows, PlacedCount, GroupSlotCount, GroupOrderCount;
    std::vector<PieceRecord> Pieces;
    std::vector<GroupRecord> Groups;
    std::vector<Integer> PlacedPieces, GroupOrder;
    Long ElapsedSeconds;
    Flag PuzzleLoaded, PuzzleSolved;
    Integer OriginalWidth, OriginalHeight, CellWidth, CellHeight;
    size_t PieceSurfaces;
    bool TimerOn, CommandsOn;
    QByteArray TemporaryBitmap;
    bool operator==(const GameState&) const = default;
};

// A game on a recording host whose window has had its first resize, with a picture.
struct StateFileFixture {
    GameFixture f;
    Game& game = *f.game;
    QString picture = f.ProgramFolder() + "/pictures/harbour.bmp";

    StateFileFixture() {
        QDir(f.ProgramFolder()).mkdir("pictures");
        WritePicture(picture, 160, 120);
        game.Form_Resize();
    }
    QString PathOf(const QString& name) const { return f.ProgramFolder() + "/" + name; }

    // Writes the bytes as a state file and loads it as the Load command does.
    void Load(const QString& name, const QByteArray& bytes) {
        WriteFile(PathOf(name), bytes);
        game.puzzle.PuzzleStateFileName = PathOf(name);
        game.LoadPuzzleState();
    }
    GameState State() const {
        const Puzzle& p = game.puzzle;
        return {p.PictureFileName,
                p.PictureFileTitle,
                p.NumberOfPieces,
                p.PuzzleColumns,
                p.PuzzleRows,
                p.PlacedCount,
                p.GroupSlotCount,
                p.GroupOrderCount,
                p.Pieces,
                p.Groups,
                p.PlacedPieces,
                p.GroupOrder,
                p.ElapsedSeconds,
                p.PuzzleLoaded,
                p.PuzzleSolved,
                p.OriginalWidth,
                p.OriginalHeight,
                p.CellWidth,
                p.CellHeight,
                game.surfaces.PieceSurfaces.size(),
                f.host.timerEnabled,
                f.host.commandsEnabled,
                ReadFile(game.WholeImageTempPath())};
    }
    void ClearRecords() {
        f.host.calls.clear();
        f.host.messages.clear();
    }
};

qsizetype IndexOf(const QStringList& calls, const QString& call) { return calls.indexOf(call); }

TEST(LoadPuzzleState, RestoresTheGameInOrderAndRestartsTheClock) {
    StateFileFixture s;
    s.Load("boat.psf", MidGameThreeByTwo(s.picture).Bytes());

    EXPECT_TRUE(s.f.host.messages.isEmpty()) << s.f.host.messages.join("\n").toStdString();
    const Puzzle& p = s.game.puzzle;
    EXPECT_EQ(p.PuzzleLoaded, kTrue);
    EXPECT_EQ(PicturePath(p), s.picture);
    EXPECT_EQ(p.PictureFileName.size(), 128);
    EXPECT_EQ(p.PictureFileTitle.trimmed(), "harbour.bmp");
    EXPECT_EQ(p.NumberOfPieces, 6);
    EXPECT_EQ(p.PuzzleColumns, 3);
    EXPECT_EQ(p.PuzzleRows, 2);
    EXPECT_EQ(p.PlacedPieces, (std::vector<Integer>{0, 3}));
    EXPECT_EQ(p.Groups[1].Members, (std::vector<Integer>{0, 1, 2}));
    EXPECT_EQ(p.Groups[5].Members, (std::vector<Integer>{0, 5, 6}));
    EXPECT_EQ(p.GroupOrderCount, 3);
    EXPECT_EQ(p.GroupOrder, (std::vector<Integer>{0, 4, 1, 5, 0, 0, 0}));
    EXPECT_EQ(p.ElapsedSeconds, 754) << "the clock goes on from the stored seconds";
    EXPECT_EQ(p.PuzzleSolved, kFalse);
    EXPECT_EQ(s.game.surfaces.PieceSurfaces.size(), 7u);
    EXPECT_TRUE(s.f.host.commandsEnabled);
    EXPECT_TRUE(s.f.host.timerEnabled);

    const QStringList& calls = s.f.host.calls;
    const qsizetype stop = IndexOf(calls, "SetTimerEnabled 0");
    const qsizetype enable = IndexOf(calls, "SetPuzzleCommandsEnabled 1");
    ASSERT_GE(stop, 0);
    EXPECT_GT(enable, stop);
    EXPECT_EQ(calls.last(), "SetTimerEnabled 1");

    s.game.tmrPuzzle_Timer();
    EXPECT_EQ(p.ElapsedSeconds, 755);

    // A finished game loads as solved; loading one in play afterwards clears that again.
    s.Load("done.psf", FinishedTwoByTwo(s.picture).Bytes());
    EXPECT_EQ(p.PuzzleSolved, kTrue);
    EXPECT_EQ(p.PlacedCount, 4);
    EXPECT_FALSE(s.f.host.timerEnabled) << "a finished game has no clock running";
    s.Load("fresh.psf", FreshTwoByTwo(s.picture, 12).Bytes());
    EXPECT_EQ(p.PuzzleSolved, kFalse);
    EXPECT_EQ(p.ElapsedSeconds, 12);
    EXPECT_EQ(p.NumberOfPieces, 4);
    EXPECT_TRUE(s.f.host.timerEnabled);
    EXPECT_EQ(s.game.surfaces.PieceSurfaces.size(), 5u);
    EXPECT_TRUE(s.f.host.messages.isEmpty());
}

TEST(LoadPuzzleState, ABadFileOrPictureLeavesTheCurrentGameAndItsClockAsTheyWere) {
    StateFileFixture s;
    s.Load("boat.psf", MidGameThreeByTwo(s.picture).Bytes());
    ASSERT_TRUE(s.f.host.messages.isEmpty());
    ASSERT_TRUE(s.f.host.timerEnabled);
    s.game.tmrPuzzle_Timer();
    const GameState before = s.State();

    std::vector<BrokenFile> cases = BrokenFiles(s.picture);
    auto withPicture = [&](const QString& picture) { return MidGameThreeByTwo(picture).Bytes(); };
    const QString garbage = s.PathOf("pictures/garbage.bmp");
    WriteFile(garbage, QByteArray("BM this is not a bitmap at all"));
    const QString tiny = s.PathOf("pictures/tiny.bmp");
    WritePicture(tiny, 40, 32);
    cases.push_back({"missing picture", withPicture(s.PathOf("pictures/gone.bmp")),
                     "its picture \"" + s.PathOf("pictures/gone.bmp") + "\" cannot be read ("});
    cases.push_back({"unreadable picture", withPicture(garbage),
                     "its picture \"" + garbage + "\" cannot be read ("});
    cases.push_back({"picture too small", withPicture(tiny),
                     "its picture \"" + tiny + "\" is smaller than 33 x 33 pixels"});

    for (const BrokenFile& c : cases) {
        s.ClearRecords();
        s.Load("broken.psf", c.bytes);
        const QString prefix = "Load Puzzle State|The puzzle state file \"" +
                               s.PathOf("broken.psf") + "\" cannot be loaded: ";
        ASSERT_EQ(s.f.host.messages.size(), 1) << c.name.toStdString();
        const QString& message = s.f.host.messages.first();
        EXPECT_TRUE(message.startsWith(prefix)) << message.toStdString();
        EXPECT_TRUE(message.contains(c.expected)) << message.toStdString();
        EXPECT_TRUE(message.endsWith(".\n\nThe current game goes on unchanged."))
            << message.toStdString();
        EXPECT_EQ(s.f.host.calls, QStringList{"ShowMessage"})
            << c.name.toStdString() << ": the clock is never stopped";
        EXPECT_TRUE(s.State() == before) << c.name.toStdString();
    }

    // Files that cannot be read at all.
    for (const QString& name : {QString("nowhere.psf"), QString("pictures")}) {
        s.ClearRecords();
        s.game.puzzle.PuzzleStateFileName = s.PathOf(name);
        s.game.LoadPuzzleState();
        ASSERT_EQ(s.f.host.messages.size(), 1);
        EXPECT_TRUE(s.f.host.messages.first().contains("\"" + s.PathOf(name) +
                                                       "\" cannot be loaded: it cannot be "))
            << s.f.host.messages.first().toStdString();
        EXPECT_TRUE(s.State() == before) << name.toStdString();
    }
}

TEST(LoadPuzzleState, ABadFileWithNoGameLoadedLeavesNoGame) {
    StateFileFixture s;
    const GameState before = s.State();
    s.Load("broken.psf", QByteArray("not a puzzle"));
    ASSERT_EQ(s.f.host.messages.size(), 1);
    EXPECT_EQ(s.f.host.messages.first(),
              "Load Puzzle State|The puzzle state file \"" + s.PathOf("broken.psf") +
                  "\" cannot be loaded: the file ends inside the picture path (record 1).");
    EXPECT_TRUE(s.State() == before);
    EXPECT_FALSE(s.game.puzzle.PuzzleLoaded);
}

TEST(SavePuzzleState, SavesTheGameSoThatItLoadsBackTheSame) {
    StateFileFixture s;
    s.Load("boat.psf", MidGameThreeByTwo(s.picture).Bytes());
    s.ClearRecords();
    s.f.host.saveAnswers.push_back(s.PathOf("saved.psf"));
    s.game.mnuFileSavePuzzleState_Click();
    EXPECT_EQ(s.f.host.calls, QStringList{"AskSaveFileName Puzzle State Files|*.psf"});
    const QByteArray saved = ReadFile(s.PathOf("saved.psf"));
    EXPECT_EQ(saved, WriteStateFile(s.game.puzzle).bytes);
    const GameState before = s.State();

    s.game.mnuFileClose_Click();
    s.ClearRecords();
    s.f.host.openAnswers.push_back(s.PathOf("saved.psf"));
    s.game.mnuFileLoadPuzzleState_Click();
    EXPECT_EQ(s.f.host.calls.first(), "AskOpenFileName Puzzle State Files|*.psf in []");
    EXPECT_TRUE(s.f.host.messages.isEmpty());
    EXPECT_TRUE(s.State() == before);

    s.f.host.saveAnswers.push_back(s.PathOf("again.psf"));
    s.game.mnuFileSavePuzzleState_Click();
    EXPECT_EQ(ReadFile(s.PathOf("again.psf")), saved);
}

TEST(SavePuzzleState, CancelledDialogsWriteAndReadNothing) {
    StateFileFixture s;
    s.Load("boat.psf", MidGameThreeByTwo(s.picture).Bytes());
    const GameState before = s.State();
    s.ClearRecords();
    s.f.host.saveAnswers.push_back(QString());
    s.game.mnuFileSavePuzzleState_Click();
    s.f.host.openAnswers.push_back(QString());
    s.game.mnuFileLoadPuzzleState_Click();
    EXPECT_EQ(s.f.host.calls, (QStringList{"AskSaveFileName Puzzle State Files|*.psf",
                                           "AskOpenFileName Puzzle State Files|*.psf in []"}));
    EXPECT_EQ(QDir(s.f.ProgramFolder()).entryList({"*.psf"}), QStringList{"boat.psf"});
    EXPECT_TRUE(s.State() == before);
}

TEST(SavePuzzleState, RefusesAGroupTooLargeForItsRecordBeforeAskingForAName) {
    StateFileFixture s;
    s.game.puzzle = GridWithOneBigGroup(13, 5, 53);
    s.game.puzzle.PuzzleLoaded = kTrue;
    s.f.host.saveAnswers.push_back(s.PathOf("big.psf"));
    s.game.mnuFileSavePuzzleState_Click();
    EXPECT_EQ(s.f.host.messages,
              QStringList{"Save Puzzle State|This game cannot be saved: one of its groups holds 53 "
                          "joined pieces, and a puzzle state file can store groups of at most 52 "
                          "pieces."});
    EXPECT_EQ(s.f.host.calls, QStringList{"ShowMessage"});
    EXPECT_FALSE(QFile::exists(s.PathOf("big.psf")));
}

// Makes writing into a folder, or to a file, fail until destroyed: by its permissions, or,
// for root, whom permissions do not stop, by the file system's immutable attribute.
class Unwritable {
public:
    explicit Unwritable(const QString& path) : path_(path) {
        if (geteuid() != 0) {
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            active_ = true;
            return;
        }
        fd_ = open(path.toLocal8Bit().constData(), O_RDONLY);
        int flags = 0;
        if (fd_ >= 0 && ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= FS_IMMUTABLE_FL;
            active_ = ioctl(fd_, FS_IOC_SETFLAGS, &flags) == 0;
        }
    }
    ~Unwritable() {
        if (geteuid() != 0) {
            QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner);
        } else if (active_) {
            int flags = 0;
            ioctl(fd_, FS_IOC_GETFLAGS, &flags);
            flags &= ~FS_IMMUTABLE_FL;
            ioctl(fd_, FS_IOC_SETFLAGS, &flags);
        }
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    bool active() const { return active_; }

private:
    QString path_;
    int fd_ = -1;
    bool active_ = false;
};

// Makes every write past `bytes` into any file fail (the limit binds root too).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

// A game in play and an older state file in a folder of its own, which a failing save
// must leave byte for byte as it was.
struct FailingSave {
    StateFileFixture s;
    QString target = s.PathOf("out/old.psf");
    QByteArray old = FreshTwoByTwo("/elsewhere/old picture.bmp", 99).Bytes();
    GameState before;

    FailingSave() {
        s.Load("boat.psf", MidGameThreeByTwo(s.picture).Bytes());
        before = s.State();
        QDir(s.f.ProgramFolder()).mkdir("out");
        WriteFile(target, old);
    }

    void SaveAndCheck(const QString& path, const char* how) {
        s.ClearRecords();
        s.f.host.saveAnswers.push_back(path);
        s.game.mnuFileSavePuzzleState_Click();
        ASSERT_EQ(s.f.host.messages.size(), 1) << how;
        const QString prefix =
            "Save Puzzle State|The puzzle state could not be saved to \"" + path + "\": ";
        EXPECT_TRUE(s.f.host.messages.first().startsWith(prefix))
            << s.f.host.messages.first().toStdString();
        EXPECT_TRUE(s.f.host.messages.first().endsWith(". No file was changed."));
        EXPECT_EQ(ReadFile(target), old) << how;
        EXPECT_EQ(QDir(s.PathOf("out")).entryList(QDir::Files | QDir::Hidden),
                  QStringList{"old.psf"})
            << how << ": no temporary file is left behind";
        EXPECT_TRUE(s.State() == before) << how;
    }
};

TEST(SavePuzzleState, AWriteThatFailsPartWayLeavesTheOldFileByteForByte) {
    FailingSave save;
    ASSERT_GT(WriteStateFile(save.s.game.puzzle).bytes.size(), 2048);
    const FileSizeLimit limit(1024);
    save.SaveAndCheck(save.target, "a write that fails part way");
}

TEST(SavePuzzleState, AReadOnlyFolderLeavesTheOldFileByteForByte) {
    FailingSave save;
    const Unwritable folder(save.s.PathOf("out"));
    if (!folder.active()) {
        GTEST_SKIP() << "cannot make a folder unwritable here: running as root on a file "
                        "system without the immutable attribute";
    }
    save.SaveAndCheck(save.target, "an existing file in a read-only folder");
    save.SaveAndCheck(save.s.PathOf("out/new.psf"), "a new file in a read-only folder");
}

TEST(StartUp, OpensAStateFileFromTheCommandLineBeforeRegistrationAndBestTimes) {
    struct Case {
        QString commandLine;
        bool loads;
        bool broken;
    };
    StateFileFixture setup;
    WriteFile(setup.PathOf("good.psf"), MidGameThreeByTwo(setup.picture).Bytes());
    WriteFile(setup.PathOf("bad.psf"), QByteArray(300, 'x'));
    for (const Case& c :
         {Case{setup.PathOf("good.psf"), true, false}, Case{setup.PathOf("bad.psf"), false, true},
          Case{"%1", false, false}, Case{"", false, false}}) {
        ProcessFacts facts = setup.game.facts();
        facts.CommandLine = c.commandLine;
        RecordingHost host;
        Game game(host, *setup.f.store, setup.f.random, facts);
        host.onShow = [&] { game.Form_Resize(); };
        game.Form_Load();

        const QStringList& calls = host.calls;
        const qsizetype registration = calls.indexOf("RegisterFileType");
        ASSERT_EQ(registration, calls.size() - 1) << "the last step before the best times";
        EXPECT_EQ(game.puzzle.PuzzleLoaded != kFalse, c.loads) << c.commandLine.toStdString();
        EXPECT_EQ(host.timerEnabled, c.loads);
        if (c.loads) {
            EXPECT_EQ(game.puzzle.NumberOfPieces, 6);
            EXPECT_LT(calls.indexOf("SetTimerEnabled 1"), registration);
            EXPECT_EQ(calls.at(registration - 1), "AddRecentDocument " + c.commandLine);
        }
        if (c.broken) {
            EXPECT_EQ(host.messages.size(), 1);
            EXPECT_TRUE(host.messages.first().contains(c.commandLine));
            EXPECT_LT(calls.indexOf("ShowMessage"), registration);
            EXPECT_FALSE(host.commandsEnabled);
            EXPECT_FALSE(calls.join(' ').contains("AddRecentDocument"));
        }
        if (!c.loads && !c.broken) {
            EXPECT_EQ(calls, (QStringList{"ShowWindow", "RegisterFileType"}));
        }
    }
}

TEST(Open, TakesOnlyALowerCasePsfAsAStateFile) {
    for (const QString name : {"game.psf", "game.PSF"}) {
        StateFileFixture s;
        const QString path = s.PathOf(name);
        WriteFile(path, MidGameThreeByTwo(s.picture).Bytes());
        s.f.host.openAnswers.push_back(path);
        s.game.mnuFileOpen_Click();
        if (name.endsWith(".psf")) {
            EXPECT_EQ(s.game.puzzle.NumberOfPieces, 6);
            EXPECT_EQ(s.game.puzzle.ElapsedSeconds, 754);
            EXPECT_EQ(s.game.settings.InitDir, s.PathOf("pictures/")) << "the picture's folder";
        } else {
            EXPECT_NE(s.game.puzzle.ElapsedSeconds, 754) << "taken as a picture";
            EXPECT_TRUE(s.game.puzzle.PuzzleStateFileName.isEmpty());
            EXPECT_EQ(PicturePath(s.game.puzzle), path);
        }
    }
}

TEST(LoadPuzzleState, FitsTheSavedPositionsIntoASmallerPlayField) {
    StateFileFixture s;
    s.f.host.playFieldSize = QSize(400, 300);
    s.game.Form_Resize();
    HandGame hand = MidGameThreeByTwo(s.picture);
    hand.PieceRecords[3].Y = 520; // piece 4, alone, saved below this field's bottom
    s.Load("boat.psf", hand.Bytes());
    ASSERT_TRUE(s.f.host.messages.isEmpty()) << s.f.host.messages.join("\n").toStdString();

    const Puzzle& p = s.game.puzzle;
    const int cw = p.CellWidth;
    const int ch = p.CellHeight;
    ASSERT_GT(cw, 0);
    EXPECT_EQ(p.Pieces[4].X, 40);
    EXPECT_EQ(p.Pieces[4].Y, 300 - ch) << "pulled up into the field";
    // Group {5, 6} is laid out again against the right edge, {1, 2} one cell apart.
    EXPECT_EQ(p.Pieces[5].X, 400 - 2 * cw);
    EXPECT_EQ(p.Pieces[6].X, 400 - cw) << "saved at 580";
    EXPECT_EQ(p.Pieces[6].Y, p.Pieces[5].Y);
    EXPECT_EQ(p.Pieces[2].X, p.Pieces[1].X + cw);
    EXPECT_EQ(p.Pieces[2].Y, p.Pieces[1].Y);
    // The placed piece lies on its home in this field, which differs from the saved one.
    EXPECT_EQ(p.Pieces[3].X, p.Pieces[3].HomeX);
    EXPECT_EQ(p.Pieces[3].Y, p.Pieces[3].HomeY);
    EXPECT_NE(p.Pieces[3].HomeX, HandHomeX(2));
    EXPECT_TRUE(CheckModelInvariants(p).isEmpty())
        << CheckModelInvariants(p).join("\n").toStdString();
}

TEST(LoadPuzzleState, AFailedRebuildPutsTheCurrentGameBack) {
    StateFileFixture s;
    s.Load("boat.psf", MidGameThreeByTwo(s.picture).Bytes());
    ASSERT_TRUE(QFile::exists(s.game.WholeImageTempPath()));
    const GameState before = s.State();
    const QImage screen = s.f.host.lastFrame;
    const QString other = s.PathOf("pictures/other.bmp");
    WritePicture(other, 90, 200);
    WriteFile(s.PathOf("other.psf"), FreshTwoByTwo(other, 5).Bytes());

    // The picture reads well, but the temporary bitmap cannot be written.
    const Unwritable bitmap(s.game.WholeImageTempPath());
    if (!bitmap.active()) {
        GTEST_SKIP() << "cannot make a file unwritable here: running as root on a file system "
                        "without the immutable attribute";
    }
    s.ClearRecords();
    s.game.puzzle.PuzzleStateFileName = s.PathOf("other.psf");
    s.game.LoadPuzzleState();
    ASSERT_EQ(s.f.host.messages.size(), 1);
    EXPECT_TRUE(s.f.host.messages.first().contains(
        "cannot be loaded: the puzzle could not be rebuilt from it (cannot write "))
        << s.f.host.messages.first().toStdString();
    EXPECT_TRUE(s.State() == before);
    EXPECT_EQ(s.f.host.calls.mid(s.f.host.calls.size() - 2),
              (QStringList{"SetTimerEnabled 1", "ShowMessage"}))
        << "the clock runs on";
    EXPECT_TRUE(s.f.host.lastFrame == screen) << "the current game is painted again";
}

} // namespace
} // namespace tess
