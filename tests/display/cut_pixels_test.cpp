// Every piece composed at its home position gives back the scaled picture.
#include "groups/placing.h"
#include "test_pictures.h"

#include <gtest/gtest.h>
#include <set>

namespace tess {
namespace {

TEST(CutPieces, ComposeAtHomeToTheScaledPicture) {
    struct Case {
        Integer pieces;
        int width, height;
        QSize field;
        bool clampGaps;
    };
    // The socket clamp leaves picture pixels uncovered only with tabs at least 31 pixels deep
    // and a short side; in ordinary cells (tabs of 41 and more here) the clamped shoulders
    // overlap and close the gap. Cells of 93 x 9 with 31-pixel side tabs leave one pixel per
    // left or right socket: 30 columns in from the cell edge, in cell row 4 (the socket's
    // inset 9 \ 5 = 1 leaves row 4 only, where the knob has already ended).
    for (const Case c :
         {Case{64, 640, 480, {800, 560}, false}, Case{12, 640, 480, {800, 560}, false},
          Case{6, 500, 700, {800, 560}, false}, Case{100, 1000, 100, {1100, 300}, true}}) {
        test::GameFixture f;
        f.host.playFieldSize = c.field;
        f.game->InitDirectDraw();
        test::OpenPatternPicture(f, c.pieces, c.width, c.height);
        Puzzle& puzzle = f.game->puzzle;
        ASSERT_EQ(puzzle.PuzzleLoaded, kTrue);
        std::set<std::pair<Long, Long>> gaps;
        if (c.clampGaps) {
            ASSERT_EQ(puzzle.CellWidth, 93);
            ASSERT_EQ(puzzle.CellHeight, 9);
            for (Integer i = 1; i <= c.pieces; ++i) {
                const PieceRecord& p = puzzle.Pieces[i];
                if (!p.LeftOut) {
                    gaps.insert({p.CellRect.Left + 30, p.CellRect.Top + 4});
                }
                if (!p.RightOut) {
                    gaps.insert({p.CellRect.Right - 31, p.CellRect.Top + 4});
                }
            }
            EXPECT_EQ(gaps.size(), 90u) << "nine inner sockets in each of ten rows";
        }
        // Every piece placed, on a background of the key colour itself.
        f.game->ClearSettings();
        for (Integer i = 1; i <= c.pieces; ++i) {
            PlaceGroup(puzzle, i);
        }
        puzzle.PuzzleSolved = kTrue;
        f.game->settings.ViewPreview = false;
        f.game->settings.BackgroundColorFill = TransparentKey;
        f.game->picPuzzle_Paint();
        const QImage& frame = f.host.lastFrame;
        ASSERT_EQ(frame.size(), c.field);

        Surface picture = Surface::CreateSurfaceFromFile(f.game->WholeImageTempPath(),
                                                         puzzle.ImageWidth, puzzle.ImageHeight);
        picture.NudgePixels(TransparentKey);
        const QRect cells(puzzle.BoardLeft + 1, puzzle.BoardTop + 1,
                          puzzle.PuzzleColumns * puzzle.CellWidth,
                          puzzle.PuzzleRows * puzzle.CellHeight);
        int wrong = 0, gapsShown = 0, outside = 0;
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                const QRgb shown = frame.pixel(x, y) & 0xFFFFFFu;
                const int px = x - cells.left(), py = y - cells.top();
                if (!cells.contains(x, y)) {
                    outside += shown != QRgb(TransparentKey);
                } else if (gaps.count({px, py})) {
                    gapsShown += shown == QRgb(TransparentKey);
                } else {
                    wrong += shown != (picture.Image().pixel(px, py) & 0xFFFFFFu);
                }
            }
        }
        EXPECT_EQ(wrong, 0) << "no key and no other pixel inside the board, " << c.pieces;
        EXPECT_EQ(gapsShown, int(gaps.size())) << "each clamp gap shows the background";
        EXPECT_EQ(outside, 0) << "border pieces have no knobs outside the board";
    }
}

} // namespace
} // namespace tess
