// What start-up builds on, on a recording host: the program folder, reading the settings, the
// order of start-up and resize.
#include "game/process_facts.h"
#include "support/recording_host.h"

#include <QDir>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace tess {
namespace {

TEST(ProgramFolder, IsTheProgramsFolderWhenWritableAndNotInstalledElseTheUsersDataFolder) {
    const QString user =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/tessellara";
    QTemporaryDir prefix;
    const QString root = prefix.path();
    QDir().mkpath(root + "/games");
    QDir().mkpath(root + "/share/tessellara/samples");
    // The executable's folder, then the program folder and the samples folder chosen for it.
    for (const auto& [exe, program, samples] :
         {std::tuple<QString, QString, QString>{root, root, root + "/samples"}, // a build folder
          {root + "/games/gone", user, root + "/games/gone/samples"},
          {root + "/games", user, root + "/share/tessellara/samples"}}) { // installed
        EXPECT_EQ(ChooseProgramFolder(exe) + "|" + ChooseSamplesFolder(exe),
                  program + "|" + samples);
    }
    EXPECT_TRUE(QDir(user).exists()) << "made on first use";
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
        // Numbers rounded halves to even, as a stored text converts.
        {"Outline Pieces=0;View Preview=FALSE;Preview Size=2.4;List Index=-2.5;Number of Pieces="
         "1024;Background Red=0;Background Green= 0.5 ;Background Blue=255;Outline Red=&H1;"
         "Outline Green=2;Outline Blue=3;Preview Caption Background Red=1;Preview Caption "
         "Background Green=2;Preview Caption Background Blue=3;Preview Caption Text Red=4;"
         "Preview Caption Text Green=5;Preview Caption Text Blue=6",
         "1 0 0 0 2 -2 400 ff0000 ff 30201 10203 0 0 30201 ffffff 60504 "},
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
        test::GameFixture f;
        for (const QString& entry : stored.split(';', Qt::SkipEmptyParts)) {
            f.store->Write(entry.section('=', 0, 0), entry.section('=', 1));
        }
        Settings s;
        Integer pieces = 9;
        // Read back from the file by a new store, as the next start reads it.
        SettingsStore(f.store->FileName()).ReadAll(s, pieces);
        EXPECT_EQ(shown(s, pieces) + " " + s.InitDir, read) << stored.toStdString();
    }
}

// Start-up reads the settings and makes the program folder current before the window shows,
// then registers the file type; a resize while minimized does nothing.
TEST(StartUp, RunsItsStepsInOrderAndIgnoresAResizeWhileMinimized) {
    test::GameFixture f;
    Game& game = *f.game;
    f.store->Write("Number of Pieces", "100");
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
    f.host.minimized = true;
    f.host.playFieldSize = QSize(100, 90);
    game.Form_Resize();
    f.host.minimized = false;
    EXPECT_EQ(game.puzzle.PreviousScaleWidth * 1000 + game.puzzle.PreviousScaleHeight, 800560)
        << "minimized: nothing";
    game.Form_Resize();
    EXPECT_EQ(game.puzzle.PreviousScaleWidth * 1000 + game.puzzle.PreviousScaleHeight, 100090);
}

} // namespace
} // namespace tess
