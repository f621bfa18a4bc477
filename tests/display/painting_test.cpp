// The surface layer (clipped and keyed copies, fills, the key nudge) and composing the play
// field with it: outlines, frame, stacking order and the preview.
#include "display/frame_record.h"
#include "display/painting.h"
#include "groups/play_models.h"
#include "puzzle/preview.h"
#include "test_pictures.h"

#include <QPainter>
#include <array>
#include <random>

namespace tess::test {
namespace {
TEST(Surface, CopiesOnlyWhatLiesInsideBothSurfacesAndKeyedCopiesLeaveOutTheKey) {
    // A 4 x 4 source, blue with red at (2, 1) and the key at (1, 2), into a black 10 x 10
    // target: the pixels an opaque and a keyed copy change, and where red lands (y * 10 + x).
    const std::tuple<Long, Long, Rect, int, int, int> cases[] = {
        {0, 0, WholeRect, 16, 15, 12},       {8, 8, WholeRect, 4, 4, -1},
        {-2, -3, WholeRect, 2, 2, -1},       {10, 0, WholeRect, 0, 0, -1},
        {-1, 1, WholeRect, 12, 11, 21},      {5, 6, Rect{2, 1, 4, 3}, 4, 4, 65},
        {-1, 0, Rect{1, 0, 4, 4}, 8, 8, 10}, {0, 0, Rect{-2, -2, 2, 2}, 4, 4, -1},
        {0, 0, Rect{3, 0, 3, 4}, 0, 0, -1},  {5, 5, Rect{2, 2, 9, 9}, 4, 4, -1},
    };
    Surface source = Surface::CreateSurface(4, 4, 0x0000FF);
    source.BltColorFill(Rect{2, 1, 3, 2}, 0xFF0000);
    source.BltColorFill(Rect{1, 2, 2, 3}, TransparentKey);
    source.SetColorKey(TransparentKey);
    // Keyed copies test each pixel until PrepareKeyedCopy records the runs of opaque ones.
    for (const int pass : {0, 1, 2}) {
        if (pass == 2) {
            source.PrepareKeyedCopy();
        }
        for (const auto& [x, y, rect, opaque, keyed, red] : cases) {
            Surface target = Surface::CreateSurface(10, 10, 0);
            target.BltFast(x, y, source, rect,
                           pass == 0 ? kBltFastNoWait : kBltFastSrcColorKeyNoWait);
            int changed = 0, redAt = -1;
            for (int i = 0; i < 100; ++i) {
                changed += At(target, i % 10, i / 10) != 0;
                redAt = At(target, i % 10, i / 10) == 0xFF0000u ? i : redAt;
            }
            EXPECT_EQ(changed, pass == 0 ? opaque : keyed) << x << "," << y << " " << pass;
            EXPECT_EQ(redAt, red) << x << "," << y;
        }
    }
}

TEST(Surface, FillsClipAndTheNudgeMovesOnlyTheKey) {
    // The nudge steps blue down, or up from 0.
    Surface s = Surface::CreateSurface(5, 5, 0);
    s.BltColorFill(Rect{-3, -2, 2, 1}, TransparentKey);
    s.BltColorFill(Rect{3, 4, 9, 9}, TransparentKey);
    s.BltColorFill(Rect{2, 4, 3, 5}, 0xABCD00);
    s.NudgePixels(TransparentKey);
    s.NudgePixels(0xABCD00);
    EXPECT_EQ(
        (std::vector{At(s, 0, 0), At(s, 1, 0), At(s, 2, 0), At(s, 0, 1), At(s, 4, 4), At(s, 2, 4)}),
        (std::vector<QRgb>{0xC2B852, 0xC2B852, 0, 0, 0xC2B852, 0xABCD01}));
    // A side of 0 is refused as such, whether a surface is made or stretched.
    for (const auto& [width, height, stretch] : {std::tuple{4, 0, false}, {0, 4, true}}) {
        try {
            const Surface made = stretch ? Surface::CreateStretchedSurface(s, width, height)
                                         : Surface::CreateSurface(width, height);
            ADD_FAILURE() << made.GetSurfaceDesc().Width << " x " << height;
        } catch (const SurfaceError& e) {
            EXPECT_STREQ(e.what(), "a surface needs a positive width and height");
        }
    }
    // A picture that decodes to more than Qt's own limit (128 MB with Qt 6.4) but within ours.
    const QTemporaryDir dir;
    QImage big(6000, 6000, QImage::Format_RGB32);
    big.fill(0x123456);
    ASSERT_TRUE(big.save(dir.filePath("big.jpg")));
    EXPECT_EQ(Surface::CreateSurfaceFromFile(dir.filePath("big.jpg")).GetSurfaceDesc().Width, 6000);
}

TEST(Painting, OutlinesFollowTheTable) {
    const Puzzle puzzle = MakePuzzle(3, 3, 60, 45, 100, 50);
    PieceRecord piece = puzzle.Pieces[1];
    std::tie(piece.X, piece.Y) = std::pair{100, 200};
    // Column, row, whether joined on the top and right; the copies top, bottom, left, right,
    // H and V for the lines, h and v for the stubs. Inner sides have two stubs, each side with
    // its own offset of the second; joined sides get nothing.
    const std::tuple<Integer, Integer, bool, const char*> cases[] = {
        {0, 0, false, "H119,214 h119,260 h155,260 V119,215 v180,215 v180,240"},
        {1, 1, false, "h119,214 h153,214 h119,260 h155,260 v119,215 v119,241 v180,215 v180,240"},
        {2, 2, true, "H119,260 v119,215 v119,241"},
    };
    const char* const names[] = {"H", "V", "h", "v"};
    for (const auto& [col, row, joined, expected] : cases) {
        std::tie(piece.Col, piece.Row) = std::pair{col, row};
        piece.JoinedTop = piece.JoinedRight = ToFlag(joined);
        OutlineCopy copies[8];
        std::string shown;
        for (int i = 0, n = PieceOutline(puzzle, piece, copies); i < n; ++i) {
            shown += std::string(i ? " " : "") + names[int(copies[i].Line)] +
                     std::to_string(copies[i].X) + "," + std::to_string(copies[i].Y);
        }
        EXPECT_EQ(shown, expected) << col << row;
    }
}

TEST(Painting, DrawsFramePlacedPiecesPreviewAndGroupsInOrder) {
    // A 3 x 3 puzzle with 60 x 45 cells and its board at (100, 50), each piece a loose group
    // of its own at (300 + 10 i, 200 + 10 i), its surface solid in its number i around a keyed
    // margin. The outline lines have colours of their own: 0xFF0001 to 0xFF0004 for
    // EdgeLineH, EdgeLineV, EdgeStubH and EdgeStubV.
    constexpr QRgb bg = 0x302010, line = 0xFFFFFF, green = 0x00FF00;
    Puzzle p = MakePuzzle(3, 3, 60, 45, 100, 50);
    p.PuzzleLoaded = kTrue;
    Surfaces s;
    s.PieceSurfaces.resize(10);
    for (Integer i = 1; i <= 9; ++i) {
        std::tie(p.Pieces[i].X, p.Pieces[i].Y) = std::pair{300 + 10 * i, 200 + 10 * i};
        s.PieceSurfaces[i] = Surface::CreateSurface(100, 75, TransparentKey);
        s.PieceSurfaces[i].BltColorFill(Rect{20, 15, 80, 60}, i);
        s.PieceSurfaces[i].SetColorKey(TransparentKey);
    }
    // 2 and 3 overlap, 3 later in GroupOrder; 1 is placed under the preview; 4 is loose on it.
    for (const auto& [i, x, y] :
         {std::tuple{1, 560, 10}, {2, 500, 400}, {3, 510, 400}, {4, 700, 100}}) {
        std::tie(p.Pieces[i].X, p.Pieces[i].Y) = std::pair{x, y};
    }
    p.PlacedPieces = {0, 1};
    p.PlacedCount = 1;
    p.Groups[1].InPlace = kTrue;
    p.Pieces[6].JoinedLeft = kTrue; // its left side has no outline
    Settings settings;
    settings.BackgroundColorFill = bg;
    settings.PreviewCaptionTextColor = 0xCC6633; // a window colour: red in the low byte
    s.BackBuffer = Surface::CreateSurface(800, 560);
    s.FrameLineH = Surface::CreateSurface(182, 1, line);
    s.FrameLineV = Surface::CreateSurface(1, 137, line);
    s.EdgeLineH = Surface::CreateSurface(62, 1, 0xFF0001);
    s.EdgeLineV = Surface::CreateSurface(1, 45, 0xFF0002);
    s.EdgeStubH = Surface::CreateSurface(27, 1, 0xFF0003);
    s.EdgeStubV = Surface::CreateSurface(1, 20, 0xFF0004);
    // Caption rows 4 to 20 and picture rows 22 to 171 in columns 596 to 795.
    ApplyPreviewGeometry(p, ComputePreviewGeometry(600, 450, 3, 800, 0));
    s.PreviewSurface = Surface::CreateSurface(200, 150, green);
    ComposePlayField(p, settings, s);
    // The frame on the rows and columns of BoardLeft/Top and Right/Bottom + 1; the later
    // group on top, the keyed margin transparent; piece 9's top stub, bottom line and left
    // stub, drawn after the line; no outline on the placed piece; the caption bar and picture,
    // the placed piece under the preview, piece 4 over it.
    std::vector<QRgb> shown;
    for (const auto& [x, y] :
         {std::pair{0, 0}, {100, 50},  {281, 50},  {281, 120}, {150, 186}, {150, 185},
          {535, 440},      {525, 440}, {515, 420}, {409, 304}, {420, 350}, {409, 350},
          {579, 30},       {596, 3},   {596, 4},   {795, 20},  {795, 21},  {596, 22},
          {795, 171},      {596, 172}, {595, 10},  {796, 10},  {600, 30},  {740, 140}}) {
        shown.push_back(At(s.BackBuffer, x, y));
    }
    EXPECT_EQ(shown, (std::vector<QRgb>{bg, line,     line,     line,     line, bg, 3,     2,
                                        bg, 0xFF0003, 0xFF0001, 0xFF0004, bg,   bg, 0,     0,
                                        bg, green,    green,    bg,       bg,   bg, green, 4}));
    // The caption's text pixels: the text colour 0x3366CC over the bar, blue above green above red.
    int text = 0;
    for (int i = 0; i < 200 * 17; ++i) {
        const QRgb v = At(s.BackBuffer, 596 + i % 200, 4 + i / 200);
        text += qBlue(v) > qGreen(v) && qGreen(v) > qRed(v);
    }
    EXPECT_GT(text, 0);

    // Composed again only where a piece was and is, within the field (its column 0 too); where
    // a loose piece's joined sides, and so its outline, changed; all of it for another cut, a
    // solved puzzle (the board's frame goes), a line of another colour and another pixel ratio.
    const std::tuple<void (*)(Puzzle&, Surfaces&), double, std::vector<Rect>> changes[] = {
        {[](Puzzle&, Surfaces&) {}, 1.0, {}},
        {[](Puzzle& q, Surfaces&) { q.Pieces[5].X = -30; },
         1.0,
         {{350, 250, 450, 325}, {0, 250, 70, 325}}},
        {[](Puzzle& q, Surfaces&) { q.Pieces[6].JoinedTop = kTrue; }, 1.0, {{360, 260, 460, 335}}},
        {[](Puzzle& q, Surfaces&) { ++q.NumberOfPieces; }, 1.0, {{0, 0, 800, 560}}},
        {[](Puzzle& q, Surfaces&) { q.PuzzleSolved = kTrue; }, 1.0, {{0, 0, 800, 560}}},
        {[](Puzzle&, Surfaces& t) { t.EdgeLineH = Surface::CreateSurface(62, 1, 5); },
         1.0,
         {{0, 0, 800, 560}}},
        {[](Puzzle&, Surfaces&) {}, 2.0, {{0, 0, 800, 560}}},
    };
    for (const auto& [change, ratio, areas] : changes) {
        ComposePlayField(p, settings, s);
        Puzzle changed = p;
        change(changed, s);
        EXPECT_EQ(ComposePlayFieldChanges(changed, settings, s, ratio), areas) << areas.size();
    }
}

// What the preview hides and the cells placed pieces fill are left out of a frame: composed
// over any earlier contents it is the same frame, and outside the preview it is the frame
// without the preview; with the preview below or above, with a faint picture or without.
TEST(Painting, WhatIsLeftOutNeverShows) {
    GameFixture f;
    OpenPatternPicture(f, 48, 320, 240);
    Game& g = *f.game;
    Puzzle& p = g.puzzle;
    g.mnuFileScramble_Click();
    while (p.GroupOrderCount > 8) {
        g.mnuFileHint_Click();
    }
    // One loose piece across the preview's left edge, one wholly on its picture.
    const Rect at = p.PreviewRect;
    for (const auto& [k, x] : {std::pair{1, at.Left - p.CellWidth}, {2, at.Left + 2}}) {
        PieceRecord& piece = p.Pieces[p.Groups[p.GroupOrder[k]].Members[1]];
        std::tie(piece.X, piece.Y) = std::pair{x, at.Top + 2};
    }
    Surface faint = Surface::CreateSurface(p.PuzzleColumns * p.CellWidth,
                                           p.PuzzleRows * p.CellHeight, 0x405060);
    auto compose = [&](const PaintOptions& options, bool preview, QRgb before) {
        g.settings.ViewPreview = preview;
        g.surfaces.BackBuffer.BltColorFill(WholeRect, before);
        ComposePlayField(p, g.settings, g.surfaces, 1.0, 2, options);
        return g.surfaces.BackBuffer.Image().copy();
    };
    for (const PaintOptions options :
         {PaintOptions{nullptr, false}, {nullptr, true}, {&faint, false}, {&faint, true}}) {
        const QImage shown = compose(options, true, 0x010101);
        EXPECT_TRUE(shown == compose(options, true, 0xFEFEFE)) << options.PreviewAbove;
        // The frame without the preview, with the preview's part of the frame laid on it.
        QImage without = compose(options, false, 0x010101);
        const Rect b = PreviewBounds(p, g.surfaces, 1.0);
        const QRect preview(int(b.Left), int(b.Top), int(b.Right - b.Left), int(b.Bottom - b.Top));
        QPainter(&without).drawImage(preview.topLeft(), shown, preview);
        EXPECT_TRUE(shown == without) << options.PreviewAbove;
    }
}

TEST(Painting, ChangedAreasMergeWhatHardlyGrowsAndPastEightThePairThatGrowsLeast) {
    // Squares 10 wide, 30 apart but for the two at 240 and 260; the one at 250 joins them.
    std::vector<Rect> areas;
    for (const Long x : {0, 40, 80, 120, 160, 200, 240, 260, 300, 250}) {
        AddArea(areas, Rect{x, 0, x + 10, 10});
    }
    std::vector<Rect> expected; // the merged three last
    for (const Long x : {0, 40, 80, 120, 160, 200, 300, 240}) {
        expected.push_back(Rect{x, 0, x + (x == 240 ? 30 : 10), 10});
    }
    EXPECT_EQ(areas, expected);
}

TEST(Painting, ComposingOnlyTheChangesGivesTheWholeFrameAfterEveryStep) {
    // 324 pieces; random drags of pieces and groups (most dropped where they fit a neighbour),
    // Hint, and drags of the preview. After every step the back buffer is compared with the
    // frame composed whole, and the model checked.
    GameFixture f;
    f.host.playFieldSize = QSize(1000, 700);
    OpenPatternPicture(f, 324, 960, 640);
    Game& g = *f.game;
    g.settings.TimePuzzle = false;
    g.mnuFileScramble_Click();
    Puzzle& p = g.puzzle;
    const Long hw = (2 * p.TabWidth + p.CellWidth) / 2, hh = (2 * p.TabHeight + p.CellHeight) / 2;
    std::mt19937 rng(23u);
    auto uniform = [&rng](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(rng);
    };
    int partial = 0;
    auto check = [&](int step) {
        partial += !f.host.lastChanged.isEmpty();
        const QImage shown = g.surfaces.BackBuffer.Image().copy();
        ComposePlayField(p, g.settings, g.surfaces);
        ASSERT_TRUE(shown == g.surfaces.BackBuffer.Image()) << "step " << step;
        EXPECT_CONSISTENT(p);
    };
    for (int step = 0; step < 400 && !HasFailure(); ++step) {
        const int what = uniform(0, 19);
        if (what == 0) {
            g.mnuFileHint_Click();
        } else if (what == 1) {
            const Rect bar = p.PreviewCaptionRect;
            g.picPuzzle_MouseDown(kLeftButton, 0, Single(bar.Left + 30), Single(bar.Top + 8));
            for (int i = 0; i < 3; ++i) {
                g.picPuzzle_MouseMove(kLeftButton, 0, Single(uniform(0, 999)),
                                      Single(uniform(0, 699)));
                check(step);
            }
            g.picPuzzle_MouseUp(kLeftButton, 0, 0, 0);
        } else {
            const Integer group = p.GroupOrder[uniform(1, p.GroupOrderCount)];
            const PieceRecord& held =
                p.Pieces[p.Groups[group].Members[uniform(1, p.Groups[group].MemberCount)]];
            g.picPuzzle_MouseDown(kLeftButton, 0, Single(held.X + hw), Single(held.Y + hh));
            for (int i = uniform(0, 3); i > 0; --i) {
                g.picPuzzle_MouseMove(kLeftButton, 0, Single(held.X + hw + uniform(-40, 40)),
                                      Single(held.Y + hh + uniform(-40, 40)));
                check(step);
            }
            // Near where it fits a piece beside it in the picture.
            const int n = p.SelectedPiece + std::array{-18, 18, -1, 1}[uniform(0, 3)];
            if (n >= 1 && n <= 324 && p.Pieces[n].Group != 0) {
                const Long x = p.Pieces[n].X + (held.Col - p.Pieces[n].Col) * p.CellWidth;
                const Long y = p.Pieces[n].Y + (held.Row - p.Pieces[n].Row) * p.CellHeight;
                g.picPuzzle_MouseMove(kLeftButton, 0, Single(x + hw + uniform(-3, 3)),
                                      Single(y + hh + uniform(-3, 3)));
                check(step);
            }
            g.picPuzzle_MouseUp(kLeftButton, 0, 0, 0);
        }
        check(step);
    }
    EXPECT_LT(p.GroupOrderCount, 250) << "pieces joined and were placed";
    EXPECT_GT(partial, 500) << "frames composed in part";
}

} // namespace
} // namespace tess::test
