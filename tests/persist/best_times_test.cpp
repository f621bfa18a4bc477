// The best-times table, its file, and the game entering a finished game and writing the file.
#include "persist/best_times.h"
#include "persist/safe_file.h"
#include "support/recording_host.h"

#include <QDir>
#include <gtest/gtest.h>

namespace tess {
namespace {

const QString kPrompt = QStringLiteral("You have achieved a new best time, please enter you name.");
const QByteArray kEmpty = "\"\"\r\n0\r\n0\r\n0\r\n0\r\n\"\"\r\n";

BestTimeRecord Entry(const char* name, Long seconds, Integer pieces, const char* image = "c.bmp") {
    return MakeBestTimeRecord(QString::fromUtf8(name), seconds, pieces, QString::fromUtf8(image));
}

// Entry i of 1 to 20 holds 100 pieces in 100 x i seconds: rates 1, 1/2, ... 1/20.
BestTimes FullTable() {
    BestTimes table;
    for (int i = 1; i <= kBestTimesCount; ++i) {
        table[i - 1] = Entry(QByteArray::number(i).constData(), 100 * i, 100);
    }
    return table;
}

TEST(BestTimes, QualifiesFindsItsPositionAndShiftsTheEntriesBelow) {
    BestTimes one;
    one[0] = Entry("first", 100, 64);
    const BestTimes full = FullTable();
    // A slower second game; the same rate goes in front.
    const std::tuple<const BestTimes*, Long, Long, bool, int> cases[] = {
        {&one, 64, 200, true, 2},   {&one, 128, 200, true, 1},  {&full, 12, 240, false, 20},
        {&full, 12, 241, false, 0}, {&full, 12, 239, true, 20},
    };
    for (const auto& [table, pieces, seconds, qualifies, position] : cases) {
        const Single rate = GameRate(pieces, seconds);
        EXPECT_EQ(QualifiesForBestTimes(*table, rate), qualifies) << pieces << " in " << seconds;
        EXPECT_EQ(BestTimePosition(*table, rate), position) << pieces << " in " << seconds;
    }

    const BestTimeRecord fresh = Entry("new", 320, 64);
    BestTimes table = full;
    InsertBestTime(table, 5, fresh);
    EXPECT_TRUE(table[4] == fresh && table[5].PlayerName == "5" && table[19].PlayerName == "19");
    InsertBestTime(table, 20, fresh); // the last place is one too
    EXPECT_TRUE(table[19] == fresh && table[18].PlayerName == "18");
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
// Two running copies share it: each keeps the other's entries, and Clear All in one is not
// undone by the other. A file that cannot be written is told once and the table kept.
TEST(NewBestTime, TwoCopiesAskForNamesAndShareTheFileWrittenAfterEveryGame) {
    test::GameFixture f;
    Game& game = *f.game;
    const QString path = f.ProgramFolder() + "/besttimes.txt";
    test::RecordingHost otherHost;
    Game other(otherHost, *f.store, f.random, game.facts());
    f.host.inputAnswers = {"Zoë ’€…", "Ann \"Speedy\" Lee"};
    otherHost.inputAnswers = {"Łukasz 日本 \xF0\x9F\x98\x80"};
    Finish(game, 64, 3725, "straße  ");
    Finish(other, 64, 3726, "dog.jpg"); // one second slower: second
    // A quote in a name, a game finished before the first tick (one second), and a
    // cancelled name box (an empty name).
    Finish(game, 12, 0);
    Finish(other, 12, 30);
    EXPECT_EQ(f.host.messages + otherHost.messages, QStringList(4, kPrompt));
    const QByteArray all = "\"Ann 'Speedy' Lee\"\r\n0\r\n0\r\n1\r\n12\r\n\"cat.bmp\"\r\n"
                           "\"\"\r\n0\r\n0\r\n30\r\n12\r\n\"cat.bmp\"\r\n"
                           "\"Zo\xEB \x92\x80\x85\"\r\n1\r\n2\r\n5\r\n64\r\n\"stra\xDF"
                           "e  \"\r\n\"?ukasz ?? ?\"\r\n1\r\n2\r\n6\r\n64\r\n\"dog.jpg\"\r\n" +
                           kEmpty.repeated(16);
    EXPECT_EQ(test::ReadAll(path), all);
    other.ReadBestTimes();
    EXPECT_EQ(BestTimesToBytes(other.bestTimes), all);
    other.ClearAllBestTimes();
    other.SaveBestTimes();
    game.SaveBestTimes();
    EXPECT_EQ(test::ReadAll(path), kEmpty.repeated(20));

    // A damaged file: what can be read is kept, each entry in its own position, and the file
    // is copied first. Lines may end in LF alone, numbers carry spaces, values may lack their
    // quotes or the closing one; a number out of range leaves its entry empty. It is in UTF-8, as
    // earlier versions wrote it.
    const QByteArray damaged =
        "\"Ann\"\n 0\n3 \n7\n64\n\"cat.bmp\"\n"
        "\"X\"\r\n0\r\n-3\r\n7\r\n64\r\n\"x\"\r\n"
        "Zo\xC3\xAB\r\n0\r\n4\r\n0\r\n64\r\n\"dog.jpg\r\n\"Cy\"\r\n0\r\nfour";
    ASSERT_EQ(WriteFileSafely(path, damaged), "");
    // The entries read show in the file written below: Ann in 187 seconds, an empty entry, Zoë
    // in 240 seconds.
    game.ReadBestTimes();
    const QString copy = f.ProgramFolder() + "/besttimes-damaged.txt";
    EXPECT_EQ(test::ReadAll(copy), damaged);
    EXPECT_EQ(f.host.messages.value(2),
              QString("Tessellara|Some of the best times in \"%1\" could not be read. The entries "
                      "that could be read are kept, and the file is copied to \"%2\".")
                  .arg(path, copy));

    const BestTimes table = game.bestTimes;
    ASSERT_TRUE(QFile::remove(path) && QDir().mkdir(path)); // a folder where the file should be
    game.SaveBestTimes();
    game.SaveBestTimes();
    ASSERT_EQ(f.host.messages.size(), 4) << "the names asked, the damage, then one failure";
    EXPECT_TRUE(
        f.host.messages[3].startsWith("Tessellara|The best times could not be saved to \"" + path))
        << f.host.messages[3].toStdString();
    ASSERT_TRUE(game.bestTimes == table && QDir().rmdir(path));
    game.SaveBestTimes();
    EXPECT_EQ(test::ReadAll(path), "\"Ann\"\r\n0\r\n3\r\n7\r\n64\r\n\"cat.bmp\"\r\n" + kEmpty +
                                       "\"Zo\xEB\"\r\n0\r\n4\r\n0\r\n64\r\n\"dog.jpg\"\r\n" +
                                       kEmpty.repeated(17));
}

} // namespace
} // namespace tess
