// A file named on the command line or dropped on the real window opens as File > Open opens a
// chosen file. The command line's arguments after "--" and those that are not options are
// joined into one path, made absolute against the folder the program was started in (start-up
// then makes the program's folder current, where none of these files is). A drop takes the
// first file, as a copy, when Open would take it. (--help and --version: CMakeLists.txt.)
#include "desktop/file_type_registration.h"
#include "desktop/recent_documents.h"
#include "display/test_pictures.h"
#include "game/command_line.h"
#include "persist/safe_file.h"
#include "persist/state_file.h"
#include "support/window_test_support.h"

#include <QDropEvent>
#include <QMessageBox>
#include <QMimeData>
#include <gtest/gtest.h>

namespace tess {
namespace {

TEST(MainWindow, OpensTheFileOfTheCommandLineOrOfADropAsOpenDoes) {
    const QTemporaryDir started;
    const QString there = started.path(), saved = there + "/mine.psf";
    test::GameFixture source;
    test::OpenPatternPicture(source, 12, 150, 200, "sea.bmp");
    source.game->mnuFileScramble_Click();
    test::WritePatternPicture(there, "my photo.jpeg", 150, 200);
    ASSERT_EQ(WriteFileSafely(saved, WriteStateFile(source.game->puzzle, saved).bytes) +
                  WriteFileSafely(there + "/notes.txt", "no game") +
                  WriteFileSafely(there + "/cut.bmp", "BM, a bitmap cut short"),
              "");
    const auto url = [&](const char* name) { return QUrl::fromLocalFile(there + '/' + name); };
    const Qt::DropActions any = Qt::CopyAction | Qt::MoveAction;
    const QString registered =
        CurrentDesktopFolders().DataHome + "/applications/tessellara-psffile.desktop";
    // The arguments, or the files dropped and the actions offered; the pieces loaded and
    // whether they lie scattered (a picture is cut and scrambled), the picture's name, then the
    // start of the message shown ($ for its end).
    const std::tuple<QStringList, QList<QUrl>, Qt::DropActions, QString> cases[] = {
        {{"%1"}, {}, {}, "0 $"},
        {{"mine.psf"}, {}, {}, "12 1 sea.bmp $"},
        {{"--", "my", "photo.jpeg"}, {}, {}, "64 1 my photo.jpeg $"},
        {{"notes.txt"}, {}, {}, "0 The puzzle state file \"<d>/notes.txt\" cannot be loaded"},
        // A picture that fails is reported, and start-up goes on.
        {{there + "/cut.bmp"}, {}, {}, "0 The puzzle could not be cut: the picture \"<d>/cut.bmp"},
        {{}, {url("notes.txt"), url("my photo.jpeg")}, any, "0 $"},
        {{}, {url("my photo.jpeg")}, Qt::MoveAction, "0 $"}, // the file manager would delete it
        {{}, {url("my photo.jpeg"), url("notes.txt")}, any, "64 1 my photo.jpeg $"},
    };
    for (const auto& [arguments, urls, actions, expected] : cases) {
        QMimeData data;
        data.setUrls(urls);
        // Entering over the play field reaches the window, which takes the drop; Shift held asks
        // for a move, which the file manager ends by deleting the file.
        QDragEnterEvent enter(QPoint(40, 40), actions, &data, Qt::LeftButton, Qt::ShiftModifier);
        QDropEvent drop(QPointF(40, 40), actions, &data, Qt::LeftButton, Qt::ShiftModifier);
        const QString file = ParseCommandLine(QStringList{"t"} + arguments, there).File;
        std::optional<test::WindowFixture> w;
        // Written again by every start that goes on to the end; a state file loaded from the
        // command line, and only that, joins the desktop's recent documents.
        QFile::remove(registered);
        QFile::remove(RecentlyUsedPath());
        QString shown;
        test::AnswerModals(
            [&](QWidget* box) {
                shown = static_cast<QMessageBox*>(box)->text();
                box->close();
            },
            [&] {
                w.emplace(QString(), file);
                QApplication::sendEvent(w->window.picPuzzle, &enter);
                QApplication::sendEvent(&w->window, &drop);
                QApplication::processEvents();
            });
        const Puzzle& p = w->window.game().puzzle;
        const QString got = (p.PuzzleLoaded ? QString("%1 %2 %3 ")
                                                  .arg(p.NumberOfPieces)
                                                  .arg(p.Pieces[1].X != p.Pieces[2].X ||
                                                       p.Pieces[1].Y != p.Pieces[2].Y)
                                                  .arg(QFileInfo(PicturePath(p)).fileName())
                                            : "0 ") +
                            shown + "$";
        EXPECT_TRUE(got.startsWith(QString(expected).replace("<d>", there)) &&
                    QFile::exists(registered))
            << got.toStdString();
        EXPECT_EQ(enter.isAccepted() && drop.isAccepted() && drop.dropAction() == Qt::CopyAction,
                  !urls.isEmpty() && p.PuzzleLoaded);
        EXPECT_EQ(
            test::ReadAll(RecentlyUsedPath()).contains(QUrl::fromLocalFile(saved).toEncoded()),
            arguments == QStringList{"mine.psf"});
    }
}

} // namespace
} // namespace tess
