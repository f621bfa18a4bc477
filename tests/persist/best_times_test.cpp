// The best-times table and its file format, without a game.
#include "persist/best_times.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>
#include <tuple>

namespace tess {
namespace {

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
    // An empty entry between filled ones, as a file may hold it, takes a game slower than
    // the entries above it.
    BestTimes gap = full;
    gap[2] = BestTimeRecord{"Cy", 0, 0, 0, 0, "cy.bmp"};
    // Rates are compared in single precision: 324 / 473999 is above 100 / 146296 and
    // 324 / 480181 below 100 / 148204 only in double precision.
    BestTimes single = full;
    single[19] = Entry("slow", 146296, 100);
    single[2] = Entry("third", 148204, 100);
    const std::tuple<const BestTimes*, Long, Long, bool, int> cases[] = {
        {&one, 64, 200, true, 2},  // a slower second game
        {&one, 64, 50, true, 1},   // a faster one
        {&one, 128, 200, true, 1}, // the same rate goes in front
        {&full, 12, 240, false, 20},      {&full, 12, 241, false, 0},
        {&full, 12, 239, true, 20},       {&gap, 100, 1000, true, 3},
        {&single, 324, 473999, false, 3}, {&single, 324, 480181, false, 3},
    };
    for (const auto& [table, pieces, seconds, qualifies, position] : cases) {
        const Single rate = GameRate(pieces, seconds);
        EXPECT_EQ(QualifiesForBestTimes(*table, rate), qualifies) << pieces << " in " << seconds;
        EXPECT_EQ(BestTimePosition(*table, rate), position) << pieces << " in " << seconds;
    }

    const BestTimeRecord fresh = Entry("new", 320, 64);
    InsertBestTime(gap, 3, fresh);
    EXPECT_EQ(gap[3].PlayerName, "4") << "an empty entry is filled in place";
    BestTimes table = full;
    InsertBestTime(table, 5, fresh);
    EXPECT_TRUE(table[3].PlayerName == "4" && table[4] == fresh && table[5].PlayerName == "5" &&
                table[19].PlayerName == "19");
}

TEST(BestTimesFile, KeepsWhatCanBeReadFromABrokenFile) {
    const QByteArray empty = "\"\"\r\n0\r\n0\r\n0\r\n0\r\n\"\"\r\n";
    const QByteArray ann = "\"Ann\"\r\n0\r\n3\r\n7\r\n64\r\n\"cat.bmp\"\r\n";
    const QByteArray bob = "\"Bob\"\r\n0\r\n4\r\n0\r\n64\r\n\"dog.jpg\"\r\n";
    const QByteArray cy = "\"Cy\"\r\n0\r\n0\r\n0\r\n0\r\n\"cy.bmp\"\r\n";
    auto padded = [&](const QByteArray& bytes) {
        return bytes + empty.repeated(kBestTimesCount - bytes.count('\n') / 6);
    };
    // The bytes, then name, pieces and image name of positions 1, 2, ... (the rest blank).
    std::vector<std::tuple<QByteArray, QStringList, bool>> cases = {
        {"", {}, false},
        {ann + bob + "\"Cy\"\r\n0\r\n", {"Ann 64 cat.bmp", "Bob 64 dog.jpg"}, true},
        {padded(ann + cy + bob), {"Ann 64 cat.bmp", "Cy 0 cy.bmp", "Bob 64 dog.jpg"}, false},
        {padded("\"Ann\"\n 0\n3 \n7\n64\n\"cat.bmp\"\n"), {"Ann 64 cat.bmp"}, false},
        // UTF-8, as earlier versions wrote it.
        {padded("\xef\xbb\xbf\"Zo\xc3\xab\"\r\n0\r\n3\r\n7\r\n64\r\n\"\xe2\x80\x9cx.bmp\"\r\n"),
         {QString::fromUtf8("Zoë 64 “x.bmp")},
         false},
        // Values without quotes or with a quote missing keep their text.
        {padded("Ann\r\n0\r\n3\r\n7\r\n64\r\n\"cat.bmp\r\n"), {"Ann 64 cat.bmp"}, false},
    };
    // An entry with a number that cannot be read stays empty in its place.
    for (const char* bad : {"three\r\n7\r\n64", "-3\r\n7\r\n64", "3\r\n7\r\n40000"}) {
        cases.push_back({padded(ann + "\"X\"\r\n0\r\n" + bad + "\r\n\"x\"\r\n" + bob),
                         {"Ann 64 cat.bmp", " 0 ", "Bob 64 dog.jpg"},
                         true});
    }
    for (const auto& [bytes, expected, damaged] : cases) {
        const BestTimesReading reading = BestTimesFromBytes(bytes);
        QStringList entries;
        for (const BestTimeRecord& entry : reading.table) {
            entries << QStringList{entry.PlayerName, QString::number(entry.PieceCount),
                                   entry.ImageName}
                           .join(' ');
        }
        while (entries.endsWith(" 0 ")) {
            entries.removeLast();
        }
        EXPECT_EQ(entries, expected) << bytes.toStdString();
        EXPECT_EQ(reading.damaged, damaged) << bytes.toStdString();
    }
}

} // namespace
} // namespace tess
