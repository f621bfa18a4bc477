// What start-up builds on, on a recording host: the program folder, reading the settings, the
// order of start-up, resize, Close, and the folder Open offers.
#include "game/process_facts.h"
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
        QFile::setPermissions(writable.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const ProcessFacts facts = CurrentProcessFacts({"/opt/t/tessellara", "a", "b"}, "/opt/t/");
    EXPECT_EQ(facts.AppDir + "|" + facts.SamplesFolder + "|" + facts.CommandLine,
              "/opt/t|/opt/t/samples|a b");
}

// Reads a store holding the `stored` "key=text" entries and describes what was read.
QString ReadBack(const QStringList& stored) {
    GameFixture f;
    for (const QString& entry : stored) {
        f.store->Write(entry.section('=', 0, 0), entry.section('=', 1));
    }
    Settings s;
    s.PiecesListIndex = 9;
    Integer pieces = 9;
    f.store->ReadAll(s, pieces);
    // Colours as 0xBBGGRR: Color, then Color Fill.
    auto colour = [](Long color, Long fill) {
        return QString::number(color, 16) + "/" + QString::number(fill, 16);
    };
    return QStringList(
               {"time=" + QString::number(s.TimePuzzle),
                "memory=" + QString::number(s.SystemMemory),
                "outline=" + QString::number(s.OutlinePieces),
                "view=" + QString::number(s.ViewPreview), "size=" + QString::number(s.PreviewSize),
                "list=" + QString::number(s.PiecesListIndex), "pieces=" + QString::number(pieces),
                "dir=" + s.InitDir, "red=" + QString::number(s.BackgroundRed),
                "back=" + colour(s.BackgroundColor, s.BackgroundColorFill),
                "line=" + colour(s.OutlineColor, s.OutlineColorFill),
                "caption=" +
                    colour(s.PreviewCaptionBackgroundColor, s.PreviewCaptionBackgroundColorFill),
                "text=" + QString::number(s.PreviewCaptionTextColor, 16)})
        .join(' ');
}

TEST(SettingsStore, ReadsDefaultsColoursFromTheirComponentsAndFallsBackOnBadTexts) {
    EXPECT_EQ(ReadBack({}), "time=1 memory=0 outline=1 view=1 size=3 list=21 pieces=64 dir= "
                            "red=212 back=c8d0d4/d4d0c8 line=ffffff/ffffff caption=0/0 "
                            "text=ffffff");
    EXPECT_TRUE(ReadBack({"Background Red=0", "Background Green=0", "Background Blue=255",
                          "Outline Red=1", "Outline Green=2", "Outline Blue=3"})
                    .contains("back=ff0000/ff line=30201/10203 "));
    // A stored entry, then what is read from it.
    for (const QString c :
         {"Time Puzzle=false|time=0", "System Memory=-1|memory=1", "View Preview=maybe|view=1",
          "Background Red=256|red=212", "Preview Size=x|size=3", "Preview Size=200|size=3",
          "Preview Size=1|size=3", "Preview Size=2|size=2", "Number of Pieces=70000|pieces=64",
          "Number of Pieces=32767|pieces=64", "Number of Pieces=0|pieces=64",
          "Number of Pieces=1024|pieces=1024", "InitDir=/home/a, b/|dir=/home/a, b/ "}) {
        EXPECT_TRUE(ReadBack({c.section('|', 0, 0)}).contains(c.section('|', 1)))
            << c.toStdString();
    }
}

TEST(StartUp, RunsItsStepsInOrder) {
    GameFixture f;
    f.store->Write("Number of Pieces", "100");
    Game& game = *f.game;
    QDir::setCurrent(QDir::rootPath());
    QString atShow;
    f.host.onShow = [&] {
        atShow = QString::number(game.puzzle.NumberOfPieces) + " " + QDir::currentPath();
        game.Form_Resize();
    };
    game.Form_Load();
    EXPECT_EQ(atShow, "100 " + QDir(f.ProgramFolder()).canonicalPath())
        << "settings read and the program folder current before the window shows";
    EXPECT_EQ(f.host.calls, (QStringList{"ShowWindow", "RegisterFileType"}));
    EXPECT_EQ(game.puzzle.PreviousScaleWidth, 800);
    EXPECT_EQ(game.puzzle.PreviousScaleHeight, 560);
    EXPECT_EQ(game.surfaces.BackBuffer.GetSurfaceDesc().Width, 800);

    f.host.minimized = true;
    f.host.playFieldSize = QSize(100, 100);
    game.Form_Resize();
    EXPECT_EQ(game.surfaces.BackBuffer.GetSurfaceDesc().Width, 800) << "minimized: nothing";
    EXPECT_EQ(game.puzzle.PreviousScaleWidth, 800);
}

TEST(Close, StopsTheClockReleasesThePuzzleAndDeletesTheTemporaryBitmap) {
    for (const bool loaded : {true, false}) {
        GameFixture f;
        Puzzle& puzzle = f.game->puzzle;
        puzzle.PuzzleLoaded = ToFlag(loaded);
        puzzle.ElapsedSeconds = 42;
        puzzle.Pieces.resize(5);
        puzzle.Groups.resize(5);
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
        EXPECT_EQ(puzzle.Pieces.size() + puzzle.Groups.size(), loaded ? 2u : 10u);
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
