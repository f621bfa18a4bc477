#include "display/surface.h"

#include "test_pictures.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tess {
namespace {

QRgb At(const Surface& s, int x, int y) { return s.Image().pixel(x, y) & 0xFFFFFFu; }

TEST(Surface, CopiesOnlyWhatLiesInsideBothSurfaces) {
    struct Case {
        Long x, y;
        Rect source;
        int copied; // pixels changed in the 10 x 10 target
    };
    const Case cases[] = {
        {0, 0, WholeRect, 16},         {8, 8, WholeRect, 4},        {-2, -3, WholeRect, 2},
        {10, 0, WholeRect, 0},         {-4, 0, WholeRect, 0},       {0, 0, Rect{1, 1, 3, 2}, 2},
        {0, 0, Rect{-2, -2, 2, 2}, 4}, {0, 0, Rect{3, 0, 3, 4}, 0}, {5, 5, Rect{2, 2, 9, 9}, 4},
    };
    for (const Case& c : cases) {
        Surface target = Surface::CreateSurface(10, 10);
        target.BltColorFill(WholeRect, 0x000000);
        Surface source = Surface::CreateSurface(4, 4);
        source.BltColorFill(WholeRect, 0x112233);
        target.BltFast(c.x, c.y, source, c.source, kBltFastNoWait);
        int changed = 0;
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 10; ++x) {
                changed += At(target, x, y) == 0x112233;
            }
        }
        EXPECT_EQ(changed, c.copied) << c.x << "," << c.y;
    }
    // The source rectangle lands with its top-left at (x, y).
    Surface target = Surface::CreateSurface(10, 10);
    target.BltColorFill(WholeRect, 0);
    Surface source = Surface::CreateSurface(4, 4);
    source.BltColorFill(WholeRect, 0x0000FF);
    source.BltColorFill(Rect{2, 1, 3, 2}, 0xFF0000);
    target.BltFast(5, 6, source, Rect{2, 1, 4, 3}, kBltFastNoWait);
    EXPECT_EQ(At(target, 5, 6), 0xFF0000u);
    EXPECT_EQ(At(target, 6, 6), 0x0000FFu);
    EXPECT_EQ(At(target, 7, 6), 0u);
}

TEST(Surface, KeyedCopiesLeaveOutTheKeyWithOrWithoutPreparedRuns) {
    Surface source = Surface::CreateSurface(7, 3);
    source.BltColorFill(WholeRect, TransparentKey);
    source.BltColorFill(Rect{1, 0, 3, 1}, 0x010203);
    source.BltColorFill(Rect{5, 0, 7, 3}, 0x040506);
    source.BltColorFill(Rect{0, 2, 2, 3}, 0x070809);
    source.SetColorKey(TransparentKey);
    for (const bool prepared : {false, true}) {
        if (prepared) {
            source.PrepareKeyedCopy();
        }
        EXPECT_EQ(source.HasKeyedRuns(), prepared);
        for (const Long x : {-3, 0, 2, 6}) {
            Surface keyed = Surface::CreateSurface(9, 4);
            keyed.BltColorFill(WholeRect, 0xABCDEF);
            keyed.BltFast(x, 1, source, WholeRect, kBltFastSrcColorKeyNoWait);
            Surface opaque = Surface::CreateSurface(9, 4);
            opaque.BltColorFill(WholeRect, 0xABCDEF);
            opaque.BltFast(x, 1, source, WholeRect, kBltFastNoWait);
            for (int py = 0; py < 4; ++py) {
                for (int px = 0; px < 9; ++px) {
                    const QRgb plain = At(opaque, px, py);
                    const QRgb expected = plain == QRgb(TransparentKey) ? 0xABCDEFu : plain;
                    EXPECT_EQ(At(keyed, px, py), expected)
                        << prepared << " x " << x << " at " << px << "," << py;
                }
            }
        }
    }
    // Any change drops the prepared runs.
    source.BltColorFill(Rect{0, 0, 1, 1}, 0x123456);
    EXPECT_FALSE(source.HasKeyedRuns());
    // Without the key flag a keyed surface copies opaquely.
    Surface target = Surface::CreateSurface(7, 3);
    target.BltFast(0, 0, source, WholeRect, kBltFastNoWait);
    EXPECT_EQ(At(target, 3, 1), QRgb(TransparentKey));
}

TEST(Surface, FillsClipToTheSurfaceAndNudgeMovesOnlyTheKey) {
    Surface s = Surface::CreateSurface(5, 5);
    s.BltColorFill(WholeRect, 0x000000);
    s.BltColorFill(Rect{-3, 3, 2, 9}, 0xC2B853);
    EXPECT_EQ(At(s, 1, 4), 0xC2B853u);
    EXPECT_EQ(At(s, 2, 4), 0u);
    s.NudgePixels(TransparentKey);
    EXPECT_EQ(At(s, 1, 4), 0xC2B852u);
    EXPECT_EQ(At(s, 0, 3), 0xC2B852u);
    EXPECT_EQ(At(s, 4, 4), 0u);
    EXPECT_THROW(Surface::CreateSurface(0, 4), SurfaceError);
}

TEST(Surface, FilesLoadAtNaturalOrGivenSize) {
    QTemporaryDir folder;
    const QString path = test::WritePatternPicture(folder.path(), "p.bmp", 40, 30);
    const Surface natural = Surface::CreateSurfaceFromFile(path);
    EXPECT_EQ(natural.GetSurfaceDesc().Width, 40);
    EXPECT_EQ(natural.GetSurfaceDesc().Height, 30);
    EXPECT_EQ(At(natural, 3, 2), 0xC2B853u) << "the file itself keeps every pixel";
    const Surface stretched = Surface::CreateSurfaceFromFile(path, 20, 35);
    EXPECT_EQ(stretched.GetSurfaceDesc().Width, 20);
    EXPECT_EQ(stretched.GetSurfaceDesc().Height, 35);
    EXPECT_THROW(Surface::CreateSurfaceFromFile(folder.path() + "/missing.bmp"), SurfaceError);
}

TEST(Surface, DrawsTextInTheForeColor) {
    Surface s = Surface::CreateSurface(60, 17);
    s.BltColorFill(WholeRect, 0x000000);
    s.SetForeColor(0x0000FF); // red in the Color encoding
    s.DrawText(1, 1, "Preview");
    int red = 0;
    for (int y = 0; y < 17; ++y) {
        for (int x = 0; x < 60; ++x) {
            const QRgb p = At(s, x, y);
            red += qRed(p) > 200 && qGreen(p) < 50 && qBlue(p) < 50;
        }
    }
    EXPECT_GT(red, 20);
}

} // namespace
} // namespace tess
