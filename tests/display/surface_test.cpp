// The surface layer: clipped copies, keyed copies, fills, the key nudge and loading files.
#include "display/surface.h"

#include "test_pictures.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tess {
namespace {

QRgb At(const Surface& s, int x, int y) { return s.Image().pixel(x, y) & 0xFFFFFFu; }

Surface Filled(Long width, Long height, Long pixel) {
    Surface s = Surface::CreateSurface(width, height);
    s.BltColorFill(WholeRect, pixel);
    return s;
}

TEST(Surface, CopiesOnlyWhatLiesInsideBothSurfaces) {
    // A 4 x 4 source, blue with a red pixel at (2, 1), into a black 10 x 10 target.
    struct Case {
        Long x, y;
        Rect source;
        int copied, red; // pixels changed in the target; index y * 10 + x of the red one, or -1
    };
    const Case cases[] = {
        {0, 0, WholeRect, 16, 12},         {8, 8, WholeRect, 4, -1},
        {-2, -3, WholeRect, 2, -1},        {10, 0, WholeRect, 0, -1},
        {-4, 0, WholeRect, 0, -1},         {5, 6, Rect{2, 1, 4, 3}, 4, 65},
        {0, 0, Rect{-2, -2, 2, 2}, 4, -1}, {0, 0, Rect{3, 0, 3, 4}, 0, -1},
        {5, 5, Rect{2, 2, 9, 9}, 4, -1},   {-1, 0, Rect{1, 0, 4, 4}, 8, 10},
    };
    Surface source = Filled(4, 4, 0x0000FF);
    source.BltColorFill(Rect{2, 1, 3, 2}, 0xFF0000);
    for (const Case& c : cases) {
        Surface target = Filled(10, 10, 0);
        target.BltFast(c.x, c.y, source, c.source, kBltFastNoWait);
        int changed = 0, red = -1;
        for (int i = 0; i < 100; ++i) {
            changed += At(target, i % 10, i / 10) != 0;
            red = At(target, i % 10, i / 10) == 0xFF0000u ? i : red;
        }
        EXPECT_EQ(changed, c.copied) << c.x << "," << c.y;
        EXPECT_EQ(red, c.red) << c.x << "," << c.y;
    }
}

TEST(Surface, KeyedCopiesLeaveOutTheKeyWithOrWithoutPreparedRuns) {
    Surface source = Filled(7, 3, TransparentKey);
    source.BltColorFill(Rect{1, 0, 3, 1}, 0x010203);
    source.BltColorFill(Rect{5, 0, 7, 3}, 0x040506);
    source.BltColorFill(Rect{0, 2, 2, 3}, 0x070809);
    source.SetColorKey(TransparentKey);
    for (const bool prepared : {false, true}) {
        if (prepared) {
            source.PrepareKeyedCopy();
        }
        for (const Long x : {-3, 0, 2, 6}) {
            Surface keyed = Filled(9, 4, 0xABCDEF);
            keyed.BltFast(x, 1, source, WholeRect, kBltFastSrcColorKeyNoWait);
            Surface opaque = Filled(9, 4, 0xABCDEF);
            opaque.BltFast(x, 1, source, WholeRect, kBltFastNoWait);
            for (int i = 0; i < 36; ++i) {
                const QRgb plain = At(opaque, i % 9, i / 9);
                EXPECT_EQ(At(keyed, i % 9, i / 9),
                          plain == QRgb(TransparentKey) ? 0xABCDEFu : plain)
                    << prepared << " x " << x << " at " << i % 9 << "," << i / 9;
            }
        }
    }
    // A later change drops the prepared runs; without the key flag key pixels are copied.
    source.BltColorFill(Rect{3, 1, 4, 2}, 0x123456);
    Surface target = Filled(7, 3, 0);
    target.BltFast(0, 0, source, WholeRect, kBltFastSrcColorKeyNoWait);
    EXPECT_EQ(At(target, 3, 1), 0x123456u);
    EXPECT_EQ(At(target, 4, 1), 0u);
    target.BltFast(0, 0, source, WholeRect, kBltFastNoWait);
    EXPECT_EQ(At(target, 4, 1), QRgb(TransparentKey));
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

TEST(Surface, FilesLoadAtNaturalOrGivenSize) {
    QTemporaryDir folder;
    const QString path = test::WritePatternPicture(folder.path(), "p.bmp", 40, 30);
    const Surface natural = Surface::CreateSurfaceFromFile(path);
    EXPECT_EQ(natural.Image().size(), QSize(40, 30));
    EXPECT_EQ(At(natural, 3, 2), 0xC2B853u) << "the file itself keeps every pixel";
    EXPECT_EQ(Surface::CreateSurfaceFromFile(path, 20, 35).Image().size(), QSize(20, 35));
    EXPECT_THROW(Surface::CreateSurfaceFromFile(folder.path() + "/missing.bmp"), SurfaceError);
}

} // namespace
} // namespace tess
