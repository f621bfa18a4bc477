// This copy's own files at quit: the temporary bitmap of each running copy of the program, and
// the unfinished game.
#include "display/test_pictures.h"

#include <gtest/gtest.h>

namespace tess {
namespace {

// A second running copy quits beside the first, which holds "WholeImageTemp.bmp": a loaded,
// unfinished game is saved quietly and offered among the recent documents; one that cannot be
// stored changes nothing else. Then the game is closed: clock stopped, puzzle reduced to its
// unused slot 0, its own temporary bitmap and lock deleted, the first copy's untouched, picture
// path kept.
TEST(Quit, KeepsAnUnfinishedGameInTheUsersDataFolderAndLeavesTheOtherCopysFiles) {
    for (const bool blocked : {false, true}) {
        test::GameFixture first, f;
        test::OpenPatternPicture(first, 12, 150, 200);
        const QByteArray picture = test::ReadAll(first.game->WholeImageTempPath());
        ProcessFacts facts = first.game->facts();
        facts.UserDataFolder = f.ProgramFolder() + "/data";
        // Blocked: a file where the folder should be.
        ASSERT_TRUE(!blocked || QFile(facts.UserDataFolder).open(QIODevice::WriteOnly));
        f.game = std::make_unique<Game>(f.host, *f.store, f.random, facts);
        Puzzle& puzzle = f.game->puzzle;
        test::OpenPatternPicture(f, 12, 200, 150);
        f.game->mnuFileScramble_Click();
        f.game->tmrPuzzle_Timer();
        const QString path = facts.UserDataFolder + "/unfinished-2.psf";
        const test::KeptState game = test::StateOf(puzzle);
        f.host.calls.clear();
        f.game->Form_Unload();

        EXPECT_TRUE(blocked ? !QFile::exists(path) : test::StateIn(path) == game);
        EXPECT_EQ(f.host.calls.contains("AddRecentDocument " + path), !blocked);
        EXPECT_TRUE(f.host.messages.isEmpty());
        EXPECT_FALSE(f.host.timerEnabled || f.host.commandsEnabled || puzzle.PuzzleLoaded);
        EXPECT_EQ(puzzle.Pieces.size() + puzzle.Groups.size(), 2u);
        EXPECT_EQ(PicturePath(puzzle), f.ProgramFolder() + "/p.bmp");
        const QString bitmap = f.game->WholeImageTempPath();
        EXPECT_FALSE(QFile::exists(bitmap));
        f.game.reset();
        EXPECT_FALSE(QFile::exists(bitmap + ".lock"));
        EXPECT_EQ(test::ReadAll(first.game->WholeImageTempPath()), picture);
    }
}

} // namespace
} // namespace tess
