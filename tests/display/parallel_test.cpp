// Work shared out among the cores gives what one thread would.
#include "display/painting.h"
#include "display/parallel.h"
#include "test_pictures.h"

#include <atomic>
#include <gtest/gtest.h>

namespace tess {
namespace {

TEST(Parallel, RethrowsAFailureOnceAllPartsHaveEnded) {
    std::atomic<int> ended{0};
    auto failing = [&](int part) {
        if (part == 1) {
            throw SurfaceError("no memory");
        }
        ++ended;
    };
    EXPECT_THROW(RunParts(3, failing), SurfaceError);
    EXPECT_EQ(ended, 2);
}

TEST(Parallel, BandsComposeTheFrameOnePassComposes) {
    test::GameFixture f;
    Game& game = *f.game;
    game.InitDirectDraw();
    test::OpenPatternPicture(f, 100, 640, 480);
    game.mnuFileScramble_Click();
    ASSERT_EQ(game.puzzle.PuzzleLoaded, kTrue);
    ComposePlayField(game.puzzle, game.settings, game.surfaces, 1.0, 1);
    const QImage onePass = game.surfaces.BackBuffer.Image().copy();
    ASSERT_EQ(onePass.size(), QSize(800, 560));
    // Band edges at rows 186 and 373 (three bands) or every 140 rows (four) cut through
    // pieces, outlines and the preview; a stale frame underneath must not show through.
    for (const int bands : {2, 3, 4, 8}) {
        game.surfaces.BackBuffer.BltColorFill(WholeRect, 0xABCDEF);
        ComposePlayField(game.puzzle, game.settings, game.surfaces, 1.0, bands);
        EXPECT_TRUE(game.surfaces.BackBuffer.Image() == onePass) << bands << " bands";
    }
}

} // namespace
} // namespace tess
