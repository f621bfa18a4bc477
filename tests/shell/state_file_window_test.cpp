// Saving, loading and reopening a game through the real window: its menus, file dialog,
// message box, and the desktop's recent documents.
#include "shell/recent_documents.h"
#include "shell/window_test_support.h"
#include "support/qt_printers.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>
#include <deque>
#include <gtest/gtest.h>

namespace tess {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Answers the file dialog "dlgCommon" with the queued paths (a null one cancels) and every
// message box with OK; returns what each showed (the filter, or "title|text").
QStringList AnswerWith(std::deque<QString> files, const std::function<void()>& trigger) {
    QStringList seen;
    test::AnswerModals(
        [&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (dialog != nullptr && dialog->objectName() == "dlgCommon" && !files.empty()) {
                seen << dialog->nameFilters().join(";;");
                if (files.front().isNull()) {
                    dialog->reject();
                } else {
                    dialog->selectFile(files.front());
                    static_cast<QDialog*>(dialog)->accept();
                }
                files.pop_front();
            } else if (box != nullptr) {
                seen << box->windowTitle() + "|" + box->text();
                box->button(QMessageBox::Ok)->click();
            } else {
                seen << "unexpected " + modal->objectName();
                modal->close();
            }
        },
        trigger);
    return seen;
}

TEST(StateFileWindow, SavesLoadsAndReopensAGameThroughTheWindow) {
    test::WindowFixture w;
    MainWindow& window = w.window;
    window.resize(820, 640);
    const Game& game = window.game();
    auto screen = [&] {
        QApplication::processEvents();
        return window.picPuzzle->grab().toImage();
    };
    QImage image(240, 180, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x, x * y % 256, y));
        }
    }
    const QString picture = w.PathOf("lighthouse.bmp");
    ASSERT_TRUE(image.save(picture));
    AnswerWith({picture}, [&] { window.mnuFileOpen->trigger(); });
    ASSERT_TRUE(game.puzzle.PuzzleLoaded);
    window.game().tmrPuzzle_Timer();
    const Puzzle before = game.puzzle;
    const QImage screenBefore = screen();

    const QString saved = w.PathOf("saved.psf");
    const QStringList stateFilter{"Puzzle State Files (*.psf)"};
    EXPECT_EQ(AnswerWith({saved}, [&] { window.mnuFileSavePuzzleState->trigger(); }), stateFilter);
    window.mnuFileClose->trigger();
    ASSERT_FALSE(screen() == screenBefore) << "the comparison below can tell games apart";
    EXPECT_EQ(AnswerWith({QString()}, [&] { window.mnuFileLoadPuzzleState->trigger(); }),
              stateFilter);
    EXPECT_FALSE(game.puzzle.PuzzleLoaded) << "cancelled";
    EXPECT_EQ(AnswerWith({saved}, [&] { window.mnuFileLoadPuzzleState->trigger(); }), stateFilter);
    EXPECT_EQ(game.puzzle.Pieces, before.Pieces);
    EXPECT_EQ(game.puzzle.Groups, before.Groups);
    EXPECT_EQ(game.puzzle.GroupOrderCount, before.GroupOrderCount);
    EXPECT_EQ(game.puzzle.ElapsedSeconds, 1);
    EXPECT_TRUE(window.tmrPuzzle->isActive());
    EXPECT_TRUE(window.mnuFileClose->isEnabled());
    EXPECT_TRUE(window.ToolbarButton2->isEnabled());
    EXPECT_TRUE(screen() == screenBefore) << "the same game on the screen";

    // A broken file: the message says so and the game goes on.
    const QString broken = w.PathOf("broken.psf");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ReadAll(saved).left(1200));
    file.close();
    const QStringList seen =
        AnswerWith({broken}, [&] { window.mnuFileLoadPuzzleState->trigger(); });
    ASSERT_EQ(seen.size(), 2);
    EXPECT_TRUE(seen[1].startsWith("Load Puzzle State|The puzzle state file \"" + broken +
                                   "\" cannot be loaded: the file ends inside piece "))
        << seen[1].toStdString();
    EXPECT_TRUE(seen[1].endsWith(".\n\nThe current game goes on unchanged."));
    EXPECT_TRUE(window.tmrPuzzle->isActive());
    EXPECT_EQ(game.puzzle.Pieces, before.Pieces);
    EXPECT_TRUE(screen() == screenBefore);

    // Only a state file from the command line joins the desktop's recent documents.
    const QByteArray savedUrl = QUrl::fromLocalFile(saved).toEncoded();
    EXPECT_FALSE(ReadAll(RecentlyUsedPath()).contains(savedUrl));
    test::WindowFixture fromCommandLine({}, saved);
    EXPECT_TRUE(fromCommandLine.window.game().puzzle.PuzzleLoaded);
    EXPECT_TRUE(ReadAll(RecentlyUsedPath()).contains(savedUrl));
    EXPECT_FALSE(ReadAll(RecentlyUsedPath()).contains("lighthouse"));
}

} // namespace
} // namespace tess
