// Files dropped on the real window.
#include "display/test_pictures.h"
#include "persist/safe_file.h"
#include "support/window_test_support.h"

#include <QDropEvent>
#include <QMimeData>
#include <gtest/gtest.h>

namespace tess {
namespace {

TEST(MainWindow, ADroppedPictureOpensAsOpenOpensItAndAnythingElseIsRefused) {
    const QTemporaryDir files;
    const auto url = [&](const char* name) { return QUrl::fromLocalFile(files.filePath(name)); };
    const QString sea = test::WritePatternPicture(files.path(), "sea.jpg", 150, 200);
    ASSERT_TRUE(QDir(files.path()).mkdir("folder.jpg") &&
                WriteFileSafely(files.filePath("notes.txt"), "no picture").isEmpty());
    const Qt::DropActions any = Qt::CopyAction | Qt::MoveAction;
    // What is dropped and the actions offered; whether the picture opens.
    const std::tuple<QList<QUrl>, Qt::DropActions, bool> cases[] = {
        {{url("folder.jpg")}, any, false},
        {{url("notes.txt"), url("sea.jpg")}, any, false},
        {{QUrl("https://example.org/sea.jpg")}, any, false},
        {{url("sea.jpg")}, Qt::MoveAction, false}, // the file manager would remove the file
        {{url("sea.jpg"), url("notes.txt")}, any, true},
    };
    for (const auto& [urls, actions, opens] : cases) {
        test::WindowFixture w;
        QMimeData data;
        data.setUrls(urls);
        // Entering over the play field reaches the window, which takes the drop.
        QDragEnterEvent enter(QPoint(40, 40), actions, &data, Qt::LeftButton, Qt::NoModifier);
        QDropEvent drop(QPointF(40, 40), actions, &data, Qt::LeftButton, Qt::NoModifier);
        enter.ignore();
        drop.ignore();
        QApplication::sendEvent(w.window.picPuzzle, &enter);
        QApplication::sendEvent(&w.window, &drop);
        QApplication::processEvents();
        // Taken as a copy, then cut and scrambled (the pieces scattered) as Open does it.
        const Puzzle& p = w.window.game().puzzle;
        const std::string dropped = urls.constFirst().toString().toStdString();
        EXPECT_EQ(enter.isAccepted() && drop.isAccepted() && drop.dropAction() == Qt::CopyAction,
                  opens)
            << dropped;
        EXPECT_EQ(p.PuzzleLoaded && PicturePath(p) == sea && p.Pieces[1].X != p.Pieces[2].X, opens)
            << dropped;
    }
}

} // namespace
} // namespace tess
