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

bool MakePipe(const QString& path) {
    return QDir().mkpath(QFileInfo(path).path()) &&
           ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

bool IsPipe(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

TEST(NamedPipe, InThePlaceOfEveryFileIsRefusedAndTheGameGoesOn) {
    const QString cut = "Error:|The puzzle could not be cut: ",
                  load = "Load Puzzle State|The puzzle state file \"%2\" cannot be loaded: ";
    auto open = [](GameFixture& f, const QString& path) {
        f.host.openAnswers.push_back(path);
        f.game->Guard([&] { f.game->mnuFileOpen_Click(); });
    };
    // The file in the program folder, what is done, the start of the message (%1 the pipe).
    const std::vector<std::tuple<QString, std::function<void(GameFixture&, QString)>, QString>>
        rows{
            {"p.jpg", open, cut + "the picture \"%1\" cannot be read (Not a regular file)"},
            {"game.psf", open, load + "it cannot be opened (Not a regular file)."},
            {"besttimes.txt", [](GameFixture& f, auto) { f.game->ReadBestTimes(); },
             "Tessellara|The best times could not be read from \"%1\": Not a regular file."},
            {"besttimes.txt.lock", [](GameFixture& f, auto) { f.game->SaveBestTimes(); }, ""},
            {"WholeImageTemp.bmp",
             [&](GameFixture& f, auto) { open(f, f.ProgramFolder() + "/p.bmp"); },
             cut + "cannot write %1: Not a regular file"},
            {"settings.ini",
             [](GameFixture& f, const QString& pipe) {
                 const ProcessFacts facts = f.game->facts();
                 f.game.reset(); // before the store it uses
                 f.store = std::make_unique<SettingsStore>(pipe);
                 f.game = std::make_unique<Game>(f.host, *f.store, f.random, facts);
                 Integer pieces = 0;
                 f.store->ReadAll(f.game->settings, pieces);
                 EXPECT_EQ(pieces, 64) << "a clean start";
                 f.game->mnuViewPreview_Click();
             },
             "Tessellara|The settings could not be saved to \"%1\": Not a regular file."},
            {"applications/tessellara-psffile.desktop",
             [](GameFixture& f, const QString&) {
                 const QString folder = f.ProgramFolder(),
                               mime = "/mime/packages/tessellara-psffile.xml";
                 ASSERT_TRUE(MakePipe(folder + mime) && MakePipe(folder + "/mimeapps.list"));
                 RegisterStateFileType(folder, "tessellara", {folder, folder, {}});
                 EXPECT_TRUE(IsPipe(folder + mime) && IsPipe(folder + "/mimeapps.list"));
             },
             ""},
            {"recently-used.xbel",
             [](GameFixture&, const QString& pipe) {
                 AddRecentDocumentTo(pipe, {pipe, "", "", ""});
             },
             ""},
        };
    for (const auto& [file, act, text] : rows) {
        SCOPED_TRACE(file.toStdString());
        GameFixture f;
        test::OpenPatternPicture(f, 12, 150, 200);
        f.game->mnuFileScramble_Click();
        const Puzzle before = f.game->puzzle;
        const QString pipe = f.ProgramFolder() + '/' + file;
        QFile::remove(pipe);
        ASSERT_TRUE(MakePipe(pipe));
        act(f, pipe);

        EXPECT_TRUE(IsPipe(pipe)) << "left where it was";
        const QString message =
            QString(text).replace("%1", pipe).replace("%2", f.ProgramFolder() + "/game.psf");
        EXPECT_EQ(f.host.messages.value(0).left(message.size()), message);
        EXPECT_EQ(f.host.messages.size(), message.isEmpty() ? 0 : 1);
        if (f.game->puzzle.PuzzleLoaded) {
            EXPECT_EQ(f.game->puzzle.Pieces, before.Pieces) << "the game goes on";
        }
    }
}

} // namespace
} // namespace tess
