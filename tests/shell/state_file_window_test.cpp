// Saving and loading a game through the real main window, its menus and its file dialog.
#include "persist/state_file_bytes.h"
#include "shell/main_window.h"
#include "support/qt_printers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <gtest/gtest.h>

namespace tess {
namespace {

// Answers every modal dialog as it comes up: the file dialog "dlgCommon" with the next
// queued path (a null path cancels), a message box by noting its text and pressing OK.
// Anything else is noted and closed, so no test can hang on a dialog.
struct DialogAnswers {
    std::deque<QString> files;
    QStringList filters;
    QStringList messages;
    QStringList unexpected;
    QTimer poll;

    DialogAnswers() {
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [this] { Answer(); });
        poll.start();
    }

    void Answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            return;
        }
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            if (dialog->objectName() != QStringLiteral("dlgCommon") || files.empty()) {
                unexpected << QStringLiteral("file dialog ") + dialog->objectName();
                dialog->reject();
                return;
            }
            filters << dialog->nameFilters().join(QStringLiteral(";;"));
            const QString path = files.front();
            files.pop_front();
            if (path.isNull()) {
                dialog->reject();
            } else {
                dialog->selectFile(path);
                static_cast<QDialog*>(dialog)->accept();
            }
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages << box->windowTitle() + QStringLiteral("|") + box->text();
            box->button(QMessageBox::Ok)->click();
        } else {
            unexpected << modal->objectName();
            modal->close();
        }
    }
};

struct WindowGame {
    QTemporaryDir folder;
    SettingsStore store{folder.path() + QStringLiteral("/settings.ini")};
    MersenneRandom random{11u};
    std::unique_ptr<MainWindow> window;
    DialogAnswers answers;

    WindowGame() {
        ProcessFacts facts;
        facts.ProgramFolder = folder.path();
        facts.AppDir = folder.path();
        window = std::make_unique<MainWindow>(store, random, facts);
        window->Start();
        window->resize(820, 640);
        QApplication::processEvents();
    }
    QString PathOf(const QString& name) const { return folder.path() + QStringLiteral("/") + name; }
    Game& game() { return window->game(); }
    QImage Screen() {
        QApplication::processEvents();
        return window->picPuzzle->grab().toImage();
    }
};

