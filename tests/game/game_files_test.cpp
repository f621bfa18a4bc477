// This copy's own files: the temporary bitmap of each running copy of the program, and the
// unfinished game kept at quit.
#include "persist/state_file.h"
#include "support/recording_host.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLockFile>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tess {
namespace {

using test::GameFixture;

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

// Opens a plain picture of the colour cut into 12 pieces, as Open does.
void OpenPicture(Game& game, const QString& path, Qt::GlobalColor colour) {
    QImage picture(200, 150, QImage::Format_RGB32);
    picture.fill(colour);
    ASSERT_TRUE(picture.save(path));
    game.puzzle.NumberOfPieces = 12;
    SetPictureFileName(game.puzzle, path);
    game.SetWholeImage();
    game.mnuFileScramble_Click();
    ASSERT_TRUE(game.puzzle.PuzzleLoaded);
}

// Another running copy of the program: its own window and settings, the same program folder.
struct OtherCopy {
    explicit OtherCopy(const ProcessFacts& facts)
        : store(facts.ProgramFolder + "/other.ini"), game(host, store, random, facts) {}
    test::RecordingHost host;
    SettingsStore store;
    MersenneRandom random{1u};
    Game game;
};

QString NameOf(Game& game) { return QFileInfo(game.WholeImageTempPath()).fileName(); }

TEST(TwoCopies, NeverTouchEachOthersTemporaryBitmap) {
    GameFixture f;
    const QString folder = f.ProgramFolder();
    OpenPicture(*f.game, folder + "/red.bmp", Qt::red);
    auto other = std::make_unique<OtherCopy>(f.game->facts());
    OpenPicture(other->game, folder + "/blue.bmp", Qt::blue);
    EXPECT_EQ(NameOf(*f.game) + " " + NameOf(other->game),
              "WholeImageTemp.bmp WholeImageTemp-2.bmp");
    const QByteArray picture = Bytes(f.game->WholeImageTempPath());

    // The other copy quits: its bitmap and lock go, this copy's stay and it recuts from them.
    const QString otherBitmap = other->game.WholeImageTempPath();
    other->game.Form_Unload();
    other.reset();
    EXPECT_FALSE(QFile::exists(otherBitmap) || QFile::exists(otherBitmap + ".lock"));
    EXPECT_EQ(Bytes(f.game->WholeImageTempPath()), picture);
    f.host.playFieldSize = QSize(640, 480);
    f.game->Form_Resize();
    EXPECT_TRUE(f.game->puzzle.PuzzleLoaded && f.host.messages.isEmpty())
        << f.host.messages.join("\n").toStdString();

    // A copy that crashed left its lock behind: the next copy takes its name over.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QLockFile lock(otherBitmap + ".lock");
        _exit(lock.tryLock(0) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFile::exists(otherBitmap + ".lock"));
    OtherCopy next(f.game->facts());
    EXPECT_EQ(NameOf(next.game), "WholeImageTemp-2.bmp");
}

// At quit a loaded, unfinished game is saved quietly and offered among the recent documents;
// a finished one is not, and one that cannot be stored changes nothing else.
TEST(Quit, KeepsAnUnfinishedGameInTheUsersDataFolder) {
    for (const auto& [finished, blocked] :
         {std::pair{false, false}, {true, false}, {false, true}}) {
        GameFixture f;
        ProcessFacts facts = f.game->facts();
        facts.UserDataFolder = f.ProgramFolder() + "/data";
        if (blocked) { // a file where the folder should be
            QFile file(facts.UserDataFolder);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        f.game = std::make_unique<Game>(f.host, *f.store, f.random, facts);
        OpenPicture(*f.game, f.ProgramFolder() + "/red.bmp", Qt::red);
        if (finished) {
            f.game->settings.TimePuzzle = false;
            f.game->mnuFileSolve_Click();
        }
        const QString path = facts.UserDataFolder + "/unfinished.psf";
        const QByteArray game = WriteStateFile(f.game->puzzle, path).bytes;
        f.game->Form_Unload();

        const bool saved = !finished && !blocked;
        EXPECT_EQ(Bytes(path), saved ? game : "(no file)");
        EXPECT_EQ(f.host.calls.contains("AddRecentDocument " + path), saved);
        EXPECT_TRUE(f.host.messages.isEmpty());
        EXPECT_FALSE(f.game->puzzle.PuzzleLoaded) << "closed as ever";
    }
}

} // namespace
} // namespace tess
