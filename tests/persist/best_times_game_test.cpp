// The game's best times: a finished game entering the table, the file it writes, start-up.
#include "support/recording_host.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace tess {
namespace {

using test::GameFixture;

const QString kPrompt = QStringLiteral("You have achieved a new best time, please enter you name.");
const QByteArray kEmpty = "\"\"\r\n0\r\n0\r\n0\r\n0\r\n\"\"\r\n";

QByteArray FileBytes(const GameFixture& f) {
    QFile file(f.ProgramFolder() + "/besttimes.txt");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
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

TEST(NewBestTime, AsksForANameAndWritesTheFileAfterEveryGame) {
    GameFixture f;
    Game& game = *f.game;
    f.host.inputAnswers = {"Ann", "Bob", "Ann \"Speedy\" Lee"};
    Finish(game, 64, 3725, "cat.bmp    ");
    EXPECT_EQ(f.host.messages, QStringList{kPrompt});
    const QByteArray ann = "\"Ann\"\r\n1\r\n2\r\n5\r\n64\r\n\"cat.bmp    \"\r\n";
    EXPECT_EQ(FileBytes(f), ann + kEmpty.repeated(19));

    Finish(game, 64, 3726, "dog.jpg"); // one second slower: second
    const QByteArray bob = "\"Bob\"\r\n1\r\n2\r\n6\r\n64\r\n\"dog.jpg\"\r\n";
    EXPECT_EQ(FileBytes(f), ann + bob + kEmpty.repeated(18));

    // A quote in a name, a game finished before the first tick (one second), and a
    // cancelled name box (an empty name).
    Finish(game, 12, 0);
    Finish(game, 12, 30);
    EXPECT_EQ(f.host.messages, QStringList(4, kPrompt));
    EXPECT_EQ(FileBytes(f), "\"Ann 'Speedy' Lee\"\r\n0\r\n0\r\n1\r\n12\r\n\"cat.bmp\"\r\n"
                            "\"\"\r\n0\r\n0\r\n30\r\n12\r\n\"cat.bmp\"\r\n" +
                                ann + bob + kEmpty.repeated(16));

    Game second(f.host, *f.store, f.random, f.game->facts());
    second.ReadBestTimes();
    EXPECT_EQ(second.bestTimes, game.bestTimes);
    EXPECT_EQ(f.host.messages.size(), 4) << "nothing reported on reading the file";
}

TEST(NewBestTime, AGameThatDoesNotQualifyAsksNothing) {
    GameFixture f;
    for (int i = 1; i <= kBestTimesCount; ++i) {
        f.game->bestTimes[i - 1] = MakeBestTimeRecord(QString::number(i), 100 * i, 100, "x.bmp");
    }
    const BestTimes before = f.game->bestTimes;
    Finish(*f.game, 12, 240); // the rate of entry 20 exactly
    EXPECT_FALSE(f.host.calls.contains("InputBox"));
    EXPECT_EQ(f.game->bestTimes, before);
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

TEST(BestTimesAtStartUp, KeepsTheReadableBestTimesOfADamagedFileAndACopyOfIt) {
    GameFixture f;
    const QByteArray bytes =
        "\"Ann\"\r\n0\r\n3\r\n7\r\n64\r\n\"cat.bmp\"\r\n\"Bob\"\r\n0\r\nfour\r\n";
    const QString path = f.ProgramFolder() + "/besttimes.txt";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    f.game->Form_Load();

    EXPECT_EQ(f.game->bestTimes[0], MakeBestTimeRecord("Ann", 187, 64, "cat.bmp"));
    EXPECT_TRUE(IsEmptyEntry(f.game->bestTimes[1]));
    const QString copy = f.ProgramFolder() + "/besttimes-damaged.txt";
    QFile copied(copy);
    EXPECT_TRUE(copied.open(QIODevice::ReadOnly) && copied.readAll() == bytes);
    EXPECT_EQ(f.host.messages,
              QStringList{"Tessellara|Some of the best times in \"" + path +
                          "\" could not be read. The entries that could be read are kept, and "
                          "the file is copied to \"" +
                          copy + "\"."});
}

} // namespace
} // namespace tess