void WritePicture(const QString& path) {
    QImage image(240, 180, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x % 256, (x * y) % 256, y % 256));
        }
    }
    ASSERT_TRUE(image.save(path, "BMP"));
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(StateFileWindow, SavesThroughTheMenuClosesAndLoadsTheSameGameBack) {
    WindowGame w;
    MainWindow& window = *w.window;
    const QString picture = w.PathOf(QStringLiteral("lighthouse.bmp"));
    WritePicture(picture);
    {
        QFile file(w.PathOf(QStringLiteral("start.psf")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(test::MidGameThreeByTwo(picture).Bytes());
    }

    // A game in play, opened as a state file from the Open dialog.
    w.answers.files.push_back(w.PathOf(QStringLiteral("start.psf")));
    window.mnuFileOpen->trigger();
    ASSERT_TRUE(w.answers.unexpected.isEmpty()) << w.answers.unexpected.join("\n").toStdString();
    ASSERT_TRUE(w.game().puzzle.PuzzleLoaded);
    ASSERT_TRUE(window.mnuFileSavePuzzleState->isEnabled());
    ASSERT_TRUE(window.tmrPuzzle->isActive());
    w.game().tmrPuzzle_Timer();
    const Puzzle before = w.game().puzzle;
    const QImage screenBefore = w.Screen();

    // Save from the menu into a new file.
    const QString saved = w.PathOf(QStringLiteral("saved.psf"));
    w.answers.files.push_back(saved);
    window.mnuFileSavePuzzleState->trigger();
    ASSERT_TRUE(w.answers.unexpected.isEmpty()) << w.answers.unexpected.join("\n").toStdString();
    EXPECT_EQ(w.answers.filters.last(), QStringLiteral("Puzzle State Files (*.psf)"));
    const QByteArray bytes = ReadFile(saved);
    ASSERT_EQ(bytes.size(), 24 * 128) << "8 + 2 x 6 + 1 placed + 3 drawn records";
    EXPECT_EQ(bytes.mid(23 * 128, 4), test::I32(755)) << "the clock as it stood";

    window.mnuFileClose->trigger();
    ASSERT_FALSE(w.game().puzzle.PuzzleLoaded);
    ASSERT_FALSE(w.Screen() == screenBefore) << "the comparison below can tell games apart";
    ASSERT_FALSE(window.tmrPuzzle->isActive());

    // Cancelling the load changes nothing; then load the saved game from the menu.
    w.answers.files.push_back(QString());
    window.mnuFileLoadPuzzleState->trigger();
    EXPECT_FALSE(w.game().puzzle.PuzzleLoaded);
    w.answers.files.push_back(saved);
    window.mnuFileLoadPuzzleState->trigger();
    ASSERT_TRUE(w.answers.unexpected.isEmpty()) << w.answers.unexpected.join("\n").toStdString();
    EXPECT_EQ(w.answers.filters.last(), QStringLiteral("Puzzle State Files (*.psf)"));

    const Puzzle& after = w.game().puzzle;
    EXPECT_TRUE(after.PuzzleLoaded);
    EXPECT_EQ(after.PictureFileName, before.PictureFileName);
    EXPECT_EQ(after.Pieces, before.Pieces);
    EXPECT_EQ(after.Groups, before.Groups);
    EXPECT_EQ(after.PlacedPieces, before.PlacedPieces);
    EXPECT_EQ(after.GroupOrderCount, before.GroupOrderCount);
    EXPECT_EQ(after.ElapsedSeconds, 755);
    EXPECT_TRUE(window.tmrPuzzle->isActive());
    EXPECT_TRUE(window.mnuFileClose->isEnabled());
    EXPECT_TRUE(window.ToolbarButton2->isEnabled());
    EXPECT_TRUE(w.Screen() == screenBefore) << "the same game on the screen";
}

TEST(StateFileWindow, ABrokenFileShowsAMessageAndKeepsTheGameRunning) {
    WindowGame w;
    MainWindow& window = *w.window;
    const QString picture = w.PathOf(QStringLiteral("lighthouse.bmp"));
    WritePicture(picture);
    const QString good = w.PathOf(QStringLiteral("good.psf"));
    const QString broken = w.PathOf(QStringLiteral("broken.psf"));
    {
        QFile file(good);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(test::MidGameThreeByTwo(picture).Bytes());
        QFile bad(broken);
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
        bad.write(test::MidGameThreeByTwo(picture).Bytes().left(1200));
    }
    w.answers.files.push_back(good);
    window.mnuFileLoadPuzzleState->trigger();
    ASSERT_TRUE(window.tmrPuzzle->isActive());
    const QImage screenBefore = w.Screen();
    const std::vector<PieceRecord> pieces = w.game().puzzle.Pieces;

    w.answers.files.push_back(broken);
    window.mnuFileLoadPuzzleState->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(w.answers.unexpected.isEmpty());
    ASSERT_EQ(w.answers.messages.size(), 1);
    EXPECT_EQ(w.answers.messages.first(),
              "Load Puzzle State|The puzzle state file \"" + QDir::toNativeSeparators(broken) +
                  "\" cannot be loaded: the file ends inside piece 3 (record 10).\n\n"
                  "The current game goes on unchanged.");
    EXPECT_TRUE(window.tmrPuzzle->isActive());
    EXPECT_EQ(w.game().puzzle.Pieces, pieces);
    EXPECT_TRUE(w.Screen() == screenBefore);
}

} // namespace
} // namespace tess
