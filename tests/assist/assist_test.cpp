// Arrange Pieces and Gather Edge Pieces over the field sizes of a big game; the assistant's
// commands, progress text and toggles on a game, and what the toggles change in a frame.
#include "assist/assist.h"
#include "display/picking.h"
#include "display/test_pictures.h"
#include "groups/play_models.h"
#include "history/history.h"

#include <numeric>

namespace tess {
namespace {

// A picture cut into columns x rows for the field and scrambled. With `groups`, 34 groups of 2
// to 9 pieces in six shapes laid in tiles of 3 x 3 cells, and the first (pieces 1, 2) placed.
Puzzle ScrambledFor(QSize field, bool groups, Integer columns = 18, Integer rows = 18,
                    QSize picture = {2400, 1600}) {
    Puzzle p = test::MakePuzzle(columns, rows,
                                ComputeCutLayout(CInt(picture.width()), CInt(picture.height()),
                                                 columns, rows, field.width(), field.height()));
    p.PuzzleLoaded = kTrue;
    MersenneRandom random(5u);
    const ScrambleRange range = ScrambleRangeOf(p, Single(field.width()), Single(field.height()));
    for (std::size_t i = 1; i < p.Pieces.size(); ++i) {
        ScatterPiece(p.Pieces[i], range, random);
    }
    // The cells of a tile as bits, row by row: domino, L, square, T, bar, block.
    const int shapes[] = {0x003, 0x019, 0x01B, 0x017, 0x049, 0x1FF};
    for (int t = 0; groups && t < 34; ++t) {
        std::vector<Integer> members;
        for (int bit = 0; bit < 9; ++bit) {
            if ((shapes[t % 6] >> bit & 1) != 0) {
                members.push_back(
                    Integer((t / 6 * 3 + bit / 3) * columns + t % 6 * 3 + bit % 3 + 1));
            }
        }
        test::Regroup(p, members[0], members);
        for (Integer m : members) {
            test::LayBeside(p, m, members[0]);
        }
    }
    AlignAllGroups(p, Single(field.width()), Single(field.height()));
    if (groups) {
        PlaceGroup(p, 1);
    }
    return p;
}

QPointF Middle(const Puzzle& p, const PieceRecord& piece) {
    return {piece.X + p.TabWidth + p.CellWidth / 2.0, piece.Y + p.TabHeight + p.CellHeight / 2.0};
}

QRect BoxOf(const Puzzle& p, const PieceRecord& piece) {
    return {int(piece.X), int(piece.Y), int(p.CellWidth + 2 * p.TabWidth),
            int(p.CellHeight + 2 * p.TabHeight)};
}

Long Rgb(const QImage& image, int x, int y) { return Long(image.pixel(x, y) & 0xFFFFFFu); }

TEST(Arrange, EveryLoosePieceIsPickedAtItsMiddleInsideTheFieldAndGatherRaisesTheFrame) {
    const QSize fields[] = {{460, 276},   {800, 560},   {1024, 740}, {1600, 972},
                            {1920, 1080}, {2560, 1412}, {3840, 2132}};
    for (int run = 0; run < 28; ++run) {
        const QSize field = fields[run / 4];
        const bool groups = run % 4 >= 2, edges = run % 2 == 1;
        SCOPED_TRACE(run); // field, groups, gathered
        Puzzle p = ScrambledFor(field, groups);
        ArrangeLooseGroups(p, {field.width(), field.height(), {}, edges});
        EXPECT_CONSISTENT(p);
        // Y of top and bottom sides, X of left and right sides; then along the side
        double mean[4] = {}, along[4] = {}, count[4] = {};
        for (Integer i = 1; i < Integer(p.Pieces.size()); ++i) {
            const PieceRecord& piece = p.Pieces[i];
            EXPECT_TRUE(QRect(QPoint(), field).contains(BoxOf(p, piece))) << i;
            const QPointF at = Middle(p, piece);
            EXPECT_EQ(FindPieceAt(p, at.x(), at.y()), piece.Group == 0 ? 0 : i); // placed: bare
            const int side = piece.Row == 0 ? 0 : piece.Row == 17 ? 1 : piece.Col == 0 ? 2 : 3;
            if ((piece.Row % 17 == 0) != (piece.Col % 17 == 0) &&
                p.Groups[piece.Group].MemberCount == 1) {
                mean[side] += side < 2 ? at.y() : at.x();
                along[side] += side < 2 ? at.x() : at.y();
                ++count[side];
            }
        }
        if (edges) {
            EXPECT_LT(mean[0] / count[0], mean[1] / count[1]);
            EXPECT_LT(mean[2] / count[2], mean[3] / count[3]);
            // Single pieces only: each side laid as the one across.
            EXPECT_TRUE(groups || (along[0] == along[1] && along[2] == along[3]));
            // Every group with a straight side is drawn above every other.
            EXPECT_TRUE(std::is_partitioned(
                p.GroupOrder.begin() + 1, p.GroupOrder.begin() + 1 + p.GroupOrderCount,
                [&p](Integer g) {
                    const GroupRecord& r = p.Groups[g];
                    return !(r.MinRow == 0 || r.MinCol == 0 || r.MaxRow == 17 || r.MaxCol == 17);
                }));
        }
    }
}

// A small picture leaves room around the board: nothing lands on it or on a kept rectangle.
// Groups that cannot all lie apart still stay inside the field.
TEST(Arrange, PrefersTheFieldAroundTheBoardAndLaysWhatDoesNotFitInsideTheField) {
    Puzzle p = ScrambledFor({1000, 700}, false, 6, 4, {600, 400});
    p.Pieces[24].X = p.Pieces[1].X + 1, p.Pieces[24].Y = p.Pieces[1].Y; // X decides a tie
    const Puzzle before = p;
    // No room for a row or a column of cells: nothing moves.
    ArrangeLooseGroups(p, {1000, 10, {}, false}), ArrangeLooseGroups(p, {10, 700, {}, false});
    ASSERT_EQ(std::tie(p.Pieces, p.GroupOrder), std::tie(before.Pieces, before.GroupOrder));
    std::vector<Integer> order(24);
    std::iota(order.begin(), order.end(), 1);
    std::ranges::sort(order, {}, [&before](Integer i) { // in reading order of where they lay
        return std::pair(before.Pieces[i].Y, before.Pieces[i].X);
    });
    // Cells of 89 x 83 from (56, 101), 10 x 6, the board on (2..7, 1..4). Kept: nothing, then
    // (0..8, 0..5) by a pixel each side, then (1..8, 1..4) edge to edge with the boxes of the
    // cells around: the first and last pieces' places.
    for (const auto& [keep, places] :
         {std::pair(Rect{}, std::array{27, 74, 116, 406}),
          std::pair(Rect{173, 210, 740, 490}, std::array{828, 74, 739, 157}),
          std::pair(Rect{174, 211, 828, 489}, std::array{27, 74, 472, 489})}) {
        ArrangeLooseGroups(p = before, {1000, 700, keep, false});
        const PieceRecord &first = p.Pieces[order[0]], &last = p.Pieces[order[23]];
        EXPECT_EQ((std::array{first.X, first.Y, last.X, last.Y}), places);
    }

    // On a field a column wider than the board, a 3 x 5 block less a corner first, the corner,
    // then an L as tall as the grid, which waits and covers the fewest middles it can.
    Puzzle tight = ScrambledFor({800, 420}, false, 6, 4);
    test::Regroup(tight, 8, test::Ints({8, 9, 10, 11, 12, 14, 15, 16, 17, 18, 20, 21, 22, 23}));
    test::Regroup(tight, 1, test::Ints({1, 2, 3, 4, 5, 6, 7, 13, 19}));
    for (Integer i = 1; i <= 24; ++i) {
        test::LayBeside(tight, i, i < 8 || i % 6 == 1 ? 1 : 8);
    }
    ArrangeLooseGroups(tight, {760, 420, {}, false});
    EXPECT_CONSISTENT(tight);
    EXPECT_EQ(tight.GroupOrder, test::Ints({0, 8, 24, 1})); // the single first; the L waited
    // The block in the grid's first column, the L a column in, covering the fewest middles.
    EXPECT_EQ(std::pair(tight.Pieces[8].X, tight.Pieces[1].X), std::pair(5, 5 + tight.CellWidth));
    EXPECT_TRUE(std::ranges::all_of(tight.Pieces, [&tight](const PieceRecord& piece) {
        return QRect(0, 0, 760, 420).contains(BoxOf(tight, piece));
    }));
}

// Each command is one step Undo names; the progress keeps the finishing time. The faint picture
// shows on the board wherever the classic frame shows the background, made again for another
// background and another cut; the preview above the pieces shows at once, takes the press on its
// area, and its caption grabs it.
TEST(Assist, CommandsProgressFaintPictureAndPreviewAbove) {
    test::GameFixture f;
    test::OpenPatternPicture(f, 48, 320, 240);
    Game& game = *f.game;
    Puzzle& p = game.puzzle;
    Assist assist(game);
    game.mnuFileScramble_Click();
    GameHistory history(game);
    assist.ArrangePieces();
    EXPECT_EQ(f.host.presentCount, 2) << "the scramble, then the arrangement";
    EXPECT_EQ(history.Steps().UndoCaption(), "Undo Arrange Pieces");
    assist.GatherEdgePieces();
    p.Dragging = kTrue, assist.ArrangePieces(), p.Dragging = kFalse; // a piece held meanwhile
    EXPECT_EQ(history.Steps().UndoCaption(), "Undo Gather Edge Pieces");
    p.ElapsedSeconds = 36005, assist.ProgressNow(); // seen unfinished
    game.mnuFileSolve_Click();                      // the clock back at 0
    EXPECT_EQ(assist.ProgressNow(), "Complete \u00B7 10:00:05");
    EXPECT_EQ(ClockText(-5) + ClockText(10799), "0:00:002:59:59"); // none for a clock set back

    const QImage solved = f.host.lastFrame;
    game.mnuFileScramble_Click();
    const QImage classic = f.host.lastFrame;
    assist.SetFaintPicture(true), assist.SetFaintPicture(false); // and made again when turned on
    assist.SetFaintPicture(true);
    EXPECT_EQ(std::pair(FaintPixel(0xFF6432, 0), FaintPixel(0x0A0000, 0xFFFFFF)),
              std::pair(Long(0x33140A), Long(0xCECCCC))); // a fifth of the way, towards zero
    const Long background = game.settings.BackgroundColorFill;
    for (int y = 0; y < classic.height(); ++y) {
        for (int x = 0; x < classic.width(); ++x) {
            const Long was = Rgb(classic, x, y);
            const bool emptyCell = x > p.BoardRect.Left && x <= p.BoardRect.Right &&
                                   y > p.BoardRect.Top && y <= p.BoardRect.Bottom &&
                                   was == background;
            ASSERT_EQ(Rgb(f.host.lastFrame, x, y),
                      emptyCell ? FaintPixel(Rgb(solved, x, y), background) : was)
                << x << ", " << y;
        }
    }
    game.settings.BackgroundColorFill = 0x123456; // made again
    game.picPuzzle_Paint();
    const QPoint empty(int(p.BoardRect.Left) + 1, int(p.BoardRect.Top) + 1); // the first cell
    EXPECT_EQ(Rgb(f.host.lastFrame, empty.x(), empty.y()),
              FaintPixel(Rgb(solved, empty.x(), empty.y()), 0x123456));
    f.host.playFieldSize = QSize(280, 210), game.Form_Resize(); // cut again: made again
    EXPECT_EQ(assist.FrameOptions().FaintPicture->Image().width(), p.PuzzleColumns * p.CellWidth);

    PieceRecord& top = p.Pieces[p.Groups[p.GroupOrder[p.GroupOrderCount]].Members[1]];
    top.X = p.PreviewRect.Left - p.TabWidth;
    top.Y = p.PreviewRect.Top + 4 - p.TabHeight - p.CellHeight / 2;
    game.picPuzzle_Paint();                // above the preview
    const QPointF middle = Middle(p, top); // on the preview's picture
    const QPointF caption(p.PreviewRect.Left + p.TabWidth / 2.0, p.PreviewCaptionRect.Bottom - 3);
    assist.SetPreviewAbovePieces(true);
    EXPECT_EQ(f.host.lastFrame.pixel(middle.toPoint()),
              game.surfaces.PreviewSurface.Image().pixel(
                  middle.toPoint() - QPoint(int(p.PreviewRect.Left), int(p.PreviewRect.Top))));
    game.picPuzzle_MouseDown(kLeftButton, 0, Single(middle.x()), Single(middle.y()));
    EXPECT_FALSE(p.Dragging || p.PreviewDragging);
    EXPECT_FALSE(assist.TakesPress(middle.x(), p.PreviewRect.Bottom)); // the row below the picture
    EXPECT_FALSE(assist.TakesPress(p.PreviewRect.Right, middle.y()));  // and the column right of it
    EXPECT_TRUE(assist.TakesPress(p.PreviewRect.Left, p.PreviewCaptionRect.Top)); // its corner
    game.picPuzzle_MouseDown(kLeftButton, 0, Single(caption.x()), Single(caption.y()));
    EXPECT_TRUE(p.PreviewDragging && !p.Dragging && f.host.pointer == kPointerSizeAll);
    game.picPuzzle_MouseUp(kLeftButton, 0, 0, 0);
    // A drag composes only what changed, with the faint picture and the preview above too.
    const QPointF held =
        Middle(p, p.Pieces[p.Groups[p.GroupOrder[p.GroupOrderCount - 1]].Members[1]]);
    game.picPuzzle_MouseDown(kLeftButton, 0, Single(held.x()), Single(held.y()));
    ASSERT_TRUE(p.Dragging);
    for (const QPointF to : {middle, caption, QPointF(30, 30)}) {
        game.picPuzzle_MouseMove(kLeftButton, 0, Single(to.x()), Single(to.y()));
        const QImage shown = game.surfaces.BackBuffer.Image().copy();
        ComposePlayField(p, game.settings, game.surfaces, 1.0, 1, assist.FrameOptions());
        ASSERT_TRUE(shown == game.surfaces.BackBuffer.Image()) << to.x() << ", " << to.y();
    }
    // A game of one piece, one loose group, arranged: its faint picture is made from piece 1,
    // the only one (the checked and sanitizer builds stop at a read past the pieces).
    game.picPuzzle_MouseUp(kLeftButton, 0, 0, 0);
    test::OpenPatternPicture(f, 1, 320, 240);
    game.mnuFileScramble_Click(), assist.ArrangePieces();
    EXPECT_EQ(history.Steps().UndoCaption(), "Undo Arrange Pieces");
}

} // namespace
} // namespace tess
