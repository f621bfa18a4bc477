// Every piece composed at its home position gives back the scaled picture.
#include "puzzle/cutting.h"
#include "support/recording_host.h"
#include "test_pictures.h"

#include <gtest/gtest.h>
#include <set>

namespace tess {
namespace {

using test::GameFixture;

// Picture pixels (x, y) that no piece covers: where a socket's clamp at -4 keeps its gap
// wider than the knob that fills it, or runs on where the knob has ended. For every inner
// edge and every distance j from it, the socket's gap minus the knob's strip.
std::set<std::pair<Long, Long>> ClampGaps(const Puzzle& puzzle) {
    std::set<std::pair<Long, Long>> gaps;
    const Long cw = puzzle.CellWidth, ch = puzzle.CellHeight;
    const Long tw = puzzle.TabWidth, th = puzzle.TabHeight;
    const auto socketA = CurveInsets(cw, th, CurveKind::Socket);
    const auto knobA = CurveInsets(cw, th, CurveKind::Knob);
    const auto socketD = CurveInsets(ch, tw, CurveKind::Socket);
    const auto knobD = CurveInsets(ch, tw, CurveKind::Knob);
    // Positions along the side, from `from` to `to`, in the socket gap but not the knob.
    auto uncovered = [](Long length, Long depthTab, Long socketInset, const auto& knob,
                        std::size_t j) {
        std::vector<Long> along;
        for (Long a = depthTab + socketInset; a < length - depthTab - socketInset; ++a) {
            const bool inKnob =
                j < knob.size() && a >= depthTab + knob[j] && a < length - depthTab - knob[j];
            if (!inKnob) {
                along.push_back(a);
            }
        }
        return along;
    };
    for (std::size_t i = 1; i < puzzle.Pieces.size(); ++i) {
        const PieceRecord& p = puzzle.Pieces[i];
        const Long left = p.CellRect.Left, top = p.CellRect.Top;
        for (std::size_t j = 0; j < std::size_t(th); ++j) {
            for (const Long a : uncovered(cw, tw, socketA[j], knobA, j)) {
                if (!p.TopOut) {
                    gaps.insert({left + a, top + Long(j)});
                }
                if (!p.BottomOut) {
                    gaps.insert({left + a, top + ch - 1 - Long(j)});
                }
            }
        }
        for (std::size_t j = 0; j < std::size_t(tw); ++j) {
            for (const Long a : uncovered(ch, th, socketD[j], knobD, j)) {
                if (!p.LeftOut) {
                    gaps.insert({left + Long(j), top + a});
                }
                if (!p.RightOut) {
                    gaps.insert({left + cw - 1 - Long(j), top + a});
                }
            }
        }
    }
    return gaps;
}

TEST(CutPieces, ComposeAtHomeToTheScaledPicture) {
    struct Case {
        Integer pieces;
        int width, height;
        QSize field;
        // Whether the socket clamp leaves uncovered pixels. It needs tabs at least 31
        // pixels deep and a short side: in ordinary cells (12 and 6 pieces here, tabs of 41
        // and more) the clamped shoulders overlap and close the gap anyway. Cells of 93 x 9
        // with 31-pixel side tabs leave one pixel per left or right socket: 30 columns in
        // from the cell edge, cell row 4 (socket inset 9 \ 5 = 1, the knob there is empty).
        std::size_t gapCount;
    };
    for (const Case c : {Case{64, 640, 480, {800, 560}, 0}, Case{12, 640, 480, {800, 560}, 0},
                         Case{6, 500, 700, {800, 560}, 0}, Case{100, 1000, 100, {1100, 300}, 90}}) {
        GameFixture f;
        f.host.playFieldSize = c.field;
        Game& game = *f.game;
        Puzzle& puzzle = game.puzzle;
        puzzle.NumberOfPieces = c.pieces;
        SetPictureFileName(
            puzzle, test::WritePatternPicture(f.ProgramFolder(), "p.bmp", c.width, c.height));
        game.InitDirectDraw();
        game.SetWholeImage();
        ASSERT_EQ(puzzle.PuzzleLoaded, kTrue);
        // Every piece a loose group of its own at its home position, without outlines, on
        // a background of the key colour itself.
        puzzle.GroupOrder.assign(1, 0);
        for (Integer i = 1; i <= c.pieces; ++i) {
            puzzle.Pieces[i].X = puzzle.Pieces[i].HomeX;
            puzzle.Pieces[i].Y = puzzle.Pieces[i].HomeY;
            puzzle.Groups[i].Members = {0, i};
            puzzle.Groups[i].MemberCount = 1;
            puzzle.GroupOrder.push_back(i);
        }
        puzzle.GroupOrderCount = c.pieces;
        puzzle.PuzzleSolved = kTrue; // no board frame
        game.settings.ViewPreview = false;
        game.settings.OutlinePieces = false;
        game.settings.BackgroundColorFill = TransparentKey;
        game.picPuzzle_Paint();
        const QImage& frame = f.host.lastFrame;
        ASSERT_EQ(frame.size(), c.field);

        Surface picture = Surface::CreateSurfaceFromFile(game.WholeImageTempPath(),
                                                         puzzle.ImageWidth, puzzle.ImageHeight);
        picture.NudgePixels(TransparentKey);
        const std::set<std::pair<Long, Long>> gaps = ClampGaps(puzzle);
        EXPECT_EQ(gaps.size(), c.gapCount) << c.pieces;
        for (const auto& [gx, gy] : gaps) {
            const Long cellX = gx % puzzle.CellWidth;
            EXPECT_TRUE(cellX == 30 || cellX == puzzle.CellWidth - 31) << gx;
            EXPECT_EQ(gy % puzzle.CellHeight, 4) << gy;
        }
        const Long cellsWidth = Long{puzzle.PuzzleColumns} * puzzle.CellWidth;
        const Long cellsHeight = Long{puzzle.PuzzleRows} * puzzle.CellHeight;
        const Long originX = puzzle.BoardLeft + 1, originY = puzzle.BoardTop + 1;
        int mismatches = 0, keyInside = 0, gapPixels = 0, outside = 0;
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                const QRgb shown = frame.pixel(x, y) & 0xFFFFFFu;
                const Long px = x - originX, py = y - originY;
                const bool inside = px >= 0 && py >= 0 && px < cellsWidth && py < cellsHeight;
                if (!inside) {
                    outside += shown != QRgb(TransparentKey);
                } else if (gaps.count({px, py})) {
                    gapPixels += shown == QRgb(TransparentKey);
                } else {
                    keyInside += shown == QRgb(TransparentKey);
                    mismatches += shown != (picture.Image().pixel(px, py) & 0xFFFFFFu);
                }
            }
        }
        EXPECT_EQ(keyInside, 0) << c.pieces;
        EXPECT_EQ(mismatches, 0) << c.pieces;
        EXPECT_EQ(gapPixels, int(gaps.size())) << "each clamp gap shows the background";
        EXPECT_EQ(outside, 0) << "border pieces have no knobs outside the board";
    }
}

} // namespace
} // namespace tess
