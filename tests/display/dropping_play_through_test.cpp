// A whole game on the real main window: File > Open through its dialog, the painted field,
// then every join and placing with real mouse events, the best time and Close.
#include "display/picking.h"
#include "puzzle/invariants.h"
#include "shell/main_window.h"
#include "test_pictures.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tess {
namespace {

// Answers the next modal dialog of the given object name once it is open.
template <typename Dialog, typename Answer> void AnswerWhenOpen(const char* name, Answer answer) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, name, answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog != nullptr && dialog->objectName() == QLatin1String(name)) {
            poll->deleteLater();
            poll->stop();
            answer(dialog);
        }
    });
    poll->start(10);
}

TEST(PlayThrough, APictureIsOpenedShownJoinedAndPlacedWithTheMouse) {
    QTemporaryDir folder;
    SettingsStore store(folder.path() + QStringLiteral("/settings.ini"));
    MersenneRandom random(31u);
    ProcessFacts facts;
    facts.ProgramFolder = folder.path();
    facts.AppDir = folder.path();
    MainWindow window(store, random, facts);
    window.Start();
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

    const QString picture = test::WritePatternPicture(folder.path(), "harbour.bmp", 480, 360);
    p.NumberOfPieces = 12;
    game.settings.TimePuzzle = true;
    AnswerWhenOpen<QFileDialog>("dlgCommon", [picture](QFileDialog* dialog) {
        dialog->selectFile(picture);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    window.mnuFileOpen->trigger();
    ASSERT_EQ(p.PuzzleLoaded, kTrue);
    ASSERT_EQ(p.GroupOrderCount, 12);
    ASSERT_TRUE(CheckModelInvariants(p).isEmpty());
    EXPECT_EQ(p.PictureFileTitle.trimmed(), "harbour.bmp");
    EXPECT_EQ(game.settings.InitDir, folder.path() + "/");
    EXPECT_TRUE(window.mnuFileClose->isEnabled());
    EXPECT_TRUE(window.tmrPuzzle->isActive());

    // The painted field: the board frame and the preview with its caption, first with
    // nothing loose over them.
    const int width = field->ScaleSize().width();
    const int height = field->ScaleSize().height();
    const QImage& back = game.surfaces.BackBuffer.Image();
    ASSERT_EQ(back.size(), QSize(width, height));
    auto at = [&back](Long x, Long y) { return back.pixel(int(x), int(y)) & 0xFFFFFFu; };
    const QRgb outline = QRgb(game.settings.OutlineColorFill);
    const QRgb background = QRgb(game.settings.BackgroundColorFill);
    p.GroupOrderCount = 0;
    game.picPuzzle_Paint();
    const Rect& board = p.BoardRect;
    for (const auto& [x, y] : {std::pair{board.Left, board.Top},
                               {board.Left, board.Bottom + 1},
                               {board.Right + 1, board.Bottom + 1}}) {
        EXPECT_EQ(at(x, y), outline) << "frame at " << x << "," << y;
    }
    EXPECT_EQ(at(board.Left + 20, board.Top + 20), background) << "no piece placed yet";
    const Rect& caption = p.PreviewCaptionRect;
    EXPECT_EQ(caption.Top, 4);
    EXPECT_EQ(caption.Right, width - 4);
    EXPECT_EQ(at(caption.Left, caption.Top), QRgb(game.settings.PreviewCaptionBackgroundColorFill));
    EXPECT_NE(at(p.PreviewRect.Left + 5, p.PreviewRect.Top + 5), background);
    // The topmost loose piece: its outline starts at each side's corner, its picture inside.
    p.GroupOrderCount = 12;
    game.picPuzzle_Paint();
    const PieceRecord& shown = p.Pieces[p.Groups[p.GroupOrder[12]].Members[1]];
    const Long x0 = shown.X + p.TabWidth - 1, x1 = shown.X + p.TabWidth + p.CellWidth;
    const Long y0 = shown.Y + p.TabHeight - 1, y1 = shown.Y + p.TabHeight + p.CellHeight;
    for (const auto& [x, y] : {std::pair{x0, y0}, {x0, y1}, {x0, y0 + 1}, {x1, y0 + 1}}) {
        EXPECT_EQ(at(x, y), outline) << x << "," << y;
    }
    EXPECT_NE(at(x0 + 5, y0 + 5), outline);
    EXPECT_NE(at(x0 + 5, y0 + 5), background);

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
    // Then put both groups home.
    game.tmrPuzzle_Timer();
    const Integer first = p.Groups[p.GroupOrder[2]].Members[1];
    drag(first, p.Pieces[first].HomeX + 4, p.Pieces[first].HomeY - 4);
    ASSERT_EQ(p.GroupOrderCount, 1);
    EXPECT_EQ(p.PuzzleSolved, kFalse);

    // The name box appears only when the best times take the game.
    AnswerWhenOpen<QInputDialog>("inputBox", [](QInputDialog* box) {
        box->setTextValue(QStringLiteral("Ann"));
        box->accept();
    });
    p.ElapsedSeconds = 75;
    const Integer last = p.Groups[p.GroupOrder[1]].Members[1];
    drag(last, p.Pieces[last].HomeX - 4, p.Pieces[last].HomeY + 4);
    EXPECT_EQ(p.PlacedCount, 12);
    EXPECT_EQ(p.GroupOrderCount, 0);
    EXPECT_EQ(p.PuzzleSolved, kTrue);
    EXPECT_EQ(p.ElapsedSeconds, 0);
    EXPECT_FALSE(window.tmrPuzzle->isActive());

    // 75 seconds for 12 pieces, first in the table; the image name keeps the padding of
    // the fixed-length picture path field after its last separator.
    QFile file(folder.path() + QStringLiteral("/besttimes.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const qsizetype nameLength = kPictureFileNameLength - (folder.path().size() + 1);
    QByteArray expected = "\"Ann\"\r\n0\r\n1\r\n15\r\n12\r\n\"" +
                          QByteArray("harbour.bmp").leftJustified(nameLength, ' ') + "\"\r\n";
    for (int entry = 2; entry <= 20; ++entry) {
        expected += "\"\"\r\n0\r\n0\r\n0\r\n0\r\n\"\"\r\n";
    }
    EXPECT_EQ(file.readAll(), expected);

    // Close releases the pieces and the temporary bitmap.
    window.mnuFileClose->trigger();
    EXPECT_EQ(p.PuzzleLoaded, kFalse);
    EXPECT_FALSE(QFile::exists(game.WholeImageTempPath()));
}

} // namespace
} // namespace tess
