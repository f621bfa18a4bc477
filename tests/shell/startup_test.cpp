// Start-up and the game's shell on a recording host: the program folder, the order of
// start-up, resize, Close, and the folder Open offers.
#include "shell/process_facts.h"
#include "support/recording_host.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tess {
namespace {

using test::GameFixture;

void Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(ProgramFolder, IsTheProgramsFolderWhenWritableElseTheUsersDataFolder) {
    const QString user =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/tessellara";
    ASSERT_TRUE(user.startsWith(QDir(QDir::tempPath()).canonicalPath())) << "a temporary HOME";
    QTemporaryDir writable;
    EXPECT_EQ(ChooseProgramFolder(writable.path()), writable.path());
    EXPECT_EQ(ChooseProgramFolder(writable.path() + "/gone"), user);
    EXPECT_TRUE(QDir(user).exists()) << "made on first use";
    if (geteuid() != 0) { // root may write into a read-only folder
        QFile::setPermissions(writable.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(ChooseProgramFolder(writable.path()), user);
        QFile::setPermissions(writable.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner);
    }
}

TEST(ProgramFolder, SamplesLieBesideTheProgramAndArgumentsMakeOneCommandLine) {
    const ProcessFacts facts = CurrentProcessFacts({"/opt/t/tessellara", "a", "b"}, "/opt/t/");
    EXPECT_EQ(facts.AppDir, "/opt/t");
    EXPECT_EQ(facts.SamplesFolder, "/opt/t/samples");
    EXPECT_EQ(facts.CommandLine, "a b");
}

TEST(StartUp, RunsItsStepsInOrder) {
    for (const QString commandLine : {"", "%1", "/tmp/a game.psf"}) {
        GameFixture f;
        f.store->Write("Number of Pieces", "100");
        f.store->Sync();
        ProcessFacts facts = f.game->facts();
        facts.CommandLine = commandLine;
        Game game(f.host, *f.store, f.random, facts);
        QDir::setCurrent(QDir::rootPath());
        Integer piecesAtShow = 0;
        QString folderAtShow;
        f.host.onShow = [&] {
            piecesAtShow = game.puzzle.NumberOfPieces;
            folderAtShow = QDir::currentPath();
            game.Form_Resize();
        };
        game.Form_Load();

        EXPECT_EQ(piecesAtShow, 100) << "settings are read before the window shows";
        EXPECT_EQ(QDir(folderAtShow).canonicalPath(), QDir(f.ProgramFolder()).canonicalPath());
        // A state file that does not exist is reported, and start-up goes on.
        const bool stateFile = commandLine.endsWith(".psf");
        EXPECT_EQ(f.host.calls.join(','), stateFile ? "ShowWindow,ShowMessage,RegisterFileType"
                                                    : "ShowWindow,RegisterFileType");
        EXPECT_EQ(game.puzzle.PuzzleStateFileName, stateFile ? commandLine : "");
        EXPECT_EQ(game.puzzle.PreviousScaleWidth, 800);
        EXPECT_EQ(game.puzzle.PreviousScaleHeight, 560);
        EXPECT_EQ(game.surfaces.BackBuffer.GetSurfaceDesc().Width, 800);
    }
}

TEST(Resize, RebuildsTheBackBufferAndRecordsTheSizeUnlessMinimized) {
    GameFixture f;
    f.host.playFieldSize = QSize(640, 400);
    f.game->Form_Resize();
    EXPECT_EQ(f.game->surfaces.BackBuffer.GetSurfaceDesc().Height, 400);
    EXPECT_EQ(f.game->puzzle.PreviousScaleWidth, 640);

    f.host.minimized = true;
    f.host.playFieldSize = QSize(100, 100);
    f.game->Form_Resize();
    EXPECT_EQ(f.game->surfaces.BackBuffer.GetSurfaceDesc().Width, 640);
    EXPECT_EQ(f.game->puzzle.PreviousScaleWidth, 640);
}

TEST(Close, StopsTheClockReleasesThePuzzleAndDeletesTheTemporaryBitmap) {
    for (const bool loaded : {true, false}) {
        GameFixture f;
        Puzzle& puzzle = f.game->puzzle;
        puzzle.PuzzleLoaded = ToFlag(loaded);
        puzzle.ElapsedSeconds = 42;
        puzzle.Pieces.resize(5);
        puzzle.Groups.resize(5);
        puzzle.PlacedPieces = {0, 3, 4};
        SetPictureFileName(puzzle, "/pictures/cat.bmp");
        Touch(f.game->WholeImageTempPath());
        f.game->EnableCommands();

        f.game->mnuFileClose_Click();

        EXPECT_FALSE(f.host.timerEnabled);
        EXPECT_FALSE(f.host.commandsEnabled);
        EXPECT_TRUE(f.host.calls.contains("ClearPlayField"));
        EXPECT_EQ(puzzle.ElapsedSeconds, 0);
        EXPECT_FALSE(puzzle.PuzzleLoaded);
        EXPECT_FALSE(QFile::exists(f.game->WholeImageTempPath()));
        // Only a loaded puzzle is reduced to its unused slot 0; the picture path stays.
        EXPECT_EQ(puzzle.Pieces.size(), loaded ? 1u : 5u);
        EXPECT_EQ(puzzle.Groups.size(), loaded ? 1u : 5u);
        EXPECT_EQ(puzzle.PlacedPieces.size(), loaded ? 1u : 3u);
        EXPECT_EQ(PicturePath(puzzle), "/pictures/cat.bmp");
    }
}

TEST(Open, OffersTheStoredFolderElseTheSamplePicturesWhileTheyHoldAFile) {
    struct Case {
        QString initDir; // stored, relative to the program folder
        bool samplesHaveAFile;
        QString offered; // relative to the program folder; empty: no folder
    };
    for (const Case& c : {Case{"", true, "samples"}, Case{"", false, ""},
                          Case{"mine/", true, "mine/"}, Case{"empty/", true, ""}}) {
        GameFixture f;
        const QString root = f.ProgramFolder() + "/";
        Touch(root + "mine/cat.bmp");
        QDir(root).mkpath("empty");
        QDir(root).mkpath("samples");
        if (c.samplesHaveAFile) {
            Touch(root + "samples/Sunset.jpg");
        }
        ProcessFacts facts = f.game->facts();
        facts.SamplesFolder = root + "samples";
        Game game(f.host, *f.store, f.random, facts);
        game.settings.InitDir = c.initDir.isEmpty() ? "" : root + c.initDir;
        game.mnuFileOpen_Click(); // the host cancels
        const QString offered = c.offered.isEmpty() ? "" : root + c.offered;
        EXPECT_EQ(f.host.calls,
                  QStringList{"AskOpenFileName " + kOpenFilter + " in [" + offered + "]"})
            << c.initDir.toStdString();
        EXPECT_EQ(game.settings.InitDir, c.initDir.isEmpty() ? "" : root + c.initDir);
    }
}

} // namespace
} // namespace tess
