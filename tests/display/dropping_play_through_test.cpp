// A whole game on the real main window: File > Open through its dialog, the painted field,
// then every join and placing with real mouse events, and the best time.
#include "display/picking.h"
#include "puzzle/invariants.h"
#include "support/window_test_support.h"
#include "test_pictures.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QTest>
#include <gtest/gtest.h>

namespace tess {
namespace {

TEST(PlayThrough, APictureIsOpenedShownJoinedAndPlacedWithTheMouse) {
    test::WindowFixture w;
    MainWindow& window = w.window;
    window.resize(1000, 760);
    QApplication::processEvents();
    Game& game = window.game();
    Puzzle& p = game.puzzle;
    PlayField* field = window.picPuzzle;
    // Grabs piece m at its cell's middle and drops it with its surface at (x, y), on the way
    // moving halfway first; the model must hold after every drop.
    auto drag = [&p, field](Integer m, Long x, Long y) {
        const QPoint grab(p.Pieces[m].X + p.TabWidth + p.CellWidth / 2,
                          p.Pieces[m].Y + p.TabHeight + p.CellHeight / 2);
        const QPoint drop(x + (2 * p.TabWidth + p.CellWidth) / 2,
                          y + (2 * p.TabHeight + p.CellHeight) / 2);
        ASSERT_EQ(FindPieceAt(p, grab.x(), grab.y()), m);
        QTest::mousePress(field, Qt::LeftButton, {}, grab);
        ASSERT_EQ(p.SelectedPiece, m);
        EXPECT_EQ(field->cursor().shape(), Qt::SizeAllCursor);
        QTest::mouseMove(field, (grab + drop) / 2);
        QTest::mouseMove(field, drop);
        QTest::mouseRelease(field, Qt::LeftButton, {}, drop);
        EXPECT_EQ(p.Dragging, kFalse);
        EXPECT_NE(field->cursor().shape(), Qt::SizeAllCursor);
        const QStringList problems = CheckModelInvariants(p);
        ASSERT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
    };

    const QString picture = test::WritePatternPicture(w.folder.path(), "harbour.bmp", 480, 360);
    p.NumberOfPieces = 12;
    game.settings.TimePuzzle = true;
    test::AnswerModals(
        [&picture](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            test::ChooseFile(dialog, picture);
        },
        [&window] { window.mnuFileOpen->trigger(); });
    ASSERT_EQ(p.PuzzleLoaded, kTrue);
    ASSERT_EQ(p.GroupOrderCount, 12);
    ASSERT_TRUE(CheckModelInvariants(p).isEmpty());
    EXPECT_EQ(game.settings.InitDir, w.folder.path() + "/");
    EXPECT_TRUE(window.tmrPuzzle->isActive());

    // The painted field: the board frame and the preview caption with nothing loose over
    // them, then the topmost piece with its outline from the corner of its cell.
    const QImage& back = game.surfaces.BackBuffer.Image();
    ASSERT_EQ(back.size(), field->ScaleSize());
    const int width = back.width(), height = back.height();
    auto at = [&back](Long x, Long y) { return back.pixel(int(x), int(y)) & 0xFFFFFFu; };
    const QRgb outline = QRgb(game.settings.OutlineColorFill);
    p.GroupOrderCount = 0;
    game.picPuzzle_Paint();
    EXPECT_EQ(at(p.BoardRect.Left, p.BoardRect.Top), outline);
    EXPECT_EQ(at(p.BoardRect.Right + 1, p.BoardRect.Bottom + 1), outline);
    EXPECT_EQ(p.PreviewCaptionRect.Right, width - 4);
    EXPECT_EQ(at(p.PreviewCaptionRect.Left, 4),
              QRgb(game.settings.PreviewCaptionBackgroundColorFill));
    p.GroupOrderCount = 12;
    game.picPuzzle_Paint();
    const PieceRecord& shown = p.Pieces[p.Groups[p.GroupOrder[12]].Members[1]];
    EXPECT_EQ(at(shown.X + p.TabWidth - 1, shown.Y + p.TabHeight - 1), outline);
    EXPECT_NE(at(shown.X + p.TabWidth + 5, shown.Y + p.TabHeight + 5), outline);

    // Joins a group onto a neighbour of another group: the first piece, topmost group first,
    // that is not covered and whose group fits in the field where the piece fits its
    // neighbour, dropped a few pixels off the exact fit.
    auto joinOne = [&]() {
        for (int gi = p.GroupOrderCount; gi >= 1; --gi) {
            const GroupRecord& g = p.Groups[p.GroupOrder[gi]];
            for (int k = 1; k <= g.MemberCount; ++k) {
                const Integer m = g.Members[k];
                const PieceRecord& piece = p.Pieces[m];
                if (FindPieceAt(p, piece.X + p.TabWidth + p.CellWidth / 2,
                                piece.Y + p.TabHeight + p.CellHeight / 2) != m) {
                    continue;
                }
                for (const int n :
                     {m - p.PuzzleColumns, m + p.PuzzleColumns, piece.Col > 0 ? m - 1 : 0,
                      piece.Col < p.PuzzleColumns - 1 ? m + 1 : 0}) {
                    if (n < 1 || n > 12 || p.Pieces[n].Group == piece.Group) {
                        continue;
                    }
                    const Long x = p.Pieces[n].X + (piece.Col - p.Pieces[n].Col) * p.CellWidth + 2;
                    const Long y = p.Pieces[n].Y + (piece.Row - p.Pieces[n].Row) * p.CellHeight - 3;
                    const QRect span(x - (piece.Col - g.MinCol) * p.CellWidth,
                                     y - (piece.Row - g.MinRow) * p.CellHeight,
                                     (g.MaxCol - g.MinCol + 1) * p.CellWidth + 2 * p.TabWidth,
                                     (g.MaxRow - g.MinRow + 1) * p.CellHeight + 2 * p.TabHeight);
                    if (QRect(1, 1, width - 2, height - 2).contains(span)) {
                        drag(m, x, y);
                        return true;
                    }
                }
            }
        }
        return false;
    };
    const QString shot = qEnvironmentVariable("TESSELLARA_PLAY_SCREENSHOT");
    while (p.GroupOrderCount > 2) {
        const int before = p.GroupOrderCount;
        ASSERT_TRUE(joinOne()) << "no group could be joined";
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_LT(p.GroupOrderCount, before);
        if (p.GroupOrderCount == 6 && !shot.isEmpty()) {
            // A game in progress with joined groups, for the documentation.
            window.grab().save(shot);
        }
    }
    // Then put both groups home; the name box is answered as the last one lands.
    const Integer first = p.Groups[p.GroupOrder[2]].Members[1];
    drag(first, p.Pieces[first].HomeX + 4, p.Pieces[first].HomeY - 4);
    ASSERT_EQ(p.GroupOrderCount, 1);
    EXPECT_EQ(p.PuzzleSolved, kFalse);
    p.ElapsedSeconds = 75;
    const Integer last = p.Groups[p.GroupOrder[1]].Members[1];
    test::AnswerModals(
        [](QWidget* modal) {
            auto* box = qobject_cast<QInputDialog*>(modal);
            ASSERT_NE(box, nullptr);
            box->setTextValue(QStringLiteral("Ann"));
            box->accept();
        },
        [&] { drag(last, p.Pieces[last].HomeX - 4, p.Pieces[last].HomeY + 4); });
    EXPECT_EQ(p.PlacedCount, 12);
    EXPECT_EQ(p.GroupOrderCount, 0);
    EXPECT_EQ(p.PuzzleSolved, kTrue);
    EXPECT_EQ(p.ElapsedSeconds, 0);
    EXPECT_FALSE(window.tmrPuzzle->isActive());

    // 75 seconds for 12 pieces, first in the table; the image name keeps the padding of
    // the fixed-length picture path field after its last separator.
    const qsizetype nameLength = kPictureFileNameLength - (w.folder.path().size() + 1);
    QByteArray expected = "\"Ann\"\r\n0\r\n1\r\n15\r\n12\r\n\"" +
                          QByteArray("harbour.bmp").leftJustified(nameLength, ' ') + "\"\r\n";
    for (int entry = 2; entry <= 20; ++entry) {
        expected += "\"\"\r\n0\r\n0\r\n0\r\n0\r\n\"\"\r\n";
    }
    EXPECT_EQ(test::ReadAll(w.PathOf("besttimes.txt")), expected);
}

} // namespace
} // namespace tess
