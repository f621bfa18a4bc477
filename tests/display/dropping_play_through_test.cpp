// A whole game played with real mouse events on the real main window.
#include "display/picking.h"
#include "puzzle/invariants.h"
#include "shell/main_window.h"
#include "support/qt_printers.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QInputDialog>
#include <QPainter>
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

// A harbour at dusk: sky, sun, hills, water and a few boats.
QString MakePicture(const QString& folder) {
    QImage picture(480, 360, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 220);
    sky.setColorAt(0, QColor(40, 60, 140));
    sky.setColorAt(1, QColor(250, 170, 90));
    painter.fillRect(0, 0, 480, 220, sky);
    painter.setBrush(QColor(255, 230, 120));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(330, 170), 38, 38);
    painter.setBrush(QColor(60, 90, 60));
    painter.drawPolygon(
        QPolygonF({QPointF(0, 220), QPointF(90, 140), QPointF(200, 205), QPointF(300, 160),
                   QPointF(480, 215), QPointF(480, 230), QPointF(0, 230)}));
    QLinearGradient sea(0, 220, 0, 360);
    sea.setColorAt(0, QColor(30, 80, 130));
    sea.setColorAt(1, QColor(10, 30, 60));
    painter.fillRect(0, 225, 480, 135, sea);
    for (int i = 0; i < 4; ++i) {
        const qreal x = 40 + i * 110;
        const qreal y = 260 + (i % 2) * 50;
        painter.setBrush(QColor(200 - i * 30, 60 + i * 40, 50));
        painter.drawPolygon(QPolygonF(
            {QPointF(x, y), QPointF(x + 70, y), QPointF(x + 58, y + 16), QPointF(x + 12, y + 16)}));
        painter.setBrush(QColor(240, 240, 230));
        painter.drawPolygon(
            QPolygonF({QPointF(x + 34, y - 50), QPointF(x + 34, y - 4), QPointF(x + 64, y - 4)}));
    }
    painter.end();
    const QString path = folder + QStringLiteral("/harbour.bmp");
    picture.save(path);
    return path;
}

struct PlayThrough {
    QTemporaryDir folder;
    SettingsStore store{folder.path() + QStringLiteral("/settings.ini")};
    MersenneRandom random{31u};
    std::unique_ptr<MainWindow> window;
    int drops = 0;

    PlayThrough() {
        ProcessFacts facts;
        facts.ProgramFolder = folder.path();
        facts.AppDir = folder.path();
        window = std::make_unique<MainWindow>(store, random, facts);
        window->Start();
        window->resize(1000, 760);
        QApplication::processEvents();
    }

    Puzzle& puzzle() { return window->game().puzzle; }

    // Grabs piece m at its cell's middle and drops it with its surface at (x, y).
    void Drag(Integer m, Long x, Long y) {
        PlayField* field = window->picPuzzle;
        const Puzzle& p = puzzle();
        const QPoint grab(p.Pieces[m].X + p.TabWidth + p.CellWidth / 2,
                          p.Pieces[m].Y + p.TabHeight + p.CellHeight / 2);
        ASSERT_EQ(FindPieceAt(p, grab.x(), grab.y()), m);
        QTest::mousePress(field, Qt::LeftButton, {}, grab);
        ASSERT_EQ(p.SelectedPiece, m);
        EXPECT_EQ(field->cursor().shape(), Qt::SizeAllCursor);
        const int hw = (2 * p.TabWidth + p.CellWidth) / 2;
        const int hh = (2 * p.TabHeight + p.CellHeight) / 2;
        // On the way, then onto the target.
        QTest::mouseMove(field, (grab + QPoint(x + hw, y + hh)) / 2);
        QTest::mouseMove(field, QPoint(x + hw, y + hh));
        QTest::mouseRelease(field, Qt::LeftButton, {}, QPoint(x + hw, y + hh));
        ++drops;
        EXPECT_EQ(p.Dragging, kFalse);
        EXPECT_NE(field->cursor().shape(), Qt::SizeAllCursor);
        const QStringList problems = CheckModelInvariants(p);
        ASSERT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
    }
};

