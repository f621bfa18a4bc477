// Opening a picture through the real window: File > Open, the file dialog, the painted field.
#include "shell/main_window.h"
#include "test_pictures.h"

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace tess {
namespace {

// Answers the next file dialog with the path once it is shown.
void AnswerFileDialog(const QString& path) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog->objectName() != QStringLiteral("dlgCommon")) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
    });
    poll->start(10);
}

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }

TEST(OpenWindow, OpensAPictureAndPaintsFramePreviewAndOutlines) {
    QTemporaryDir folder;
    SettingsStore store(folder.path() + "/settings.ini");
    MersenneRandom random(3u);
    ProcessFacts facts;
    facts.ProgramFolder = folder.path();
    facts.AppDir = folder.path();
    MainWindow window(store, random, facts);
    window.Start();
    window.resize(900, 700);
    QApplication::processEvents();
    Game& game = window.game();
    const QSize field = window.picPuzzle->ScaleSize();
    ASSERT_EQ(game.surfaces.BackBuffer.GetSurfaceDesc().Width, field.width());

    const QString picture = test::WritePatternPicture(folder.path(), "sunset.jpg", 640, 480);
    AnswerFileDialog(picture);
    window.mnuFileOpen->trigger();

    const Puzzle& puzzle = game.puzzle;
    ASSERT_EQ(puzzle.PuzzleLoaded, kTrue);
    EXPECT_EQ(puzzle.PuzzleColumns, 8);
    EXPECT_EQ(puzzle.PictureFileTitle.trimmed(), "sunset.jpg");
    EXPECT_EQ(game.settings.InitDir, folder.path() + "/");
    EXPECT_TRUE(window.mnuFileClose->isEnabled());
    EXPECT_TRUE(window.tmrPuzzle->isActive());

    // One loose piece away from the board, so its outline stands alone.
    Puzzle& model = game.puzzle;
    model.Groups[1].Members = {0, 1};
    model.Groups[1].MemberCount = 1;
    model.GroupOrder = {0, 1};
    model.GroupOrderCount = 1;
    model.Pieces[1].X = 5;
    model.Pieces[1].Y = field.height() - 120;
    game.picPuzzle_Paint();

    const QImage& back = game.surfaces.BackBuffer.Image();
    const QRgb outline = QRgb(game.settings.OutlineColorFill);
    const QRgb background = QRgb(game.settings.BackgroundColorFill);
    const Rect& board = puzzle.BoardRect;
    EXPECT_EQ(At(back, board.Left + 20, board.Top), outline) << "board frame";
    EXPECT_EQ(At(back, board.Left, board.Top + 20), outline);
    EXPECT_EQ(At(back, board.Left + 20, board.Top + 1), background) << "no piece placed yet";

    const Rect& caption = puzzle.PreviewCaptionRect;
    EXPECT_EQ(caption.Top, 4);
    EXPECT_EQ(caption.Right, field.width() - 4);
    EXPECT_EQ(At(back, caption.Left, caption.Top),
              QRgb(game.settings.PreviewCaptionBackgroundColorFill));
    int text = 0;
    for (int y = caption.Top; y < caption.Bottom; ++y) {
        for (int x = caption.Left; x < caption.Left + 60; ++x) {
            text += qGray(At(back, x, y)) > 150;
        }
    }
    EXPECT_GT(text, 10) << "the caption reads Preview in white";
    EXPECT_NE(At(back, puzzle.PreviewRect.Left + 5, puzzle.PreviewRect.Top + 5), background);

    // Piece 1 (top-left corner): full line on top and left, its cell inside them.
    const PieceRecord& piece = puzzle.Pieces[1];
    const int lineY = piece.Y + puzzle.TabHeight - 1;
    const int lineX = piece.X + puzzle.TabWidth - 1;
    for (int x = lineX; x < lineX + puzzle.CellWidth + 2; ++x) {
        EXPECT_EQ(At(back, x, lineY), outline) << x;
    }
    for (int y = piece.Y + puzzle.TabHeight; y < piece.Y + puzzle.TabHeight + puzzle.CellHeight;
         ++y) {
        EXPECT_EQ(At(back, lineX, y), outline) << y;
    }
    EXPECT_EQ(At(back, lineX - 1, lineY - 1), background) << "no knob on a border side";
    EXPECT_NE(At(back, lineX + 5, lineY + 5), background) << "the picture inside";
    EXPECT_NE(At(back, lineX + 5, lineY + 5), outline);
    // The field shows the back buffer.
    EXPECT_EQ(window.picPuzzle->grab().size(), window.picPuzzle->size());

    // Close releases the pieces and the temporary bitmap.
    window.mnuFileClose->trigger();
    EXPECT_EQ(game.puzzle.PuzzleLoaded, kFalse);
    EXPECT_FALSE(QFile::exists(game.WholeImageTempPath()));
}

} // namespace
} // namespace tess
