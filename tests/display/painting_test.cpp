// Composing the play field: outlines, frame, stacking order and the preview.
#include "display/painting.h"
#include "groups/play_models.h"
#include "puzzle/preview.h"
#include "test_pictures.h"

namespace tess::test {
namespace {

constexpr QRgb kBackground = 0x102030;
constexpr QRgb kOutline = 0xFFFFFF;

// A 3 x 3 puzzle with 60 x 45 cells and its board at (100, 50), each piece a loose group of
// its own at (300 + 10 i, 200 + 10 i); piece surfaces are solid in the piece's number i
// around a keyed margin. The outline lines have colours of their own: 0xFF0001 to 0xFF0004
// for EdgeLineH, EdgeLineV, EdgeStubH and EdgeStubV.
struct Scene {
    Puzzle puzzle = MakePuzzle(3, 3, 60, 45, 100, 50);
    Settings settings;
    Surfaces surfaces;

    Scene() {
        puzzle.PuzzleLoaded = kTrue;
        surfaces.PieceSurfaces.resize(10);
        for (Integer i = 1; i <= 9; ++i) {
            puzzle.Pieces[i].X = 300 + 10 * i;
            puzzle.Pieces[i].Y = 200 + 10 * i;
            Surface& s = surfaces.PieceSurfaces[i];
            s = Filled(100, 75, TransparentKey);
            s.BltColorFill(Rect{20, 15, 80, 60}, i);
            s.SetColorKey(TransparentKey);
            s.PrepareKeyedCopy();
        }
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
    struct Case {
        Integer col, row;
        Flag joinedTop, joinedRight;
        std::string expected; // the copies in their order: top, bottom, left, right
    };
    const Case cases[] = {
        {0, 0, kFalse, kFalse,
         "LineH 119,214 StubH 119,260 StubH 155,260 LineV 119,215 "
         "StubV 180,215 StubV 180,240"},
        // Inner: two stubs a side, each side with its own offset of the second stub.
        {1, 1, kFalse, kFalse,
         "StubH 119,214 StubH 153,214 StubH 119,260 StubH 155,260 "
         "StubV 119,215 StubV 119,241 StubV 180,215 StubV 180,240"},
        // Joined sides get nothing.
        {1, 1, kTrue, kTrue, "StubH 119,260 StubH 155,260 StubV 119,215 StubV 119,241"},
        {2, 2, kTrue, kFalse, "LineH 119,260 StubV 119,215 StubV 119,241 LineV 180,215"},
    };
    const char* const names[] = {"LineH", "LineV", "StubH", "StubV"};
    for (const Case& c : cases) {
        piece.Col = c.col;
        piece.Row = c.row;
        piece.JoinedTop = c.joinedTop;
        piece.JoinedRight = c.joinedRight;
        OutlineCopy copies[8];
        std::string shown;
        for (int i = 0, n = PieceOutline(scene.puzzle, piece, copies); i < n; ++i) {
            shown += (i ? " " : "") + std::string(names[int(copies[i].Line)]) + " " +
                     std::to_string(copies[i].X) + "," + std::to_string(copies[i].Y);
        }
        EXPECT_EQ(shown, c.expected) << c.col << c.row;
    }
}

TEST(Painting, DrawsFramePlacedPiecesAndGroupsInOrder) {
    Scene scene;
    // Pieces 2 and 3 overlap; 3 is later in GroupOrder, so it is on top.
    scene.puzzle.Pieces[2].X = 500;
    scene.puzzle.Pieces[2].Y = 400;
    scene.puzzle.Pieces[3].X = 510;
    scene.puzzle.Pieces[3].Y = 400;
    ComposePlayField(scene.puzzle, scene.settings, scene.surfaces);
    const Surface& back = scene.Back();
    EXPECT_EQ(At(back, 0, 0), kBackground);
    // The frame runs on the column and row of BoardLeft and BoardTop, and on Right + 1 and
    // Bottom + 1.
    for (const auto& [x, y] : {std::pair{100, 50}, {281, 50}, {281, 120}, {150, 186}}) {
        EXPECT_EQ(At(back, x, y), kOutline) << x << "," << y;
    }
    EXPECT_EQ(At(back, 150, 185), kBackground);
    EXPECT_EQ(At(back, 535, 440), 3u) << "the later group lies on top";
    EXPECT_EQ(At(back, 525, 440), 2u);
    EXPECT_EQ(At(back, 515, 420), kBackground) << "keyed margin stays transparent";
    EXPECT_EQ(At(back, 409, 304), 0xFF0003u) << "piece 9's top stub";
    EXPECT_EQ(At(back, 420, 350), 0xFF0001u) << "its bottom line";
    EXPECT_EQ(At(back, 409, 350), 0xFF0004u) << "its left stub, drawn after the line";

    // Solved, without outlines, 3 placed: placed pieces lie below the loose groups.
    scene.settings.OutlinePieces = false;
    scene.puzzle.PuzzleSolved = kTrue;
    scene.puzzle.Groups[3].InPlace = kTrue;
    scene.puzzle.PlacedPieces = {0, 3};
    scene.puzzle.PlacedCount = 1;
    ComposePlayField(scene.puzzle, scene.settings, scene.surfaces);
    EXPECT_EQ(At(back, 100, 50), kBackground) << "a solved puzzle has no frame";
    EXPECT_EQ(At(back, 535, 440), 2u) << "a group in place is not drawn as loose";
    EXPECT_EQ(At(back, 585, 440), 3u);
    EXPECT_EQ(At(back, 409, 304), 8u) << "no outlines: piece 8 shows below";
}

TEST(Painting, ThePreviewAndItsCaptionSitWhereTheGeometrySays) {
    Scene scene;
    scene.settings.ViewPreview = true;
    scene.settings.PreviewCaptionBackgroundColorFill = 0x000000;
    scene.settings.PreviewCaptionTextColor = 0xFFFFFF;
    ApplyPreviewGeometry(scene.puzzle, ComputePreviewGeometry(600, 450, 3, 800, 0));
    scene.surfaces.PreviewSurface = Filled(200, 150, 0x00FF00);
    // Piece 1 placed under the preview, piece 2 loose above it.
    scene.puzzle.Pieces[1].X = 560;
    scene.puzzle.Pieces[1].Y = 10;
    scene.puzzle.PlacedPieces = {0, 1};
    scene.puzzle.PlacedCount = 1;
    scene.puzzle.Pieces[2].X = 700;
    scene.puzzle.Pieces[2].Y = 100;
    scene.puzzle.GroupOrder = {0, 2};
    scene.puzzle.GroupOrderCount = 1;
    ComposePlayField(scene.puzzle, scene.settings, scene.surfaces);
    const Surface& back = scene.Back();
    // Caption rows 4 to 20 and picture rows 22 to 171 in columns 596 to 795; the preview
    // covers the placed piece and the loose piece covers the preview.
    const int points[][2] = {{596, 3},   {596, 4},  {795, 20}, {795, 21}, {596, 22}, {795, 171},
                             {596, 172}, {595, 10}, {796, 10}, {600, 30}, {740, 140}};
    std::vector<QRgb> shown;
    for (const auto& [x, y] : points) {
        shown.push_back(At(back, x, y));
    }
    const QRgb bg = kBackground, green = 0x00FF00;
    EXPECT_EQ(shown, (std::vector<QRgb>{bg, 0, 0, bg, green, green, bg, bg, bg, green, 2}));
    int text = 0;
    for (int i = 0; i < 17 * 64; ++i) {
        text += qGreen(At(back, 596 + i % 64, 4 + i / 64)) > 128;
    }
    EXPECT_GT(text, 20) << "the word Preview in the caption";

    // A bar narrower than its text: the text runs on past the bar's right end at 796.
    ApplyPreviewGeometry(scene.puzzle, ComputePreviewGeometry(60, 450, 3, 800, 0));
    ASSERT_EQ(scene.puzzle.PreviewCaptionRect, (Rect{776, 4, 796, 21}));
    scene.surfaces.PreviewSurface = Filled(20, 150, 0x00FF00);
    ComposePlayField(scene.puzzle, scene.settings, scene.surfaces);
    int beyond = 0;
    for (int i = 0; i < 17 * 4; ++i) {
        beyond += At(back, 796 + i % 4, 4 + i / 4) != kBackground;
    }
    EXPECT_GT(beyond, 3) << "the caption is not cut off at the bar";

    scene.settings.ViewPreview = false;
    ComposePlayField(scene.puzzle, scene.settings, scene.surfaces);
    EXPECT_EQ(At(back, 700, 10), kBackground) << "no caption without the preview";
}

} // namespace
} // namespace tess::test
