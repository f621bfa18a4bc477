// Opening a picture through the game: the size check and the cut pieces to the pixel; then a
// whole game on the real main window, every placing with real mouse events, the model checked
// after each.
#include "test_pictures.h"

#include "groups/placing.h"
#include "puzzle/invariants.h"
#include "support/window_test_support.h"

#include <QTest>
#include <gtest/gtest.h>

namespace tess {
namespace {

using test::OpenPatternPicture;

// Every piece composed at its home position gives back the scaled picture.
TEST(SetWholeImage, RefusesASideOf32OrLessAndCutsPiecesThatComposeAtHomeToThePicture) {
    // The socket clamp leaves picture pixels uncovered only with tabs at least 31 pixels deep
    // and a short side; in ordinary cells (tabs of 41 and more here) the clamped shoulders
    // overlap and close the gap. Cells of 93 x 9 with 31-pixel side tabs leave one pixel per
    // left or right socket, nine in each of ten rows: 30 columns in from the cell edge, in
    // cell row 4 (the socket's inset 9 \ 5 = 1 leaves row 4 only, where the knob has ended).
    // Pieces, the picture's size, the field's, and the pixels left uncovered; a refused picture
    // (-1) is told so (the guard test compares the messages).
    using Cut = std::tuple<int, int, int, QSize, int>;
    for (const auto& [pieces, width, height, field, gaps] :
         {Cut{64, 1024, 768, {800, 560}, 0}, Cut{12, 640, 480, {800, 560}, 0},
          Cut{6, 500, 700, {800, 560}, 0}, Cut{100, 1000, 100, {1100, 300}, 90},
          Cut{1, 33, 33, {800, 560}, 0}, Cut{4, 33, 32, {800, 560}, -1},
          Cut{4, 32, 33, {800, 560}, -1}, Cut{4, 32768, 40, {800, 560}, -1}}) {
        test::GameFixture f;
        f.host.playFieldSize = field;
        f.game->Guard([&f, n = pieces, w = width, h = height] { OpenPatternPicture(f, n, w, h); });
        Puzzle& p = f.game->puzzle;
        // A side of 32 or less, or over 32767, is refused before anything changes, even the
        // temporary bitmap.
        const bool refused = gaps < 0;
        ASSERT_TRUE(f.host.messages.size() == int(refused) && f.host.timerEnabled == !refused &&
                    QFile::exists(f.game->WholeImageTempPath()) == !refused &&
                    p.PuzzleLoaded == ToFlag(!refused))
            << width << " x " << height << ": " << f.host.messages.join('\n').toStdString();
        if (refused) {
            continue;
        }
        if (pieces == 64) {
            // The board's frame a pixel wide around its 672 x 504 pixels.
            const Surfaces& s = f.game->surfaces;
            EXPECT_TRUE(s.FrameLineH.Image().size() == QSize(674, 1) &&
                        s.FrameLineV.Image().size() == QSize(1, 506));
        }
        // Every piece placed, on a background of the key colour itself.
        f.game->ClearSettings();
        for (Integer i = 1; i <= pieces; ++i) {
            PlaceGroup(p, i);
        }
        p.PuzzleSolved = kTrue;
        f.game->settings.ViewPreview = false;
        f.game->settings.BackgroundColorFill = TransparentKey;
        auto wrongPixels = [&f, &p] {
            f.game->picPuzzle_Paint();
            const QImage& frame = f.host.lastFrame;
            Surface picture = Surface::CreateSurfaceFromFile(f.game->WholeImageTempPath(),
                                                             p.ImageWidth, p.ImageHeight);
            picture.NudgePixels(TransparentKey);
            // The picture on the board inside its border, where pieces have no knobs; the key
            // elsewhere and in the clamp gaps.
            QImage expected(frame.size(), QImage::Format_RGB32);
            expected.fill(0xFF000000u | TransparentKey);
            QPainter(&expected).drawImage(int(p.BoardLeft + 1), int(p.BoardTop + 1),
                                          picture.Image(), 0, 0, int(p.PuzzleColumns * p.CellWidth),
                                          int(p.PuzzleRows * p.CellHeight));
            int wrong = 0;
            for (int i = 0; i < frame.width() * frame.height(); ++i) {
                const int x = i % frame.width(), y = i / frame.width();
                wrong += ((frame.pixel(x, y) ^ expected.pixel(x, y)) & 0xFFFFFFu) != 0;
            }
            return wrong;
        };
        EXPECT_TRUE(wrongPixels() == gaps && f.host.lastFrame.size() == field) << pieces;
    }
}

// A picture 130 times wider than high, cut on a wide field: on a narrower one its preview would
// be 0 pixels high, and is left out while the game goes on.
TEST(SetWholeImage, APreviewOfNoPixelsIsLeftOutAndTheGameGoesOn) {
    test::GameFixture f;
    f.host.playFieldSize = QSize(4400, 300);
    OpenPatternPicture(f, 2, 4290, 33);
    ASSERT_FALSE(f.game->surfaces.PreviewSurface.IsNull());
    f.host.playFieldSize = QSize(800, 300);
    f.game->Guard([&f] { f.game->Form_Resize(); });
    EXPECT_TRUE(f.game->puzzle.PuzzleLoaded && f.host.messages.isEmpty() &&
                f.game->surfaces.PreviewSurface.IsNull());
}

TEST(PlayThrough, APictureIsPlacedWithTheMouse) {
    test::WindowFixture w;
    MainWindow& window = w.window;
    window.resize(1000, 760);
    QApplication::processEvents();
    Game& game = window.game();
    Puzzle& p = game.puzzle;
    PlayField* field = window.picPuzzle;
    // 12 pieces of 4 x 3, untimed, so that no name is asked for at the end.
    game.settings.TimePuzzle = false;
    p.NumberOfPieces = 12;
    SetPictureFileName(p, test::WritePatternPicture(w.folder.path(), "sea.bmp", 480, 360));
    ASSERT_TRUE(game.SetWholeImage());
    game.mnuFileScramble_Click();

    // The topmost loose piece, grabbed at its cell's middle, home 4 pixels off on each axis
    // either way, moving halfway first, until none is left; the model must hold after every
    // drop.
    const Long sw = 2 * p.TabWidth + p.CellWidth, sh = 2 * p.TabHeight + p.CellHeight;
    const QString shot = qEnvironmentVariable("TESSELLARA_PLAY_SCREENSHOT");
    for (int side = 1; p.PuzzleLoaded && p.GroupOrderCount > 0; side = -side) {
        const PieceRecord& m = p.Pieces[p.Groups[p.GroupOrder[p.GroupOrderCount]].Members[1]];
        const QPoint grab(m.X + sw / 2, m.Y + sh / 2);
        const QPoint drop(m.HomeX + 4 * side + sw / 2, m.HomeY - 4 * side + sh / 2);
        const Integer loose = p.GroupOrderCount; // one fewer after every drop
        QString told; // a failure the game tells in a message box, closed so the test goes on
        auto close = [&told](QWidget* box) {
            told = box->windowTitle();
            box->close();
        };
        test::AnswerModals(close, [&] {
            QTest::mousePress(field, Qt::LeftButton, {}, grab);
            EXPECT_EQ(&p.Pieces[p.SelectedPiece], &m);
            QTest::mouseMove(field, (grab + drop) / 2);
            QTest::mouseMove(field, drop);
            QTest::mouseRelease(field, Qt::LeftButton, {}, drop);
        });
        ASSERT_TRUE(told.isEmpty() && !HasFailure() && p.GroupOrderCount < loose)
            << told.toStdString();
        const QStringList problems = CheckModelInvariants(p);
        ASSERT_TRUE(problems.isEmpty() && !p.Dragging) << problems.join('\n').toStdString();
        if (p.PlacedCount == 6 && !shot.isEmpty()) {
            // A game in progress, for the documentation.
            window.grab().save(shot);
        }
    }
    EXPECT_TRUE(p.PlacedCount == 12 && p.PuzzleSolved && !window.tmrPuzzle->isActive());
}

} // namespace
} // namespace tess
