// Opening a picture through the game: size check, cutting, the clock, recutting, failures.
#include "test_pictures.h"

#include "display/picture_file.h"
#include "display/surface.h"
#include "support/file_size_limit.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace tess {
namespace {

using test::GameFixture;
using test::OpenPatternPicture;

const QStringList kTooSmall{QStringLiteral("Error:|Image must be at least 33 x 32 pixels")};

// A refused picture changes nothing, not even the temporary bitmap (a game on the screen
// going on through a refused Open is a case of the guard's test).
TEST(SetWholeImage, RefusesASideOf32OrLessBeforeTouchingAnything) {
    for (const auto& [width, height, accepted] :
         {std::tuple{33, 33, true}, std::tuple{33, 32, false}, std::tuple{32, 33, false}}) {
        GameFixture f;
        OpenPatternPicture(f, 4, width, height);
        EXPECT_EQ(f.game->puzzle.OriginalWidth, accepted ? width : 0);
        EXPECT_EQ(f.game->puzzle.OriginalHeight, accepted ? height : 0);
        EXPECT_EQ(f.game->puzzle.PuzzleLoaded, ToFlag(accepted)) << width << "x" << height;
        EXPECT_EQ(f.host.messages, accepted ? QStringList{} : kTooSmall);
        EXPECT_EQ(f.host.timerEnabled, accepted);
        EXPECT_EQ(f.host.commandsEnabled, accepted);
        EXPECT_EQ(QFile::exists(f.game->WholeImageTempPath()), accepted);
    }
}

TEST(SetWholeImage, CutsThe1024By768PictureAsWorkedAndStartsTheClock) {
    GameFixture f;
    OpenPatternPicture(f, 64, 1024, 768);
    const Puzzle& p = f.game->puzzle;
    const Surfaces& s = f.game->surfaces;
    ASSERT_EQ(s.PieceSurfaces.size(), 65u);
    EXPECT_EQ(s.PieceSurfaces[64].Image().size(), QSize(140, 105));
    EXPECT_EQ(s.FrameLineV.Image().pixel(0, 100) & 0xFFFFFFu, 0xFFFFFFu) << "outline colour";
    // The preview is on by default: a third of 676 x 506, 4 pixels from the right.
    EXPECT_EQ(s.PreviewSurface.Image().size(), QSize(225, 168));
    EXPECT_EQ(p.PreviewRect, (Rect{571, 22, 796, 190}));
    // Made from the bitmap as the View menu makes it, not from the picture scaled for cutting.
    const QImage cutPreview = s.PreviewSurface.Image().copy();
    f.game->mnuViewPreview_Click();
    f.game->mnuViewPreview_Click();
    EXPECT_TRUE(s.PreviewSurface.Image() == cutPreview);
    // The clock counts seconds and paints nothing.
    EXPECT_TRUE(f.host.timerEnabled);
    const int presents = f.host.presentCount;
    f.game->tmrPuzzle_Timer();
    f.game->tmrPuzzle_Timer();
    EXPECT_EQ(p.ElapsedSeconds, 2);
    EXPECT_EQ(f.host.presentCount, presents);
}

TEST(SetWholeImage, APrimeCountCutsOneRowAndACountBelowOneKeepsThePuzzle) {
    GameFixture f;
    OpenPatternPicture(f, 13, 640, 480);
    EXPECT_EQ(f.game->surfaces.PieceSurfaces.size(), 14u);
    // A count below 1 is refused before anything changes (a picture that cannot be read is a
    // case of the guard's test).
    EXPECT_THROW(OpenPatternPicture(f, 0, 64, 64), std::exception);
    EXPECT_EQ(f.game->puzzle.PuzzleLoaded, kTrue);
    EXPECT_EQ(f.game->puzzle.Pieces.size(), 14u);
    EXPECT_TRUE(f.host.messages.isEmpty());
}

TEST(ResizePuzzle, RecutsForTheNewFieldAndAMissingBitmapLeavesNoHalfBuiltPuzzle) {
    GameFixture f;
    OpenPatternPicture(f, 64, 1024, 768);
    f.game->puzzle.PreviousScaleWidth = 800;
    f.game->puzzle.PreviousScaleHeight = 560;
    // The same window at twice the pixel ratio: recut at the next paint.
    const int presents = f.host.presentCount;
    f.host.playFieldSize = QSize(1600, 1120);
    f.game->DisplayModeChanged();
    EXPECT_EQ(f.game->puzzle.CellWidth, 117) << "recut for the larger field, never enlarged";
    EXPECT_EQ(f.game->surfaces.PieceSurfaces[1].Image().width(), 117 + 2 * 39);
    EXPECT_EQ(f.game->surfaces.BackBuffer.Image().width(), 1600);
    EXPECT_EQ(f.game->puzzle.PreviousScaleWidth, 1600);
    EXPECT_EQ(f.host.presentCount, presents + 1);

    ASSERT_TRUE(QFile::remove(f.game->WholeImageTempPath()));
    f.host.playFieldSize = QSize(600, 400);
    f.game->Form_Resize(); // must not throw out of the window's event handler
    EXPECT_EQ(f.game->puzzle.PuzzleLoaded, kFalse);
    EXPECT_FALSE(f.host.commandsEnabled);
    EXPECT_FALSE(f.host.timerEnabled);
    ASSERT_EQ(f.host.messages.size(), 1);
    EXPECT_TRUE(f.host.messages[0].startsWith("Error:|The puzzle could not be cut: "));
    for (const Surface& s : f.game->surfaces.PieceSurfaces) {
        EXPECT_TRUE(s.IsNull());
    }
    // The preview switched on from the menu reports the same loss without throwing.
    f.game->settings.ViewPreview = false;
    f.game->puzzle.PuzzleLoaded = kTrue;
    f.game->mnuViewPreview_Click();
    EXPECT_EQ(f.host.messages.size(), 2);
    EXPECT_TRUE(f.game->surfaces.PreviewSurface.IsNull());
}

TEST(ConvertPictureToBitmap, AWriteThatFailsPartWayKeepsTheOldBitmapWhole) {
    GameFixture f;
    const QDir folder(f.ProgramFolder());
    const QString bitmap = folder.filePath("WholeImageTemp.bmp");
    ConvertPictureToBitmap(test::WritePatternPicture(folder.path(), "small.bmp", 40, 40), bitmap);
    QFile file(bitmap);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray old = file.readAll();
    file.close();
    const QString large = test::WritePatternPicture(folder.path(), "large.bmp", 200, 200);
    const QStringList before = folder.entryList(QDir::Files);

    // The new bitmap needs 160 KB.
    test::WithFileSizeLimit(
        64 * 1024, [&] { EXPECT_THROW(ConvertPictureToBitmap(large, bitmap), SurfaceError); });

    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
    EXPECT_EQ(folder.entryList(QDir::Files), before) << "no partial file is left behind";
}

} // namespace
} // namespace tess
