// This copy's own files: the temporary bitmap of each running copy of the program, and the
// unfinished game kept at quit.
#include "display/test_pictures.h"
#include "persist/state_file.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace tess {
namespace {

using test::GameFixture;
using test::ReadAll;

// Another running copy of the program: its own window and settings, `facts`' program folder.
std::unique_ptr<GameFixture> OtherCopy(const ProcessFacts& facts) {
    auto other = std::make_unique<GameFixture>();
    other->game = std::make_unique<Game>(other->host, *other->store, other->random, facts);
    return other;
}

QString NameOf(Game& game) { return QFileInfo(game.WholeImageTempPath()).fileName(); }

TEST(TwoCopies, NeverTouchEachOthersTemporaryBitmap) {
    GameFixture f;
    test::OpenPatternPicture(f, 12, 200, 150);
    auto other = OtherCopy(f.game->facts());
    test::OpenPatternPicture(*other, 12, 150, 200);
    EXPECT_EQ(NameOf(*f.game) + " " + NameOf(*other->game),
              "WholeImageTemp.bmp WholeImageTemp-2.bmp");
    const QByteArray picture = ReadAll(f.game->WholeImageTempPath());

    // The other copy quits: its bitmap and lock go, this copy's stay.
    const QString otherBitmap = other->game->WholeImageTempPath();
    other->game->Form_Unload();
    other.reset();
    EXPECT_FALSE(QFile::exists(otherBitmap) || QFile::exists(otherBitmap + ".lock"));
    EXPECT_EQ(ReadAll(f.game->WholeImageTempPath()), picture);
}

// At quit a loaded, unfinished game is saved quietly and offered among the recent documents;
// a finished one is not, and one that cannot be stored changes nothing else. Then the game is
// closed: clock stopped, puzzle reduced to its unused slot 0, temporary bitmap deleted (also a
// leftover one with no puzzle), picture path kept.
TEST(Quit, KeepsAnUnfinishedGameInTheUsersDataFolderAndCloses) {
    for (const auto& [loaded, finished, blocked] : {std::tuple{true, false, false},
                                                    {true, true, false},
                                                    {true, false, true},
                                                    {false, false, false}}) {
        GameFixture f;
        ProcessFacts facts = f.game->facts();
        facts.UserDataFolder = f.ProgramFolder() + "/data";
        // Blocked: a file where the folder should be.
        ASSERT_TRUE(!blocked || QFile(facts.UserDataFolder).open(QIODevice::WriteOnly));
        f.game = std::make_unique<Game>(f.host, *f.store, f.random, facts);
        Puzzle& puzzle = f.game->puzzle;
        test::OpenPatternPicture(f, 12, 200, 150);
        if (!loaded) {
            f.game->mnuFileClose_Click();
            ASSERT_TRUE(QFile(f.game->WholeImageTempPath()).open(QIODevice::WriteOnly));
        }
        f.game->mnuFileScramble_Click();
        f.game->tmrPuzzle_Timer();
        if (finished) {
            f.game->settings.TimePuzzle = false;
            f.game->mnuFileSolve_Click();
        }
        const QString path = facts.UserDataFolder + "/unfinished.psf";
        const QByteArray game = loaded ? WriteStateFile(puzzle, path).bytes : "";
        f.host.calls.clear();
        f.game->Form_Unload();

        const bool saved = loaded && !finished && !blocked;
        EXPECT_EQ(ReadAll(path), saved ? game : "");
        EXPECT_EQ(f.host.calls.contains("AddRecentDocument " + path), saved);
        EXPECT_TRUE(f.host.messages.isEmpty());
        EXPECT_FALSE(f.host.timerEnabled || f.host.commandsEnabled || puzzle.PuzzleLoaded);
        EXPECT_EQ(puzzle.Pieces.size() + puzzle.Groups.size(), 2u);
        EXPECT_FALSE(QFile::exists(f.game->WholeImageTempPath()));
        EXPECT_EQ(PicturePath(puzzle), f.ProgramFolder() + "/p.bmp");
    }
}

} // namespace
} // namespace tess
