// Work shared out among the cores gives what one thread would.
#include "display/painting.h"
#include "display/parallel.h"
#include "support/recording_host.h"
#include "test_pictures.h"

#include <atomic>
#include <gtest/gtest.h>

namespace tess {
namespace {

TEST(Parallel, RunsEveryPartOnceAndRethrowsAFailureOnceAllHaveEnded) {
    for (const int parts : {1, 2, 4, 9}) {
        std::vector<std::atomic<int>> runs(static_cast<std::size_t>(parts));
        RunParts(parts, [&](int part) { ++runs[std::size_t(part)]; });
        for (int part = 0; part < parts; ++part) {
            EXPECT_EQ(runs[std::size_t(part)], 1) << parts << " parts, part " << part;
        }
    }
    std::atomic<int> ended{0};
    EXPECT_THROW(RunParts(3,
                          [&](int part) {
                              if (part == 1) {
                                  throw SurfaceError("no memory");
                              }
                              ++ended;
                          }),
                 SurfaceError);
    EXPECT_EQ(ended, 2);
}

TEST(Parallel, AWriterKeepsToItsBandOfRows) {
    Surface target = Surface::CreateSurface(6, 8);
    const Surface source = Surface::CreateSurface(6, 8, 0x123456);
    const SurfaceWriter band = SurfaceWriter(target).Rows(2, 5);
    band.BltColorFill(WholeRect, 0x111111);
    band.BltFast(1, 3, source, WholeRect, kBltFastNoWait);
    QString rows;
    for (int y = 0; y < 8; ++y) {
        rows += QString::number(target.Image().pixel(0, y) & 0xFFFFFF, 16) + "/" +
                QString::number(target.Image().pixel(1, y) & 0xFFFFFF, 16) + " ";
    }
    EXPECT_EQ(rows.toStdString(), "0/0 0/0 111111/111111 111111/123456 111111/123456 0/0 0/0 0/0 ");
}

TEST(Parallel, BandsComposeTheFrameOnePassComposes) {
    test::GameFixture f;
    Game& game = *f.game;
    game.InitDirectDraw();
    test::OpenPatternPicture(f, 100, 640, 480);
    game.mnuFileScramble_Click();
    ASSERT_EQ(game.puzzle.PuzzleLoaded, kTrue);
    game.settings.OutlinePieces = true;
    game.settings.ViewPreview = true;
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
