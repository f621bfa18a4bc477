// Opening a picture through the game: loading, size check, grid, cutting, failures.
#include "puzzle/cutting.h"
#include "support/recording_host.h"
#include "test_pictures.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tess {
namespace {

using test::GameFixture;

const QString kTooSmall = QStringLiteral("Error:|Image must be at least 33 x 32 pixels");

void OpenPicture(GameFixture& f, const QString& path) {
    SetPictureFileName(f.game->puzzle, path);
    f.game->SetWholeImage();
}

TEST(SetWholeImage, RefusesPicturesWithASideOf32OrLess) {
    struct Case {
        int width, height;
        bool accepted;
    };
    for (const Case c : {Case{33, 33, true}, Case{33, 32, false}, Case{32, 33, false}}) {
        GameFixture f;
        f.game->puzzle.NumberOfPieces = 4;
        OpenPicture(f, test::WritePatternPicture(f.ProgramFolder(), "p.bmp", c.width, c.height));
        Puzzle& puzzle = f.game->puzzle;
        EXPECT_EQ(puzzle.OriginalWidth, c.width);
        EXPECT_EQ(puzzle.OriginalHeight, c.height);
        EXPECT_EQ(puzzle.PuzzleLoaded, ToFlag(c.accepted)) << c.width << "x" << c.height;
        EXPECT_EQ(f.host.messages, c.accepted ? QStringList{} : QStringList{kTooSmall});
        EXPECT_EQ(f.host.timerEnabled, c.accepted);
        EXPECT_EQ(f.host.commandsEnabled, c.accepted);
        EXPECT_TRUE(QFile::exists(f.game->WholeImageTempPath()));
        if (!c.accepted) {
            EXPECT_EQ(puzzle.Pieces.size(), 1u) << "the model is untouched";
            EXPECT_EQ(puzzle.DivisorCount, 1) << "the candidates are rebuilt";
        }
    }
}

TEST(SetWholeImage, ASmallPictureKeepsTheLoadedPuzzle) {
    GameFixture f;
    f.game->puzzle.NumberOfPieces = 12;
    OpenPicture(f, test::WritePatternPicture(f.ProgramFolder(), "big.jpg", 640, 480));
    ASSERT_EQ(f.game->puzzle.PuzzleLoaded, kTrue);
    const std::vector<PieceRecord> before = f.game->puzzle.Pieces;
    OpenPicture(f, test::WritePatternPicture(f.ProgramFolder(), "small.bmp", 40, 20));
    EXPECT_EQ(f.host.messages, QStringList{kTooSmall});
    EXPECT_EQ(f.game->puzzle.PuzzleLoaded, kTrue);
    EXPECT_EQ(f.game->puzzle.Pieces, before);
    EXPECT_EQ(f.game->puzzle.PuzzleColumns, 4);
    EXPECT_FALSE(f.host.timerEnabled) << "the clock was stopped first";
}

TEST(SetWholeImage, CutsThe1024By768PictureAsWorked) {
    GameFixture f;
    f.game->puzzle.NumberOfPieces = 64;
    OpenPicture(f, test::WritePatternPicture(f.ProgramFolder(), "p.bmp", 1024, 768));
    const Puzzle& p = f.game->puzzle;
    const Surfaces& s = f.game->surfaces;
    // The layout numbers themselves are pinned by the cutting tests; here they reach the game.
    EXPECT_EQ(p.BoardRect, (Rect{62, 27, 734, 531}));
    ASSERT_EQ(s.PieceSurfaces.size(), 65u);
    for (std::size_t i = 1; i <= 64; ++i) {
        EXPECT_EQ(s.PieceSurfaces[i].GetSurfaceDesc().Width, 140);
        EXPECT_EQ(s.PieceSurfaces[i].GetSurfaceDesc().Height, 105);
        EXPECT_TRUE(s.PieceSurfaces[i].HasKeyedRuns());
    }
    EXPECT_EQ(p.Pieces[1].HomeX, 35);
    EXPECT_EQ(p.Pieces[1].HomeY, 7);
    EXPECT_EQ(s.EdgeStubH.GetSurfaceDesc().Width, 38);
    EXPECT_EQ(s.EdgeStubH.GetSurfaceDesc().Height, 1);
    EXPECT_EQ(s.EdgeStubV.GetSurfaceDesc().Height, 28);
    EXPECT_EQ(s.FrameLineH.GetSurfaceDesc().Width, 674);
    EXPECT_EQ(s.FrameLineV.GetSurfaceDesc().Height, 506);
    EXPECT_EQ(s.FrameLineV.Image().pixel(0, 100) & 0xFFFFFFu, 0xFFFFFFu) << "outline colour";
    EXPECT_TRUE(s.WholeImageSurface.IsNull()) << "released once the pieces are cut";
    // The preview is on by default: a third of 676 x 506, 4 pixels from the right.
    EXPECT_EQ(s.PreviewSurface.GetSurfaceDesc().Width, 225);
    EXPECT_EQ(s.PreviewSurface.GetSurfaceDesc().Height, 168);
    EXPECT_EQ(p.PreviewRect, (Rect{571, 22, 796, 190}));
}

TEST(SetWholeImage, APrimeCountMakesOneRowOrOneColumn) {
    for (const auto& [width, height, columns, rows] :
         {std::tuple{640, 480, 13, 1}, std::tuple{480, 640, 1, 13}}) {
        GameFixture f;
        f.game->puzzle.NumberOfPieces = 13;
        OpenPicture(f, test::WritePatternPicture(f.ProgramFolder(), "p.bmp", width, height));
        EXPECT_EQ(f.game->puzzle.PuzzleLoaded, kTrue);
        EXPECT_EQ(f.game->puzzle.PuzzleColumns, columns);
        EXPECT_EQ(f.game->puzzle.PuzzleRows, rows);
        EXPECT_EQ(f.game->surfaces.PieceSurfaces.size(), 14u);
    }
    // A count below 1 cannot be cut: Open's silent failure, the old puzzle stays.
    GameFixture f;
    f.game->puzzle.NumberOfPieces = 4;
    OpenPicture(f, test::WritePatternPicture(f.ProgramFolder(), "p.bmp", 64, 64));
    f.game->puzzle.NumberOfPieces = 0;
    EXPECT_THROW(OpenPicture(f, f.ProgramFolder() + "/p.bmp"), std::exception);
    EXPECT_EQ(f.game->puzzle.PuzzleLoaded, kTrue);
    EXPECT_EQ(f.game->puzzle.Pieces.size(), 5u);
}

TEST(SetWholeImage, AnUnreadablePictureFailsWithoutTouchingThePuzzle) {
    GameFixture f;
    QFile bad(f.ProgramFolder() + "/bad.jpg");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a picture");
    bad.close();
    EXPECT_THROW(OpenPicture(f, bad.fileName()), std::exception);
    EXPECT_EQ(f.game->puzzle.PuzzleLoaded, kFalse);
    EXPECT_TRUE(f.host.messages.isEmpty());
}

TEST(ResizePuzzle, AMissingBitmapLeavesNoHalfBuiltPuzzle) {
    GameFixture f;
    f.game->puzzle.NumberOfPieces = 12;
    OpenPicture(f, test::WritePatternPicture(f.ProgramFolder(), "p.jpg", 300, 200));
    ASSERT_EQ(f.game->puzzle.PuzzleLoaded, kTrue);
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

TEST(ResizePuzzle, AWindowSizeChangeRecutsAndADisplayChangeDoesTheSameAtThePaint) {
    GameFixture f;
    f.game->puzzle.NumberOfPieces = 64;
    OpenPicture(f, test::WritePatternPicture(f.ProgramFolder(), "p.bmp", 1024, 768));
    f.game->puzzle.PreviousScaleWidth = 800;
    f.game->puzzle.PreviousScaleHeight = 560;
    const int before = f.host.presentCount;
    f.host.playFieldSize = QSize(1600, 1120); // the same window at twice the pixel ratio
    f.game->DisplayModeChanged();
    EXPECT_EQ(f.game->puzzle.CellWidth, 117) << "recut for the larger field, never enlarged";
    EXPECT_EQ(f.game->surfaces.BackBuffer.GetSurfaceDesc().Width, 1600);
    EXPECT_EQ(f.game->puzzle.PreviousScaleWidth, 1600);
    EXPECT_EQ(f.host.presentCount, before + 1);
    EXPECT_EQ(f.game->surfaces.PieceSurfaces[1].GetSurfaceDesc().Width, 117 + 2 * 39);
}

} // namespace
} // namespace tess

namespace tess {
namespace {

TEST(Clock, EachTickAddsASecondAndPaintsNothing) {
    test::GameFixture f;
    f.game->puzzle.NumberOfPieces = 4;
    SetPictureFileName(f.game->puzzle,
                       test::WritePatternPicture(f.ProgramFolder(), "p.bmp", 64, 48));
    f.game->SetWholeImage();
    EXPECT_TRUE(f.host.timerEnabled) << "a cut puzzle starts the clock";
    f.game->puzzle.ElapsedSeconds = 41;
    const int presents = f.host.presentCount;
    f.game->tmrPuzzle_Timer();
    f.game->tmrPuzzle_Timer();
    EXPECT_EQ(f.game->puzzle.ElapsedSeconds, 43);
    EXPECT_EQ(f.host.presentCount, presents);
}

} // namespace
} // namespace tess
