// The surface layer: clipped and keyed copies, fills and the key nudge.
#include "test_pictures.h"

#include <gtest/gtest.h>

namespace tess::test {
namespace {

TEST(Surface, CopiesOnlyWhatLiesInsideBothSurfacesAndKeyedCopiesLeaveOutTheKey) {
    // A 4 x 4 source, blue with red at (2, 1) and the key at (1, 2), into a black 10 x 10
    // target: the pixels an opaque and a keyed copy change, and where red lands (y * 10 + x).
    const std::tuple<Long, Long, Rect, int, int, int> cases[] = {
        {0, 0, WholeRect, 16, 15, 12},        {8, 8, WholeRect, 4, 4, -1},
        {-2, -3, WholeRect, 2, 2, -1},        {10, 0, WholeRect, 0, 0, -1},
        {-4, 0, WholeRect, 0, 0, -1},         {-1, 1, WholeRect, 12, 11, 21},
        {5, 6, Rect{2, 1, 4, 3}, 4, 4, 65},   {-1, 0, Rect{1, 0, 4, 4}, 8, 8, 10},
        {0, 0, Rect{-2, -2, 2, 2}, 4, 4, -1}, {0, 0, Rect{3, 0, 3, 4}, 0, 0, -1},
        {5, 5, Rect{2, 2, 9, 9}, 4, 4, -1},
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
    Surface s = Surface::CreateSurface(5, 5, 0);
    s.BltColorFill(Rect{-3, -2, 2, 1}, TransparentKey);
    s.BltColorFill(Rect{3, 4, 9, 9}, TransparentKey);
    s.NudgePixels(TransparentKey);
    EXPECT_EQ(
        (std::vector{At(s, 0, 0), At(s, 1, 0), At(s, 2, 0), At(s, 0, 1), At(s, 4, 4), At(s, 2, 4)}),
        (std::vector<QRgb>{0xC2B852, 0xC2B852, 0, 0, 0xC2B852, 0}));
    EXPECT_THROW(Surface::CreateSurface(0, 4), SurfaceError);
}

} // namespace
} // namespace tess::test
