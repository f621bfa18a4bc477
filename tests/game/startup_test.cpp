// What start-up builds on, on a recording host: the program folder, reading the settings, the
// order of start-up and resize, and the folder Open offers.
#include "game/process_facts.h"
#include "support/recording_host.h"

#include <QDir>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace tess {
namespace {

using test::GameFixture;

TEST(ProgramFolder, IsTheProgramsFolderWhenWritableAndNotInstalledElseTheUsersDataFolder) {
    const QString user =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/tessellara";
    QTemporaryDir prefix;
    const QString root = prefix.path();
    QDir().mkpath(root + "/games");
    QDir().mkpath(root + "/share/tessellara/samples");
    // The executable's folder, then the program folder and the samples folder chosen for it.
    const struct {
        QString exe, program, samples;
    } cases[] = {
        {root, root, root + "/samples"}, // a build folder
        {root + "/games/gone", user, root + "/games/gone/samples"},
        {root + "/games", user, root + "/share/tessellara/samples"}, // installed
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChooseProgramFolder(c.exe) + "|" + ChooseSamplesFolder(c.exe),
                  c.program + "|" + c.samples);
    }
    EXPECT_TRUE(QDir(user).exists()) << "made on first use";
    const ProcessFacts facts = CurrentProcessFacts("/home/p/a b", "/opt/t/");
    EXPECT_EQ(facts.AppDir + "|" + facts.SamplesFolder + "|" + facts.CommandLine,
              "/opt/t|/opt/t/samples|/home/p/a b");
}

TEST(SettingsStore, ReadsDefaultsColoursFromTheirComponentsAndFallsBackOnBadTexts) {
    // Stored entries, then what is read, in hex: time, memory, outline, view, preview size, list
    // row, pieces, and as 0xBBGGRR the background, outline, caption and caption text colours each
    // as Color, then Fill (the caption's also from its components; the text's only so); InitDir.
    const std::pair<QString, QString> cases[] = {
        {"", "1 0 1 1 3 15 40 c8d0d4 d4d0c8 ffffff ffffff 0 0 0 ffffff ffffff "},
        {"Time Puzzle=false;System Memory=-1;View Preview=maybe;Background Red=256;Preview Size=5;"
         "Number of Pieces=32767;InitDir=/home/a, b/;Background Color Fill=5",
         "0 1 1 1 3 15 40 c8d0d4 5 ffffff ffffff 0 0 0 ffffff ffffff /home/a, b/"},
        {"Outline Pieces=0;View Preview=FALSE;Preview Size=2;List Index=-2;Number of Pieces=1024;"
         "Background Red=0;Background Green=0;Background Blue=255;Outline Red=1;Outline Green=2;"
         "Outline Blue=3;Preview Caption Background Red=1;Preview Caption Background Green=2;"
         "Preview Caption Background Blue=3;Preview Caption Text Red=4;"
         "Preview Caption Text Green=5;Preview Caption Text Blue=6",
         "1 0 0 0 2 -2 400 ff0000 ff 30201 10203 0 0 30201 ffffff 60504 "},
        // Converted as the original converts a stored text, rounded halves to even.
        {"Background Red=100.4;Background Green= 100.5 ;Background Blue=255.5;Outline Red=&HFE;"
         "List Index=1e1;Number of Pieces=100.0;System Memory=1D0;Preview Size=2.4",
         "1 1 1 1 2 a 64 c86464 6464c8 fffffe feffff 0 0 0 ffffff ffffff "},
        {"Background Color=1;Background Color Fill=2;Outline Color=3;Outline Color Fill=4;"
         "Preview Caption Background Color=5;Preview Caption Background Color Fill=6;"
         "Preview Caption Text Color=7",
         "1 0 1 1 3 15 40 1 2 3 4 5 6 0 7 ffffff "},
    };
    const auto shown = [](const Settings& s, Integer pieces) {
        QStringList values;
        for (const Long value : std::initializer_list<Long>{
                 s.TimePuzzle, s.SystemMemory, s.OutlinePieces, s.ViewPreview, s.PreviewSize,
                 s.PiecesListIndex, pieces, s.BackgroundColor, s.BackgroundColorFill,
                 s.OutlineColor, s.OutlineColorFill, s.PreviewCaptionBackgroundColor,
                 s.PreviewCaptionBackgroundColorFill,
                 ColorOf(s.PreviewCaptionBackgroundRed, s.PreviewCaptionBackgroundGreen,
                         s.PreviewCaptionBackgroundBlue),
                 s.PreviewCaptionTextColor,
                 ColorOf(s.PreviewCaptionTextRed, s.PreviewCaptionTextGreen,
                         s.PreviewCaptionTextBlue)}) {
            values << QString::number(value, 16);
        }
        return values.join(' ');
    };
    for (const auto& [stored, read] : cases) {
        GameFixture f;
        for (const QString& entry : stored.split(';', Qt::SkipEmptyParts)) {
            f.store->Write(entry.section('=', 0, 0), entry.section('=', 1));
        }
        Settings s, copied;
        Integer pieces = 9;
        // Read back from the file by a new store, as the next start reads it.
        SettingsStore(f.store->FileName()).ReadAll(s, pieces);
        EXPECT_EQ(shown(s, pieces) + " " + s.InitDir, read) << stored.toStdString();
        // The colours as the options save them, into a new file, read back the same.
        SettingsStore copy(f.ProgramFolder() + "/copy.ini");
        copy.SaveBackgroundColor(s);
        copy.SaveOutlineColor(s);
        copy.SavePreviewCaptionBackgroundColor(s);
        copy.SavePreviewCaptionTextColor(s);
        copy.ReadAll(copied, pieces);
        EXPECT_EQ(shown(copied, 0).section(' ', 7), shown(s, 0).section(' ', 7));
    }
}

