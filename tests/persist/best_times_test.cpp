// The best-times table and its file format, without a game.
#include "persist/best_times.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace tess {
namespace {

BestTimeRecord Entry(const char* name, Long seconds, Integer pieces,
                     const char* image = "cat.bmp") {
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

TEST(BestTimes, QualifiesAndFindsItsPosition) {
    BestTimes one;
    one[0] = Entry("first", 100, 64);
    const BestTimes full = FullTable();
    // An empty entry between filled ones, as a file may hold it, takes a game slower than
    // the entries above it.
    BestTimes gap = full;
    gap[2] = BestTimeRecord{"Cy", 0, 0, 0, 0, "cy.bmp"};
    struct Case {
        const char* what;
        const BestTimes* table;
        Long pieces;
        Long seconds;
        bool qualifies;
        int position;
    };
    const Case cases[] = {
        {"slower second game", &one, 64, 200, true, 2},
        {"faster second game", &one, 64, 50, true, 1},
        {"same rate as the only entry goes in front", &one, 128, 200, true, 1},
        {"full table, rate equal to entry 20", &full, 12, 240, false, 20},
        {"full table, slower than entry 20", &full, 12, 241, false, 0},
        {"full table, just faster than entry 20", &full, 12, 239, true, 20},
        {"slower than entry 2 of a table with entry 3 empty", &gap, 100, 1000, true, 3},
    };
    for (const Case& c : cases) {
        const Single rate = GameRate(c.pieces, c.seconds);
        EXPECT_EQ(QualifiesForBestTimes(*c.table, rate), c.qualifies) << c.what;
        EXPECT_EQ(BestTimePosition(*c.table, rate), c.position) << c.what;
    }
}

TEST(BestTimes, InsertingShiftsTheEntriesBelowAndDropsTheLast) {
    BestTimes table = FullTable();
    const BestTimeRecord fresh = Entry("new", 320, 64);
    InsertBestTime(table, 5, fresh);
    EXPECT_EQ(table[3].PlayerName, "4");
    EXPECT_EQ(table[4], fresh);
    EXPECT_EQ(table[5].PlayerName, "5");
    EXPECT_EQ(table[19].PlayerName, "19");

    BestTimes gap = FullTable();
    gap[2] = BestTimeRecord{};
    InsertBestTime(gap, 3, fresh);
    EXPECT_EQ(gap[3].PlayerName, "4") << "an empty entry is filled in place";
}

// Ties are decided on the single-precision rates: these pairs differ in double precision.
TEST(BestTimes, ComparesRatesAsSinglePrecision) {
    BestTimes table = FullTable();
    table[19] = Entry("slow", 146296, 100); // 40:38:16
    ASSERT_GT(324.0 / 473999, 100.0 / 146296);
    EXPECT_FALSE(QualifiesForBestTimes(table, GameRate(324, 473999)));

    table[2] = Entry("third", 148204, 100);
    ASSERT_LT(324.0 / 480181, 100.0 / 148204);
    EXPECT_EQ(BestTimePosition(table, GameRate(324, 480181)), 3);
}

// Windows-1252, one byte per character; a character it cannot hold becomes "?".
TEST(BestTimesFile, ReadsBackWhatItWrites) {
    BestTimes table = FullTable();
    table[0] = Entry("Zoë ’€…", 3725, 324, "straße  ");
    table[1] = Entry("", 59, 12, "");
    const QByteArray bytes = BestTimesToBytes(table);
    EXPECT_TRUE(bytes.startsWith("\"Zo\xEB \x92\x80\x85\"\r\n1\r\n2\r\n5\r\n324\r\n\"stra\xDF"
                                 "e  \"\r\n\"\"\r\n0\r\n0\r\n59\r\n12\r\n\"\"\r\n"));
    const BestTimesReading reading = BestTimesFromBytes(bytes);
    EXPECT_FALSE(reading.damaged);
    EXPECT_EQ(reading.table, table);

    table[0] = Entry("Łukasz 日本 \xF0\x9F\x98\x80", 3725, 324);
    EXPECT_EQ(BestTimesFromBytes(BestTimesToBytes(table)).table[0].PlayerName, "?ukasz ?? ?");
}

const QByteArray kEmpty = "\"\"\r\n0\r\n0\r\n0\r\n0\r\n\"\"\r\n";

// Completes the given entries with empty ones to the full 120 lines.
QByteArray Padded(QByteArray bytes) {
    while (bytes.count('\n') < 6 * kBestTimesCount) {
        bytes += kEmpty;
    }
    return bytes;
}

TEST(BestTimesFile, KeepsWhatCanBeReadFromABrokenFile) {
    const QByteArray ann = "\"Ann\"\r\n0\r\n3\r\n7\r\n64\r\n\"cat.bmp\"\r\n";
    const QByteArray bob = "\"Bob\"\r\n0\r\n4\r\n0\r\n64\r\n\"dog.jpg\"\r\n";
    const QByteArray cy = "\"Cy\"\r\n0\r\n0\r\n0\r\n0\r\n\"cy.bmp\"\r\n";
    struct Case {
        const char* what;
        QByteArray bytes;
        QStringList entries; // name and pieces of positions 1, 2, ... (the rest are blank)
        bool damaged;
    };
    std::vector<Case> cases = {
        {"empty file", "", {}, false},
        {"short file", ann + bob + "\"Cy\"\r\n0\r\n", {"Ann 64", "Bob 64"}, true},
        {"empty entry in between", Padded(ann + cy + bob), {"Ann 64", "Cy 0", "Bob 64"}, false},
        {"LF line ends and spaces",
         Padded("\"Ann\"\n 0\n3 \n7\n64\n\"cat.bmp\"\n"),
         {"Ann 64"},
         false},
        {"UTF-8 byte order mark", Padded("\xef\xbb\xbf" + ann), {"Ann 64"}, false},
    };
    // An entry with a number that cannot be read stays empty in its place.
    for (const char* bad :
         {"0\r\nthree\r\n7\r\n64", "0\r\n-3\r\n7\r\n64", "40000\r\n3\r\n7\r\n64"}) {
        cases.push_back({bad,
                         Padded(ann + "\"X\"\r\n" + bad + "\r\n\"x\"\r\n" + bob),
                         {"Ann 64", " 0", "Bob 64"},
                         true});
    }
    for (const Case& c : cases) {
        const BestTimesReading reading = BestTimesFromBytes(c.bytes);
        QStringList entries;
        for (const BestTimeRecord& entry : reading.table) {
            entries << entry.PlayerName + " " + QString::number(entry.PieceCount);
        }
        while (entries.endsWith(" 0")) {
            entries.removeLast();
        }
        EXPECT_EQ(entries, c.entries) << c.what;
        EXPECT_EQ(reading.damaged, c.damaged) << c.what;
    }
    EXPECT_EQ(BestTimesFromBytes(Padded(ann + cy)).table[1].ImageName, "cy.bmp");
    // Values without quotes or with a quote missing keep their text.
    EXPECT_EQ(BestTimesFromBytes("Ann\r\n0\r\n3\r\n7\r\n64\r\n\"cat.bmp\r\n").table[0],
              Entry("Ann", 187, 64, "cat.bmp"));
}

TEST(BestTimesFile, ReadsWindows1252WhenTheFileIsNotUtf8) {
    const QByteArray bytes = "\"Zo\xeb \x80\"\r\n0\r\n0\r\n9\r\n12\r\n\"\x93x\x94.bmp\"\r\n";
    const BestTimesReading reading = BestTimesFromBytes(bytes + kEmpty.repeated(19));
    EXPECT_FALSE(reading.damaged);
    EXPECT_EQ(reading.table[0].PlayerName, QString::fromUtf8("Zoë €"));
    EXPECT_EQ(reading.table[0].ImageName, QString::fromUtf8("“x”.bmp"));
}

} // namespace
} // namespace tess
