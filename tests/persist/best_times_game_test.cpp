// The game's best times: a finished game entering the table, the file it writes, start-up.
#include "support/recording_host.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace tess {
namespace {

using test::GameFixture;

const QString kPrompt = QStringLiteral("You have achieved a new best time, please enter you name.");

QByteArray EmptyEntryBytes() { return "\"\"\r\n0\r\n0\r\n0\r\n0\r\n\"\"\r\n"; }

QByteArray FileBytes(const GameFixture& f) {
    QFile file(f.ProgramFolder() + "/besttimes.txt");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
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

TEST(NewBestTime, FirstGameGoesFirstAndASlowerOneSecond) {
    GameFixture f;
    Game& game = *f.game;
    f.host.inputAnswers = {"Ann", "Bob"};

    Finish(game, 64, 3725, "cat.bmp    ");
    EXPECT_EQ(f.host.messages, QStringList{kPrompt});
    EXPECT_EQ(FileBytes(f), "\"Ann\"\r\n1\r\n2\r\n5\r\n64\r\n\"cat.bmp    \"\r\n" +
                                EmptyEntryBytes().repeated(19));

    Finish(game, 64, 3726, "dog.jpg");
    EXPECT_EQ(f.host.messages, (QStringList{kPrompt, kPrompt}));
    EXPECT_EQ(FileBytes(f), "\"Ann\"\r\n1\r\n2\r\n5\r\n64\r\n\"cat.bmp    \"\r\n"
                            "\"Bob\"\r\n1\r\n2\r\n6\r\n64\r\n\"dog.jpg\"\r\n" +
                                EmptyEntryBytes().repeated(18));
}

TEST(NewBestTime, ACancelledNameBoxStoresAnEmptyName) {
    GameFixture f;
    Finish(*f.game, 12, 30);
    EXPECT_EQ(f.host.calls.count("InputBox"), 1);
    EXPECT_EQ(f.game->bestTimes[0].PlayerName, "");
    EXPECT_EQ(f.game->bestTimes[0].PieceCount, 12);
    EXPECT_TRUE(FileBytes(f).startsWith("\"\"\r\n0\r\n0\r\n30\r\n12\r\n\"cat.bmp\"\r\n"));
}

TEST(NewBestTime, AGameThatDoesNotQualifyAsksNothing) {
    GameFixture f;
    Game& game = *f.game;
    for (int i = 1; i <= kBestTimesCount; ++i) {
        game.bestTimes[i - 1] = MakeBestTimeRecord(QString::number(i), 100 * i, 100, "x.bmp");
    }
    const BestTimes before = game.bestTimes;
    Finish(game, 12, 240); // the rate of entry 20 exactly
    EXPECT_FALSE(f.host.calls.contains("InputBox"));
    EXPECT_EQ(game.bestTimes, before);

    f.host.inputAnswers = {"Eve"};
    Finish(game, 64, 320); // the rate of entry 5
    EXPECT_EQ(game.bestTimes[4].PlayerName, "Eve");
    EXPECT_EQ(game.bestTimes[5].PlayerName, "5");
}

TEST(NewBestTime, QuotesAndInstantGamesReadBack) {
    GameFixture f;
    f.host.inputAnswers = {"Ann \"Speedy\" Lee"};
    Finish(*f.game, 12, 0);
    EXPECT_EQ(ElapsedTimeText(f.game->bestTimes[0]), "0:0:1");
    EXPECT_EQ(f.game->bestTimes[0].PlayerName, "Ann 'Speedy' Lee");

    Game second(f.host, *f.store, f.random, f.game->facts());
    second.ReadBestTimes();
    EXPECT_EQ(second.bestTimes, f.game->bestTimes);
    EXPECT_EQ(f.host.messages.size(), 1) << "nothing reported on reading a sound file";
}

TEST(SaveBestTimes, TellsOnceWhenTheFileCannotBeWrittenAndKeepsTheTable) {
    GameFixture f;
    Game& game = *f.game;
    game.bestTimes[0] = MakeBestTimeRecord("Ann", 187, 64, "cat.bmp");
    const BestTimes table = game.bestTimes;
    const QString path = f.ProgramFolder() + "/besttimes.txt";
    ASSERT_TRUE(QDir().mkdir(path));

    game.SaveBestTimes();
    game.SaveBestTimes();
    ASSERT_EQ(f.host.messages.size(), 1);
    EXPECT_TRUE(
        f.host.messages[0].startsWith("Tessellara|The best times could not be saved to \"" + path))
        << f.host.messages[0].toStdString();
    EXPECT_EQ(game.bestTimes, table);
    EXPECT_TRUE(QFileInfo(path).isDir());

    ASSERT_TRUE(QDir().rmdir(path));
    game.SaveBestTimes();
    EXPECT_EQ(FileBytes(f), BestTimesToBytes(table));
    EXPECT_EQ(f.host.messages.size(), 1);

    // After a success a new failure is reported again.
    f.host.messages.clear();
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkdir(path));
    game.SaveBestTimes();
    EXPECT_EQ(f.host.messages.size(), 1);
}

TEST(BestTimesAtStartUp, ReadsTheBestTimesOnlyFromAFileNamedExactlyBesttimesTxt) {
    BestTimes table;
    table[0] = MakeBestTimeRecord("Ann", 187, 64, "cat.bmp");
    for (const char* name : {"besttimes.txt", "BestTimes.txt"}) {
        GameFixture f;
        WriteFile(f.ProgramFolder() + "/" + name, BestTimesToBytes(table));
        f.game->Form_Load();
        const bool exact = QString::fromLatin1(name) == "besttimes.txt";
        EXPECT_EQ(f.game->bestTimes, exact ? table : BestTimes{}) << name;
        EXPECT_TRUE(f.host.messages.isEmpty()) << name;
    }
}

TEST(BestTimesAtStartUp, KeepsTheReadableBestTimesOfADamagedFileAndACopyOfIt) {
    GameFixture f;
    const QByteArray bytes =
        "\"Ann\"\r\n0\r\n3\r\n7\r\n64\r\n\"cat.bmp\"\r\n\"Bob\"\r\n0\r\nfour\r\n";
    WriteFile(f.ProgramFolder() + "/besttimes.txt", bytes);
    f.game->Form_Load();

    EXPECT_EQ(f.game->bestTimes[0], MakeBestTimeRecord("Ann", 187, 64, "cat.bmp"));
    EXPECT_TRUE(IsEmptyEntry(f.game->bestTimes[1]));
    const QString copy = f.ProgramFolder() + "/besttimes-damaged.txt";
    QFile copied(copy);
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), bytes);
    ASSERT_EQ(f.host.messages.size(), 1);
    EXPECT_EQ(f.host.messages[0],
              "Tessellara|Some of the best times in \"" + f.ProgramFolder() +
                  "/besttimes.txt\" could not be read. The entries that could be "
                  "read are kept, and the file is copied to \"" +
                  copy + "\".");
}

} // namespace
} // namespace tess
