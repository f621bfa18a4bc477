#include "support/recording_host.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

namespace tess {
namespace {

using test::GameFixture;

void Touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
}

TEST(StartUp, RunsItsStepsInOrder) {
    struct Case {
        const char* commandLine;
        bool loadsState;
    };
    for (const Case c : {Case{"", false}, Case{"%1", false}, Case{"/tmp/a game.psf", true}}) {
        GameFixture f;
        f.store->Write("Number of Pieces", "100");
        f.store->Sync();
        ProcessFacts facts = f.game->facts();
        facts.CommandLine = QString::fromUtf8(c.commandLine);
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
        QStringList expected{"ShowWindow"};
        if (c.loadsState) {
            // The file does not exist: the load reports it, nothing joins the recent
            // documents, and start-up goes on.
            expected << "ShowMessage";
            EXPECT_EQ(game.puzzle.PuzzleStateFileName, "/tmp/a game.psf");
        }
        expected << "RegisterFileType";
        EXPECT_EQ(f.host.calls, expected) << c.commandLine;
        EXPECT_EQ(game.puzzle.PreviousScaleWidth, 800);
        EXPECT_EQ(game.puzzle.PreviousScaleHeight, 560);
        EXPECT_EQ(game.surfaces.BackBuffer.GetSurfaceDesc().Width, 800);
    }
}

TEST(Resize, RebuildsTheBackBufferAndRecordsTheSizeUnlessMinimized) {
    GameFixture f;
    Game& game = *f.game;
    f.host.playFieldSize = QSize(640, 400);
    game.Form_Resize();
    EXPECT_EQ(game.surfaces.BackBuffer.GetSurfaceDesc().Height, 400);
    EXPECT_EQ(game.puzzle.PreviousScaleWidth, 640);

    f.host.minimized = true;
    f.host.playFieldSize = QSize(100, 100);
    game.Form_Resize();
    EXPECT_EQ(game.surfaces.BackBuffer.GetSurfaceDesc().Width, 640);
    EXPECT_EQ(game.puzzle.PreviousScaleWidth, 640);
}

TEST(Close, StopsTheClockReleasesThePuzzleAndDeletesTheTemporaryBitmap) {
    for (const bool loaded : {true, false}) {
        GameFixture f;
        Game& game = *f.game;
        game.puzzle.PuzzleLoaded = ToFlag(loaded);
        game.puzzle.ElapsedSeconds = 42;
        game.puzzle.Pieces.resize(5);
        game.puzzle.Groups.resize(5);
        game.puzzle.GroupOrder = {0, 1, 2};
        game.puzzle.PlacedPieces = {0, 3, 4};
        game.surfaces.PieceSurfaces.resize(5);
        SetPictureFileName(game.puzzle, "/pictures/cat.bmp");
        game.puzzle.PictureFileTitle = "cat.bmp";
        Touch(game.WholeImageTempPath());
        game.EnableCommands();

        game.mnuFileClose_Click();

        EXPECT_FALSE(f.host.timerEnabled);
        EXPECT_EQ(game.puzzle.ElapsedSeconds, 0);
        EXPECT_FALSE(game.puzzle.PuzzleLoaded);
        EXPECT_FALSE(QFile::exists(game.WholeImageTempPath()));
        EXPECT_FALSE(f.host.commandsEnabled);
        EXPECT_TRUE(f.host.calls.contains("ClearPlayField"));
        const size_t expectedSize = loaded ? 1 : 5;
        EXPECT_EQ(game.puzzle.Pieces.size(), expectedSize);
        EXPECT_EQ(game.puzzle.Groups.size(), expectedSize);
        EXPECT_EQ(game.puzzle.GroupOrder.size(), loaded ? 1u : 3u);
        EXPECT_EQ(game.puzzle.PlacedPieces.size(), loaded ? 1u : 3u);
        EXPECT_EQ(PicturePath(game.puzzle), "/pictures/cat.bmp");
        EXPECT_EQ(game.puzzle.PictureFileTitle, "cat.bmp");
    }
}

TEST(PreviewToggle, FlipsTheSettingAndStoresIt) {
    GameFixture f;
    Game& game = *f.game;
    ASSERT_TRUE(game.settings.ViewPreview);
    game.mnuViewPreview_Click();
    EXPECT_FALSE(game.settings.ViewPreview);
    EXPECT_EQ(f.store->Read("View Preview", ""), "False");
    game.mnuViewPreview_Click();
    EXPECT_TRUE(game.settings.ViewPreview);
    EXPECT_EQ(f.store->Read("View Preview", ""), "True");
}

TEST(Open, TakesOnlyALowerCaseSuffixAsAStateFileAndRemembersTheFolder) {
    struct Case {
        QString chosen;
        bool stateFile;
    };
    for (const Case& c : {Case{"/pics/holiday.PSF", false}, Case{"/pics/game.psf", true},
                          Case{"/pics/sea.jpg", false}}) {
        GameFixture f;
        Game& game = *f.game;
        // A real picture, so that opening it succeeds (a .PSF name with JPEG content).
        const QString folder = f.ProgramFolder() + "/pics/";
        QDir().mkpath(folder);
        const QString chosen = f.ProgramFolder() + c.chosen;
        if (!c.stateFile) {
            QImage picture(64, 48, QImage::Format_RGB32);
            picture.fill(Qt::darkCyan);
            ASSERT_TRUE(picture.save(chosen, "JPG"));
        }
        f.host.openAnswers.push_back(chosen);
        game.mnuFileOpen_Click();
        if (c.stateFile) {
            EXPECT_EQ(game.puzzle.PuzzleStateFileName, chosen);
        } else {
            EXPECT_EQ(game.puzzle.PictureFileName.size(), 128);
            EXPECT_EQ(PicturePath(game.puzzle), chosen);
            EXPECT_EQ(game.settings.InitDir, folder);
            EXPECT_EQ(f.store->Read("InitDir", ""), folder);
            EXPECT_EQ(game.puzzle.PictureFileTitle.trimmed(), chosen.mid(folder.size()));
            EXPECT_EQ(game.puzzle.PictureFileTitle.size(), 128 - folder.size())
                << "keeps the field's padding";
        }
        EXPECT_TRUE(f.host.calls.first().startsWith("AskOpenFileName " + kOpenFilter));
    }
}

TEST(Open, CancelChangesNothingAndAStoredFolderWithFilesIsOffered) {
    GameFixture f;
    Game& game = *f.game;
    Touch(f.ProgramFolder() + "/picture.bmp");
    game.settings.InitDir = f.ProgramFolder() + "/";
    game.mnuFileOpen_Click();
    EXPECT_EQ(f.host.calls.first(),
              "AskOpenFileName " + kOpenFilter + " in [" + f.ProgramFolder() + "/]");
    EXPECT_EQ(game.settings.InitDir, f.ProgramFolder() + "/");

    f.host.calls.clear();
    QDir(f.ProgramFolder()).mkdir("empty");
    game.settings.InitDir = f.ProgramFolder() + "/empty/";
    game.mnuFileOpen_Click();
    EXPECT_EQ(f.host.calls.first(), "AskOpenFileName " + kOpenFilter + " in []");
}

} // namespace
} // namespace tess
