// The surface layer: clipped and keyed copies, fills and the key nudge.
#include "test_pictures.h"

#include <gtest/gtest.h>

namespace tess::test {
namespace {

TEST(Surface, CopiesOnlyWhatLiesInsideBothSurfacesAndKeyedCopiesLeaveOutTheKey) {
    // A 4 x 4 source, blue with red at (2, 1) and the key at (1, 2), into a black 10 x 10
    // target: the pixels an opaque and a keyed copy change, and where red lands (y * 10 + x).
    struct Case {
        Long x, y;
        Rect source;
        int opaque, keyed, red;
    };
    const Case cases[] = {
        {0, 0, WholeRect, 16, 15, 12},        {8, 8, WholeRect, 4, 4, -1},
        {-2, -3, WholeRect, 2, 2, -1},        {10, 0, WholeRect, 0, 0, -1},
        {-4, 0, WholeRect, 0, 0, -1},         {-1, 1, WholeRect, 12, 11, 21},
        {5, 6, Rect{2, 1, 4, 3}, 4, 4, 65},   {-1, 0, Rect{1, 0, 4, 4}, 8, 8, 10},
        {0, 0, Rect{-2, -2, 2, 2}, 4, 4, -1}, {0, 0, Rect{3, 0, 3, 4}, 0, 0, -1},
        {5, 5, Rect{2, 2, 9, 9}, 4, 4, -1},
    };
    Surface source = Filled(4, 4, 0x0000FF);
    source.BltColorFill(Rect{2, 1, 3, 2}, 0xFF0000);
    source.BltColorFill(Rect{1, 2, 2, 3}, TransparentKey);
    source.SetColorKey(TransparentKey);
    for (const bool prepared : {false, true}) {
        if (prepared) {
            source.PrepareKeyedCopy();
        }
        for (const Case& c : cases) {
            for (const int flags : {kBltFastNoWait, kBltFastSrcColorKeyNoWait}) {
                Surface target = Filled(10, 10, 0);
                target.BltFast(c.x, c.y, source, c.source, flags);
                int changed = 0, red = -1;
                for (int i = 0; i < 100; ++i) {
                    changed += At(target, i % 10, i / 10) != 0;
                    red = At(target, i % 10, i / 10) == 0xFF0000u ? i : red;
                }
                EXPECT_EQ(changed, flags == kBltFastNoWait ? c.opaque : c.keyed)
                    << c.x << "," << c.y << " flags " << flags << " prepared " << prepared;
                EXPECT_EQ(red, c.red) << c.x << "," << c.y;
            }
        }
    }
    // A change after PrepareKeyedCopy reaches later keyed copies.
    source.BltColorFill(Rect{1, 2, 2, 3}, 0x123456);
    Surface target = Filled(4, 4, 0);
    target.BltFast(0, 0, source, WholeRect, kBltFastSrcColorKeyNoWait);
    EXPECT_EQ(At(target, 1, 2), 0x123456u);
}

TEST(Surface, FillsClipAndTheNudgeMovesOnlyTheKey) {
    Surface s = Filled(5, 5, 0);
    s.BltColorFill(Rect{-3, 3, 2, 9}, TransparentKey);
    s.NudgePixels(TransparentKey);
    EXPECT_EQ(At(s, 0, 3), 0xC2B852u);
    EXPECT_EQ(At(s, 1, 4), 0xC2B852u);
    EXPECT_EQ(At(s, 2, 4), 0u);
    EXPECT_EQ(At(s, 1, 2), 0u);
    EXPECT_THROW(Surface::CreateSurface(0, 4), SurfaceError);
}

} // namespace
} // namespace tess::test
