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
    const QString sea = test::WritePatternPicture(files.path(), "sea.jpg", 150, 200),
                  notes = files.path() + "/notes.txt";
    ASSERT_TRUE(QDir(files.path()).mkdir("folder.jpg") &&
                WriteFileSafely(notes, "no picture").isEmpty());
    const auto url = [](const QString& path) { return QUrl::fromLocalFile(path); };
    const Qt::DropActions any = Qt::CopyAction | Qt::MoveAction;
    // What is dropped and the actions offered; whether the picture opens.
    const std::tuple<QList<QUrl>, Qt::DropActions, bool> cases[] = {
        {{url(files.path() + "/folder.jpg")}, any, false},
        {{url(notes), url(sea)}, any, false},
        {{QUrl("https://example.org/sea.jpg")}, any, false},
        {{url(sea)}, Qt::MoveAction, false}, // the file manager would remove the file
        {{url(sea), url(notes)}, any, true},
    };
    for (const auto& [urls, actions, opens] : cases) {
        SCOPED_TRACE(urls.constFirst().toString().toStdString());
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
        const Puzzle& p = w.window.game().puzzle;
        EXPECT_EQ(enter.isAccepted() && drop.isAccepted() && drop.dropAction() == Qt::CopyAction,
                  opens);
        // Cut and scrambled as Open does it.
        EXPECT_EQ(p.PuzzleLoaded && PicturePath(p) == sea && p.Groups.size() == 65u, opens);
    }
}

} // namespace
} // namespace tess