TEST(PlayThrough, AGeneratedPictureIsOpenedJoinedAndPlacedWithTheMouse) {
    PlayThrough t;
    const QString picture = MakePicture(t.folder.path());
    t.puzzle().NumberOfPieces = 12;
    t.window->game().settings.TimePuzzle = true;
    AnswerWhenOpen<QFileDialog>("dlgCommon", [picture](QFileDialog* dialog) {
        dialog->selectFile(picture);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    t.window->mnuFileOpen->trigger();
    Puzzle& p = t.puzzle();
    ASSERT_EQ(p.PuzzleLoaded, kTrue);
    ASSERT_EQ(p.PuzzleColumns * p.PuzzleRows, 12);
    ASSERT_EQ(p.GroupOrderCount, 12);
    ASSERT_TRUE(CheckModelInvariants(p).isEmpty());
    const QString shot = qEnvironmentVariable("TESSELLARA_PLAY_SCREENSHOT");

    // Join a group onto a neighbour of another group until two groups are left: the first
    // piece, topmost group first, that is not covered and whose group fits in the field at
    // the place where the piece fits its neighbour.
    const int width = t.window->picPuzzle->width();
    const int height = t.window->picPuzzle->height();
    while (p.GroupOrderCount > 2) {
        bool dragged = false;
        for (int gi = p.GroupOrderCount; gi >= 1 && !dragged; --gi) {
            const GroupRecord& g = p.Groups[p.GroupOrder[gi]];
            for (int k = 1; k <= g.MemberCount && !dragged; ++k) {
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
                    // A few pixels off the exact fit: within the tolerance.
                    const Long x = p.Pieces[n].X + (piece.Col - p.Pieces[n].Col) * p.CellWidth + 2;
                    const Long y = p.Pieces[n].Y + (piece.Row - p.Pieces[n].Row) * p.CellHeight - 3;
                    const Long left = x - (piece.Col - g.MinCol) * p.CellWidth;
                    const Long right =
                        x + (g.MaxCol - piece.Col + 1) * p.CellWidth + 2 * p.TabWidth;
                    const Long top = y - (piece.Row - g.MinRow) * p.CellHeight;
                    const Long bottom =
                        y + (g.MaxRow - piece.Row + 1) * p.CellHeight + 2 * p.TabHeight;
                    if (left <= 0 || top <= 0 || right >= width || bottom >= height) {
                        continue;
                    }
                    const int before = p.GroupOrderCount;
                    t.Drag(m, x, y);
                    if (HasFatalFailure()) {
                        return;
                    }
                    ASSERT_LT(p.GroupOrderCount, before) << "piece " << m << " onto " << n;
                    dragged = true;
                    break;
                }
            }
        }
        ASSERT_TRUE(dragged) << "no group could be joined";
        if (p.GroupOrderCount == 6 && !shot.isEmpty()) {
            // A game in progress with joined groups, for the documentation.
            t.window->grab().save(shot);
        }
    }
    // Then put both groups home.
    t.window->game().tmrPuzzle_Timer();
    const Integer first = p.Groups[p.GroupOrder[2]].Members[1];
    t.Drag(first, p.Pieces[first].HomeX + 4, p.Pieces[first].HomeY - 4);
    ASSERT_EQ(p.GroupOrderCount, 1);
    EXPECT_EQ(p.PuzzleSolved, kFalse);

    // The name box appears only when the best times take the game.
    AnswerWhenOpen<QInputDialog>("inputBox", [](QInputDialog* box) {
        box->setTextValue(QStringLiteral("Ann"));
        box->accept();
    });
    p.ElapsedSeconds = 75;
    const Integer last = p.Groups[p.GroupOrder[1]].Members[1];
    t.Drag(last, p.Pieces[last].HomeX - 4, p.Pieces[last].HomeY + 4);
    EXPECT_EQ(p.PlacedCount, 12);
    EXPECT_EQ(p.GroupOrderCount, 0);
    EXPECT_EQ(p.PuzzleSolved, kTrue);
    EXPECT_EQ(p.ElapsedSeconds, 0);
    EXPECT_FALSE(t.window->tmrPuzzle->isActive());
    EXPECT_GE(t.drops, 12);

    // 75 seconds for 12 pieces, first in the table; the image name keeps the padding of
    // the fixed-length picture path field after its last separator.
    QFile file(t.folder.path() + QStringLiteral("/besttimes.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const qsizetype nameLength = kPictureFileNameLength - (t.folder.path().size() + 1);
    QByteArray expected = "\"Ann\"\r\n0\r\n1\r\n15\r\n12\r\n\"" +
                          QByteArray("harbour.bmp").leftJustified(nameLength, ' ') + "\"\r\n";
    for (int entry = 2; entry <= 20; ++entry) {
        expected += "\"\"\r\n0\r\n0\r\n0\r\n0\r\n\"\"\r\n";
    }
    EXPECT_EQ(file.readAll(), expected);
}

} // namespace
} // namespace tess