// Start-up reads the settings and makes the program folder current before the window shows,
// then registers the file type; a resize while minimized does nothing. Open offers the stored
// folder, else the sample pictures while they hold a file.
TEST(StartUp, RunsItsStepsInOrderAndOpenOffersTheStoredOrTheSampleFolder) {
    GameFixture f;
    const QString root = f.ProgramFolder() + "/";
    ASSERT_TRUE(QDir(root).mkpath("mine") && QDir(root).mkpath("empty") &&
                QDir(root).mkpath("samples") &&
                QFile(root + "mine/cat.bmp").open(QFile::WriteOnly));
    f.store->Write("Number of Pieces", "100");
    ProcessFacts facts = f.game->facts();
    facts.SamplesFolder = root + "samples";
    Game game(f.host, *f.store, f.random, facts);
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
    EXPECT_EQ(game.surfaces.BackBuffer.GetSurfaceDesc().Width, 800);
    f.host.minimized = true;
    f.host.playFieldSize = QSize(100, 90);
    game.Form_Resize();
    f.host.minimized = false;
    EXPECT_EQ(game.puzzle.PreviousScaleWidth * 1000 + game.puzzle.PreviousScaleHeight, 800560)
        << "minimized: nothing";
    game.Form_Resize();
    EXPECT_EQ(game.puzzle.PreviousScaleWidth * 1000 + game.puzzle.PreviousScaleHeight, 100090);
    EXPECT_EQ(game.surfaces.BackBuffer.GetSurfaceDesc().Height, 90);

    const auto at = [&root](const QString& name) { return name.isEmpty() ? name : root + name; };
    // The stored folder, a file put among the samples first when named, then the folder offered;
    // all relative to the program folder, empty for none.
    for (const auto& [initDir, sample, offered] :
         {std::tuple<QString, QString, QString>{"", "", ""},
          {"", "samples/Sunset.jpg", "samples"},
          {"mine/", "", "mine/"},
          {"empty/", "", ""}}) {
        ASSERT_TRUE(sample.isEmpty() || QFile(root + sample).open(QFile::WriteOnly));
        game.settings.InitDir = at(initDir);
        f.host.calls.clear();
        game.mnuFileOpen_Click(); // the host cancels
        EXPECT_EQ(f.host.calls, QStringList{"AskOpenFileName Supported Graphic Files|*.bmp;*.jpg;"
                                            "*.gif|Puzzle State Files|*.psf in [" +
                                            at(offered) + "]"});
        EXPECT_EQ(game.settings.InitDir, at(initDir)) << "unsaved";
    }
}

} // namespace
} // namespace tess
