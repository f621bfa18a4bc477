#include "display/painting.h"

#include "puzzle/preview.h"

#include <gtest/gtest.h>

namespace tess {
namespace {

constexpr Long kBackground = 0x102030;
constexpr Long kOutline = 0xFFFFFF;

QRgb At(const Surface& s, int x, int y) { return s.Image().pixel(x, y) & 0xFFFFFFu; }

Surface Filled(Long width, Long height, Long pixel) {
    Surface s = Surface::CreateSurface(width, height);
    s.BltColorFill(WholeRect, pixel);
    return s;
}

// A 3 x 3 puzzle with 60 x 45 cells, each piece a loose group of its own at the given
// position; piece surfaces are solid in the piece's colour 0x0000pp around a keyed margin.
struct Scene {
    Puzzle puzzle;
    Settings settings;
    Surfaces surfaces;

    Scene() {
        puzzle.PuzzleLoaded = kTrue;
        puzzle.NumberOfPieces = 9;
        puzzle.PuzzleColumns = 3;
        puzzle.PuzzleRows = 3;
        puzzle.CellWidth = 60;
        puzzle.CellHeight = 45;
        puzzle.TabWidth = 20;
        puzzle.TabHeight = 15;
        puzzle.BoardRect = Rect{100, 50, 280, 185};
        puzzle.Pieces.resize(10);
        puzzle.Groups.resize(10);
        puzzle.GroupOrder.assign(1, 0);
        surfaces.PieceSurfaces.resize(10);
        for (Integer i = 1; i <= 9; ++i) {
            PieceRecord& p = puzzle.Pieces[i];
            p.Col = Integer((i - 1) % 3);
            p.Row = Integer((i - 1) / 3);
            p.Group = i;
            p.X = 300 + 10 * i;
            p.Y = 200 + 10 * i;
            puzzle.Groups[i].Members = {0, i};
            puzzle.Groups[i].MemberCount = 1;
            puzzle.GroupOrder.push_back(i);
            Surface& s = surfaces.PieceSurfaces[i];
            s = Filled(100, 75, TransparentKey);
            s.BltColorFill(Rect{20, 15, 80, 60}, i);
            s.SetColorKey(TransparentKey);
            s.PrepareKeyedCopy();
        }
        puzzle.GroupOrderCount = 9;
        settings.BackgroundColorFill = kBackground;
        settings.OutlineColorFill = kOutline;
        settings.ViewPreview = false;
        surfaces.BackBuffer = Surface::CreateSurface(800, 560);
        surfaces.FrameLineH = Filled(182, 1, kOutline);
        surfaces.FrameLineV = Filled(1, 137, kOutline);
        surfaces.EdgeLineH = Filled(62, 1, 0xFF0001);
        surfaces.EdgeLineV = Filled(1, 45, 0xFF0002);
        surfaces.EdgeStubH = Filled(27, 1, 0xFF0003);
        surfaces.EdgeStubV = Filled(1, 20, 0xFF0004);
    }
    const Surface& Back() const { return surfaces.BackBuffer; }
};

TEST(Painting, OutlinesFollowTheTable) {
    Scene scene;
    PieceRecord piece = scene.puzzle.Pieces[1];
    piece.X = 100;
    piece.Y = 200;
    OutlineCopy copies[8];
    using L = OutlineLine;
    struct Case {
        Integer col, row;
        Flag joinedTop, joinedRight;
        std::vector<OutlineCopy> expected;
    };
    const Case cases[] = {
        // Top-left corner: lines top and left, stubs bottom and right.
        {0,
         0,
         kFalse,
         kFalse,
         {{L::EdgeLineH, 119, 214},
          {L::EdgeStubH, 119, 260},
          {L::EdgeStubH, 155, 260},
          {L::EdgeLineV, 119, 215},
          {L::EdgeStubV, 180, 215},
          {L::EdgeStubV, 180, 240}}},
        // The centre: stubs everywhere, with each side's own offset of the second stub.
        {1,
         1,
         kFalse,
         kFalse,
         {{L::EdgeStubH, 119, 214},
          {L::EdgeStubH, 153, 214},
          {L::EdgeStubH, 119, 260},
          {L::EdgeStubH, 155, 260},
          {L::EdgeStubV, 119, 215},
          {L::EdgeStubV, 119, 241},
          {L::EdgeStubV, 180, 215},
          {L::EdgeStubV, 180, 240}}},
        // Bottom-right corner joined above and on its right: bottom line, left stubs.
        {2,
         2,
         kTrue,
         kTrue,
         {{L::EdgeLineH, 119, 260}, {L::EdgeStubV, 119, 215}, {L::EdgeStubV, 119, 241}}},
    };
    for (const Case& c : cases) {
        piece.Col = c.col;
        piece.Row = c.row;
        piece.JoinedTop = c.joinedTop;
        piece.JoinedRight = c.joinedRight;
        const int n = PieceOutline(scene.puzzle, piece, copies);
        EXPECT_EQ(std::vector<OutlineCopy>(copies, copies + n), c.expected) << c.col << c.row;
    }
}

TEST(Painting, DrawsFrameGroupsInOrderAndOutlines) {
    Scene scene;
    // Pieces 2 and 3 overlap; 3 is later in GroupOrder, so it is on top.
    scene.puzzle.Pieces[2].X = 500;
    scene.puzzle.Pieces[2].Y = 400;
    scene.puzzle.Pieces[3].X = 510;
    scene.puzzle.Pieces[3].Y = 400;
    ComposePlayField(scene.puzzle, scene.settings, scene.surfaces);
    const Surface& back = scene.Back();
    EXPECT_EQ(At(back, 0, 0), QRgb(kBackground));
    EXPECT_EQ(At(back, 100, 50), QRgb(kOutline)) << "frame on the column and row of BoardLeft/Top";
    EXPECT_EQ(At(back, 281, 50), QRgb(kOutline)) << "frame line ends at Right + 1";
    EXPECT_EQ(At(back, 281, 120), QRgb(kOutline)) << "right frame at Right + 1";
    EXPECT_EQ(At(back, 150, 186), QRgb(kOutline)) << "bottom frame at Bottom + 1";
    EXPECT_EQ(At(back, 150, 185), QRgb(kBackground));
    EXPECT_EQ(At(back, 535, 440), 3u) << "the later group lies on top";
    EXPECT_EQ(At(back, 525, 440), 2u);
    EXPECT_EQ(At(back, 515, 420), QRgb(kBackground)) << "keyed margin stays transparent";
    // Piece 9 (bottom-right) at (390, 290): its outline stubs and lines.
    EXPECT_EQ(At(back, 390 + 19, 290 + 14), 0xFF0003u) << "top stub";
    EXPECT_EQ(At(back, 390 + 30, 290 + 15 + 45), 0xFF0001u) << "bottom line";
    EXPECT_EQ(At(back, 390 + 19, 290 + 15 + 45), 0xFF0004u) << "the left stub is drawn after it";

    scene.settings.OutlinePieces = false;
    scene.puzzle.PuzzleSolved = kTrue;
    scene.puzzle.Groups[3].InPlace = kTrue;
    ComposePlayField(scene.puzzle, scene.settings, scene.surfaces);
    EXPECT_EQ(At(back, 100, 50), QRgb(kBackground)) << "a solved puzzle has no frame";
    EXPECT_EQ(At(back, 535, 440), 2u) << "a group in place is not drawn as loose";
    EXPECT_EQ(At(back, 585, 440), QRgb(kBackground));
    EXPECT_EQ(At(back, 390 + 19, 290 + 14), 8u) << "no outlines: piece 8 shows below";

    // Placed pieces are drawn first, below the preview and the loose groups.
    scene.puzzle.PlacedPieces = {0, 3};
    scene.puzzle.PlacedCount = 1;
    ComposePlayField(scene.puzzle, scene.settings, scene.surfaces);
    EXPECT_EQ(At(back, 585, 440), 3u);
    EXPECT_EQ(At(back, 535, 440), 2u) << "loose groups above placed pieces";
}

TEST(Painting, ThePreviewAndItsCaptionSitWhereTheGeometrySays) {
    Scene scene;
    scene.settings.ViewPreview = true;
    scene.settings.PreviewCaptionBackgroundColorFill = 0x000000;
    scene.settings.PreviewCaptionTextColor = 0xFFFFFF;
    ApplyPreviewGeometry(scene.puzzle, ComputePreviewGeometry(600, 450, 3, 800, 0));
    scene.surfaces.PreviewSurface = Filled(200, 150, 0x00FF00);
    scene.puzzle.GroupOrderCount = 0;
    ComposePlayField(scene.puzzle, scene.settings, scene.surfaces);
    const Surface& back = scene.Back();
    for (const int x : {596, 795}) {
        EXPECT_EQ(At(back, x, 3), QRgb(kBackground));
        EXPECT_EQ(At(back, x, 4), 0u) << "caption from row 4";
        EXPECT_EQ(At(back, x, 20), 0u) << "to row 20";
        EXPECT_EQ(At(back, x, 21), QRgb(kBackground));
        EXPECT_EQ(At(back, x, 22), 0x00FF00u) << "picture from row 22";
        EXPECT_EQ(At(back, x, 171), 0x00FF00u) << "to row 171";
        EXPECT_EQ(At(back, x, 172), QRgb(kBackground));
    }
    EXPECT_EQ(At(back, 595, 10), QRgb(kBackground));
    EXPECT_EQ(At(back, 796, 10), QRgb(kBackground));
    int text = 0;
    for (int y = 4; y <= 20; ++y) {
        for (int x = 596; x < 660; ++x) {
            text += qGreen(At(back, x, y)) > 128;
        }
    }
    EXPECT_GT(text, 20) << "the word Preview in the caption";

    // The preview lies above placed pieces and below loose groups.
    scene.puzzle.Pieces[1].X = 560;
    scene.puzzle.Pieces[1].Y = 10;
    scene.puzzle.PlacedPieces = {0, 1};
    scene.puzzle.PlacedCount = 1;
    scene.puzzle.Pieces[2].X = 560;
    scene.puzzle.Pieces[2].Y = 100;
    scene.puzzle.GroupOrder = {0, 2};
    scene.puzzle.GroupOrderCount = 1;
    ComposePlayField(scene.puzzle, scene.settings, scene.surfaces);
    EXPECT_EQ(At(back, 600, 30), 0x00FF00u);
    EXPECT_EQ(At(back, 600, 120), 2u);

    scene.settings.ViewPreview = false;
    ComposePlayField(scene.puzzle, scene.settings, scene.surfaces);
    EXPECT_EQ(At(back, 700, 10), QRgb(kBackground)) << "no caption without the preview";
    EXPECT_EQ(At(back, 700, 100), QRgb(kBackground));
}

TEST(Painting, NothingWithoutAPuzzle) {
    Scene scene;
    scene.surfaces.BackBuffer.BltColorFill(WholeRect, 0x777777);
    scene.puzzle.PuzzleLoaded = kFalse;
    ComposePlayField(scene.puzzle, scene.settings, scene.surfaces);
    EXPECT_EQ(At(scene.Back(), 0, 0), 0x777777u);
}

} // namespace
} // namespace tess
