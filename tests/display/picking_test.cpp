// Picking pieces by their shape, and dragging groups and the preview.
#include "display/picking.h"
#include "groups/play_models.h"

#include <gtest/gtest.h>

namespace tess::test {
namespace {

// Cells 60 x 45, tabs 20 x 15, on an 800 x 560 field.
Puzzle FiveByThree() { return MakePuzzle(5, 3, 60, 45, 100, 60); }

void Put(Puzzle& p, int piece, Long x, Long y) {
    p.Pieces[piece].X = x;
    p.Pieces[piece].Y = y;
}

TEST(Picking, TheShapeTestUsesOpenRectanglesOfTheBody) {
    struct Case {
        const char* what;
        int piece;
        double x, y;
        bool hit;
    };
    // The piece alone with its surface at (100, 100): its cell is 120..180 x 115..160.
    const Case cases[] = {
        // 6: left border, knobs top and bottom, socket right.
        {"left border edge", 6, 120, 137, false},
        {"just inside the left border", 6, 121, 137, true},
        {"top knob", 6, 150, 105, true},
        {"top knob's top edge", 6, 150, 100, false},
        {"beside the top knob", 6, 130, 105, false},
        {"right socket", 6, 170, 137, false},
        {"upper end of the right band", 6, 170, 120, true},
        {"seam below that end", 6, 170, 130, false},
        {"bottom knob", 6, 150, 170, true},
        // 1: knob right, socket bottom.
        {"1 cell", 1, 150, 130, true},
        {"1 bottom socket", 1, 150, 150, false},
        {"1 bottom band, left third", 1, 130, 150, true},
        {"1 seam above the band", 1, 130, 145, false},
        {"1 right knob", 1, 190, 137, true},
        {"1 beside its right knob", 1, 190, 125, false},
        {"1 no top knob", 1, 150, 105, false},
        // 7: inner, knobs left and right, sockets top and bottom.
        {"7 left knob", 7, 110, 137, true},
        {"7 top socket", 7, 150, 120, false},
        {"7 top band, right third", 7, 170, 120, true},
        {"7 bottom socket", 7, 150, 155, false},
        // 8: inner, knobs top and bottom, sockets left and right.
        {"8 left socket", 8, 130, 137, false},
        {"8 bottom knob", 8, 150, 170, true},
        // 15: bottom-right corner, knob left, socket top.
        {"15 left knob", 15, 110, 137, true},
        {"15 right edge", 15, 180, 137, false},
        {"15 top socket", 15, 150, 120, false},
        {"15 no bottom knob", 15, 150, 170, false},
        // 5: top-right corner, knob left, socket bottom; 14: bottom border, knob top.
        {"5 left knob", 5, 110, 137, true},
        {"5 bottom socket", 5, 150, 155, false},
        {"14 top knob", 14, 150, 105, true},
        {"14 left socket", 14, 130, 137, false},
    };
    for (const Case& c : cases) {
        Puzzle p = FiveByThree();
        Put(p, c.piece, 100, 100);
        EXPECT_EQ(IsPointOnPiece(p, Integer(c.piece), c.x, c.y), c.hit) << c.what;
    }
    // An inner piece with neither LeftOut nor TopOut fits no shape and is never picked.
    Puzzle p = FiveByThree();
    Put(p, 7, 100, 100);
    p.Pieces[7].LeftOut = kFalse;
    EXPECT_FALSE(IsPointOnPiece(p, 7, 150, 137));
}

TEST(Picking, TheTopmostLoosePieceIsPickedAndItsGroupRaised) {
    Puzzle alone = FiveByThree();
    for (auto& piece : alone.Pieces) {
        piece.X = 1000;
    }
    PlayFixture f(std::move(alone));
    Puzzle& p = f.puzzle();
    Put(p, 3, 300, 300);
    Put(p, 12, 300, 300);
    EXPECT_EQ(FindPieceAt(p, 350, 337), 12);
    p.GroupOrder = Ints({0, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15});
    const int presents = f.host.presentCount;
    f.Down(350, 337);
    EXPECT_EQ(p.SelectedPiece, 3);
    EXPECT_EQ(p.GroupOrder, Ints({0, 12, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 3}));
    EXPECT_EQ(p.Dragging, kTrue);
    EXPECT_EQ(f.host.pointer, kPointerSizeAll);
    EXPECT_EQ(f.host.presentCount, presents) << "the new stacking shows at the first move";
    f.Up(0, 0);

    // 8 lies beside 7 as in the picture and above it: a click in 8's left socket grabs
    // 7's knob below.
    Put(p, 7, 100, 100);
    Put(p, 8, 160, 100);
    f.Down(190, 137);
    EXPECT_EQ(p.SelectedPiece, 7);
    f.Down(350, 337);
    EXPECT_EQ(p.SelectedPiece, 7) << "a held drag ignores further presses";
    f.Up(190, 137);
    p.Dragging = kFalse;
    p.PreviewDragging = kTrue;
    f.Down(350, 337);
    EXPECT_EQ(p.Dragging, kFalse) << "nor does a preview drag";
    p.PreviewDragging = kFalse;
    f.Down(350, 337, kRightButton);
    EXPECT_EQ(p.Dragging, kFalse) << "only the left button picks";
    // A fixed piece is not loose: nothing is picked on it.
    f.game->SetGroupInPlace(1);
    f.Down(p.Pieces[1].HomeX + 40, p.Pieces[1].HomeY + 30);
    EXPECT_EQ(p.Dragging, kFalse);
}

TEST(Dragging, TheGroupFollowsCentredAndStopsAtTheFieldEdge) {
    PlayFixture f(FiveByThree());
    Regroup(f.puzzle(), 6, {6, 7});
    Put(f.puzzle(), 6, 300, 300);
    Put(f.puzzle(), 7, 360, 300);
    f.Down(400, 337); // on 7, one column right of the group's left edge
    struct Step {
        double x, y;
        Long x7, y7;
    };
    // 7 is centred under the pointer, half its surface (50 x 37) up and left of it.
    const Step steps[] = {
        {200, 300, 150, 263},
        {110, 310, 150, 273},     // 110 - 60 - 50 = 0 is not > 0: X keeps its value
        {110.5, 320, 60, 283},    // 0.5 > 0: X = 60.5 rounded to even
        {749.9, 330.5, 700, 294}, // 749.9 + 50 < 800; Y = 293.5 rounded to even
        {750, 340, 700, 303},     // 750 + 50 = 800 is not < 800
        {400, 37, 350, 303},      // 37 - 0 - 37 = 0 is not > 0: Y keeps its value
        {400, 523, 350, 303},     // 523 + 37 = 560 is not < 560
        {400, 522, 350, 485},
    };
    for (const Step& s : steps) {
        f.Move(s.x, s.y);
        EXPECT_EQ(f.puzzle().Pieces[7].X, s.x7) << s.x << ", " << s.y;
        EXPECT_EQ(f.puzzle().Pieces[7].Y, s.y7) << s.x << ", " << s.y;
        EXPECT_EQ(f.puzzle().Pieces[6].X, s.x7 - 60);
        EXPECT_EQ(f.puzzle().Pieces[6].Y, s.y7);
    }
}

TEST(Dragging, ThePreviewIsDraggedByItsCaptionEvenWhileHidden) {
    Puzzle alone = FiveByThree();
    for (auto& piece : alone.Pieces) {
        piece.X = 1000; // no piece under the caption
    }
    PlayFixture f(std::move(alone));
    f.game->settings.ViewPreview = false;
    f.game->surfaces.PreviewSurface = Surface::CreateSurface(200, 150);
    Puzzle& p = f.puzzle();
    p.PreviewWidth = 200;
    p.PreviewCaptionRect = {590, 10, 790, 27};
    p.PreviewRect = {590, 28, 790, 178};
    f.Down(590, 20); // on the caption's left edge: outside
    EXPECT_EQ(p.PreviewDragging, kFalse);
    f.Down(600, 20);
    EXPECT_EQ(p.PreviewDragging, kTrue);
    EXPECT_EQ(f.host.pointer, kPointerSizeAll);
    struct Step {
        double x, y;
        Rect caption, preview;
    };
    const Step steps[] = {
        {300, 100, {200, 92, 400, 109}, {200, 110, 400, 260}},
        {100, 200, {200, 192, 400, 209}, {200, 210, 400, 360}}, // 100 - 100 = 0: stays across
        {699.5, 8, {600, 192, 800, 209}, {600, 210, 800, 360}}, // 8 - 8 = 0: stays down
        {700, 400.5, {600, 392, 800, 409}, {600, 410, 800, 560}},
        {300, 401, {200, 392, 400, 409}, {200, 410, 400, 560}}, // 401 + 9 + 150 = 560: stays
    };
    for (const Step& s : steps) {
        f.Move(s.x, s.y);
        EXPECT_EQ(p.PreviewCaptionRect, s.caption) << s.x << ", " << s.y;
        EXPECT_EQ(p.PreviewRect, s.preview) << s.x << ", " << s.y;
    }
    const int presents = f.host.presentCount;
    f.Up(300, 401, kRightButton);
    EXPECT_EQ(p.PreviewDragging, kTrue);
    f.Up(300, 401);
    EXPECT_EQ(p.PreviewDragging, kFalse);
    EXPECT_EQ(f.host.pointer, kPointerDefault);
    EXPECT_EQ(f.host.presentCount, presents) << "ending a preview drag does not repaint";
    f.Move(100, 100);
    EXPECT_EQ(p.PreviewRect.Left, 200) << "nothing held: moves do nothing";
}

} // namespace
} // namespace tess::test
