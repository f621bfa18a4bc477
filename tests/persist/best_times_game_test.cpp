// The game's best times: a finished game entering the table, the file it writes, start-up.
#include "support/recording_host.h"
#include "support/window_test_support.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace tess {
namespace {

using test::GameFixture;

const QString kPrompt = QStringLiteral("You have achieved a new best time, please enter you name.");
const QByteArray kEmpty = "\"\"\r\n0\r\n0\r\n0\r\n0\r\n\"\"\r\n";

QByteArray FileBytes(const GameFixture& f) {
    return test::ReadAll(f.ProgramFolder() + "/besttimes.txt");
}

// Finishes a timed game as the placing of its last group does.
void Finish(Game& game, Integer pieces, Long seconds, const QString& title = "cat.bmp") {
    game.puzzle.NumberOfPieces = pieces;
    game.puzzle.ElapsedSeconds = seconds;
    game.puzzle.PictureFileTitle = title;
    game.NewBestTime();
    game.puzzle.ElapsedSeconds = 0;
    game.SaveBestTimes();
}

// The file is in Windows-1252, one byte per character; a character it cannot hold is "?".
TEST(NewBestTime, AsksForANameWritesTheFileAfterEveryGameAndReadsItBack) {
    GameFixture f;
    Game& game = *f.game;
    f.host.inputAnswers = {"Zoë ’€…", "Łukasz 日本 \xF0\x9F\x98\x80", "Ann \"Speedy\" Lee"};
    Finish(game, 64, 3725, "straße  ");
    Finish(game, 64, 3726, "dog.jpg"); // one second slower: second
    // A quote in a name, a game finished before the first tick (one second), and a
    // cancelled name box (an empty name).
    Finish(game, 12, 0);
    Finish(game, 12, 30);
    EXPECT_EQ(f.host.messages, QStringList(4, kPrompt));
    EXPECT_EQ(FileBytes(f), "\"Ann 'Speedy' Lee\"\r\n0\r\n0\r\n1\r\n12\r\n\"cat.bmp\"\r\n"
                            "\"\"\r\n0\r\n0\r\n30\r\n12\r\n\"cat.bmp\"\r\n"
                            "\"Zo\xEB \x92\x80\x85\"\r\n1\r\n2\r\n5\r\n64\r\n\"stra\xDF"
                            "e  \"\r\n\"?ukasz ?? ?\"\r\n1\r\n2\r\n6\r\n64\r\n\"dog.jpg\"\r\n" +
                                kEmpty.repeated(16));

    Game second(f.host, *f.store, f.random, f.game->facts());
    second.ReadBestTimes();
    EXPECT_EQ(BestTimesToBytes(second.bestTimes), FileBytes(f));
    EXPECT_EQ(second.bestTimes[2], game.bestTimes[2]);
    EXPECT_EQ(f.host.messages.size(), 4) << "nothing reported on reading the file";

    // A damaged file: what can be read is kept, and the file is copied first.
    const QByteArray damaged =
        "\"Ann\"\r\n0\r\n3\r\n7\r\n64\r\n\"cat.bmp\"\r\n\"Bob\"\r\n0\r\nfour";
    const QString path = f.ProgramFolder() + "/besttimes.txt";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(damaged) == damaged.size());
    file.close();
    second.ReadBestTimes();
    BestTimes expected;
    expected[0] = MakeBestTimeRecord("Ann", 187, 64, "cat.bmp");
    EXPECT_EQ(second.bestTimes, expected);
    const QString copy = f.ProgramFolder() + "/besttimes-damaged.txt";
    EXPECT_EQ(test::ReadAll(copy), damaged);
    EXPECT_EQ(f.host.messages.value(4),
              "Tessellara|Some of the best times in \"" + path +
                  "\" could not be read. The entries that could be read are kept, and the file "
                  "is copied to \"" +
                  copy + "\".");
}

// Two running copies share the file: each keeps the other's entries, and Clear All in one is
// not undone by the other.
TEST(SaveBestTimes, TwoCopiesKeepEachOthersEntries) {
    GameFixture f;
    test::RecordingHost otherHost;
    Game other(otherHost, *f.store, f.random, f.game->facts());
    f.host.inputAnswers = {"Ann"};
    otherHost.inputAnswers = {"Bob"};
    Finish(*f.game, 64, 100);
    Finish(other, 64, 200);
    const QByteArray both = "\"Ann\"\r\n0\r\n1\r\n40\r\n64\r\n\"cat.bmp\"\r\n"
                            "\"Bob\"\r\n0\r\n3\r\n20\r\n64\r\n\"cat.bmp\"\r\n" +
                            kEmpty.repeated(18);
    EXPECT_EQ(FileBytes(f), both);
    f.game->SaveBestTimes(); // a placing
    EXPECT_EQ(FileBytes(f), both);
    EXPECT_EQ(f.game->bestTimes, other.bestTimes);
    other.ClearAllBestTimes();
    other.SaveBestTimes();
    f.game->SaveBestTimes();
    EXPECT_EQ(FileBytes(f), kEmpty.repeated(20));
}

TEST(SaveBestTimes, TellsOnceWhenTheFileCannotBeWrittenAndKeepsTheTable) {
    GameFixture f;
    Game& game = *f.game;
    game.bestTimes[0] = MakeBestTimeRecord("Ann", 187, 64, "cat.bmp");
    const BestTimes table = game.bestTimes;
    const QString path = f.ProgramFolder() + "/besttimes.txt";
    ASSERT_TRUE(QDir().mkdir(path)); // a folder where the file should be
    game.SaveBestTimes();
    game.SaveBestTimes();
    ASSERT_EQ(f.host.messages.size(), 1);
    EXPECT_TRUE(
        f.host.messages[0].startsWith("Tessellara|The best times could not be saved to \"" + path))
        << f.host.messages[0].toStdString();
    EXPECT_EQ(game.bestTimes, table);

    // Saved once the folder is gone; after that success a new failure is told again.
    ASSERT_TRUE(QDir().rmdir(path));
    game.SaveBestTimes();
    EXPECT_EQ(FileBytes(f), BestTimesToBytes(table));
    ASSERT_TRUE(QFile::remove(path) && QDir().mkdir(path));
    game.SaveBestTimes();
    EXPECT_EQ(f.host.messages.size(), 2);
}

} // namespace
} // namespace tess
