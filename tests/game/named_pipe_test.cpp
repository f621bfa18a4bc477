// A named pipe in the place of every file the program reads: refused at once with the message
// an unreadable file gets, the game on the screen going on, the pipe left where it was. A
// regression waits for a writer for ever: ctest's TIMEOUT ends it as a failure.
#include "desktop/desktop.h"
#include "display/test_pictures.h"
#include "persist/persist.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tess {
namespace {

using test::GameFixture;

bool IsPipe(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

TEST(NamedPipe, InThePlaceOfEveryFileIsRefusedAndTheGameGoesOn) {
    const QString cut = "Error:|The puzzle could not be cut: ";
    const QString load = "Load Puzzle State|The puzzle state file \"%1\" cannot be loaded: ";
    struct Row {
        const char* file;
        std::function<void(GameFixture&, const QString& pipe)> act;
        QString message; // %1: the pipe; %2: the state file
    };
    const std::vector<Row> rows = {
        {"p.jpg",
         [](GameFixture& f, const QString& pipe) {
             f.host.openAnswers.push_back(pipe);
             f.game->Guard([&] { f.game->mnuFileOpen_Click(); });
         },
         cut + "the picture \"%1\" cannot be read (Not a regular file)"},
        {"picture.bmp",
         [](GameFixture& f, const QString& pipe) {
             Puzzle saved = f.game->puzzle;
             SetPictureFileName(saved, pipe);
             const QString path = f.ProgramFolder() + "/game.psf";
             ASSERT_EQ(WriteFileSafely(path, WriteStateFile(saved, path).bytes), "");
             f.host.openAnswers.push_back(path);
             f.game->mnuFileLoadPuzzleState_Click();
         },
         load.arg("%2") + "its picture \"%1\" cannot be read (Not a regular file)."},
        {"game.psf",
         [](GameFixture& f, const QString& pipe) {
             f.host.openAnswers.push_back(pipe);
             f.game->mnuFileLoadPuzzleState_Click();
         },
         load.arg("%1") + "it cannot be opened (Not a regular file)."},
        {"besttimes.txt",
         [](GameFixture& f, const QString&) {
             f.game->ReadBestTimes();
             f.game->SaveBestTimes();
         },
         "Tessellara|The best times could not be read from \"%1\": Not a regular file."},
        {"besttimes.txt.lock", [](GameFixture& f, const QString&) { f.game->SaveBestTimes(); }, ""},
        {"WholeImageTemp.bmp",
         [](GameFixture& f, const QString&) {
             f.host.openAnswers.push_back(f.ProgramFolder() + "/p.bmp");
             f.game->Guard([&] { f.game->mnuFileOpen_Click(); });
         },
         cut + "cannot write %1: Not a regular file"},
        {"settings.ini",
         [](GameFixture& f, const QString& pipe) {
             f.store = std::make_unique<SettingsStore>(pipe);
             f.game = std::make_unique<Game>(f.host, *f.store, f.random, f.game->facts());
             Integer pieces = 0;
             f.store->ReadAll(f.game->settings, pieces);
             EXPECT_EQ(pieces, 64) << "a clean start";
             f.game->mnuViewPreview_Click();
         },
         "Tessellara|The settings could not be saved to \"%1\": Not a regular file."},
        {"applications/tessellara-psffile.desktop",
         [](GameFixture& f, const QString&) {
             const QString folder = f.ProgramFolder();
             for (const QString name :
                  {"/mime/packages/tessellara-psffile.xml", "/mimeapps.list"}) {
                 ASSERT_TRUE(QDir().mkpath(QFileInfo(folder + name).path()));
                 ASSERT_EQ(::mkfifo(QFile::encodeName(folder + name).constData(), 0600), 0);
             }
             RegisterStateFileType(folder, "tessellara", {folder, folder});
             for (const QString name :
                  {"/mime/packages/tessellara-psffile.xml", "/mimeapps.list"}) {
                 EXPECT_TRUE(IsPipe(folder + name)) << name.toStdString();
             }
         },
         ""},
        {"recently-used.xbel",
         [](GameFixture&, const QString& pipe) {
             AddRecentDocumentTo(pipe, RecentDocument{pipe, "a/b", "Tessellara", "t %f"});
         },
         ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        GameFixture f;
        test::OpenPatternPicture(f, 12, 150, 200);
        f.game->mnuFileScramble_Click();
        const Puzzle before = f.game->puzzle;
        const QString pipe = f.ProgramFolder() + '/' + row.file;
        QFile::remove(pipe);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(pipe).path()));
        ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        f.host.messages.clear();
        row.act(f, pipe);

        EXPECT_TRUE(IsPipe(pipe)) << "left where it was";
        const QString message =
            QString(row.message).replace("%1", pipe).replace("%2", f.ProgramFolder() + "/game.psf");
        EXPECT_EQ(f.host.messages.value(0).left(message.size()), message);
        EXPECT_EQ(f.host.messages.isEmpty(), message.isEmpty());
        if (f.game->puzzle.PuzzleLoaded) {
            EXPECT_EQ(f.game->puzzle.Pieces, before.Pieces) << "the game goes on";
        }
    }
}

} // namespace
} // namespace tess
