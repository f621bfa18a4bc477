// The puzzle state file format against files built by hand from the record layout.
#include "persist/state_file.h"
#include "puzzle/invariants.h"
#include "state_file_bytes.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>
#include <tuple>

namespace tess {
namespace {

using namespace test;

const QString kSavedAt = "/games/saved.psf";

TEST(StateFile, ReadsAndWritesTheHandMadeFilesExactly) {
    // Picture paths of exactly 128 characters (no padding), beyond ASCII, and short; groups
    // that fill their record exactly (52 members), run on into a second record (60) or into
    // five more (324 on an 18 x 18 grid).
    const QString exact = "/" + QString(123, 'p') + ".bmp";
    const QString accented = QString::fromUtf8("/pics/\xC3\xA9t\xC3\xA9.gif");
    for (const HandGame& hand :
         {FreshTwoByTwo(exact, 321), FinishedTwoByTwo(accented),
          MidGameThreeByTwo("/home/player/My Pictures/boat.jpg"), GridWithOneBigGroup(13, 5, 52),
          GridWithOneBigGroup(13, 5, 60), GridWithOneBigGroup(18, 18, 324)}) {
        SCOPED_TRACE(hand.NumberOfPieces);
        const StateFileWriteResult written = WriteStateFile(hand, kSavedAt);
        EXPECT_EQ(written.bytes, hand.Bytes(true)) << "every record in full, zero filler";

        // The file may end right after its last value, or carry bytes that are never read.
        // Written again, the game read gives the hand-made file: every field was read into
        // its place.
        for (const QByteArray& file : {hand.Bytes(), hand.Bytes() + QByteArray(500, '\x7F')}) {
            Puzzle puzzle = GridWithOneBigGroup(13, 5, 52);
            const StateFileReadResult read = ReadStateFile(file);
            ASSERT_TRUE(read.game) << read.error.toStdString();
            RestoreSavedGame(puzzle, *read.game);
            EXPECT_EQ(WriteStateFile(puzzle, kSavedAt).bytes, hand.Bytes(true));
            ApplyCutLayout(puzzle, HandLayout(hand.PuzzleColumns, hand.PuzzleRows));
            EXPECT_EQ(CheckModelInvariants(puzzle), QStringList());
        }
    }
}

// Record 1 holds the whole path when it fits, else the path from the state
// file's folder, which a loader resolves again; otherwise the game is refused.
TEST(StateFile, StoresThePicturePathWholeOrFromTheStateFilesFolder) {
    const QString deep = "/" + QString(100, 'f') + "/" + QString(40, 'g');
    const QString photo = QString::fromUtf8("/\xD0\xA4oto");
    const std::tuple<QString, QString, QByteArray, QString> cases[] = {
        {deep + "/cat.bmp", deep + "/saves/game.psf", "../cat.bmp", ""},
        {photo + "/cat.bmp", photo + "/game.psf", "cat.bmp", ""},
        {photo + "/cat.bmp", kSavedAt, "",
         QString::fromUtf8("the path of its picture contains the character \"\xD0\xA4\", and a "
                           "puzzle state file can only store Windows-1252 characters")},
        {"/p/cat.bmp ", kSavedAt, "",
         "the name of its picture ends in a space, which a puzzle state file cannot keep"},
    };
    for (const auto& [picture, savedAt, stored, error] : cases) {
        const StateFileWriteResult written = WriteStateFile(FreshTwoByTwo(picture), savedAt);
        EXPECT_EQ(written.error, error);
        EXPECT_EQ(written.bytes.left(kRecord),
                  error.isEmpty() ? stored.leftJustified(kRecord, ' ') : QByteArray());
        if (StateFileReadResult read = ReadStateFile(written.bytes); read.game) {
            ResolvePicturePath(*read.game, savedAt);
            EXPECT_EQ(read.game->PicturePath, picture);
        }
    }
}

TEST(StateFile, NamesWhatIsWrongWithEveryBrokenFile) {
    // The 3 x 2 game in play: piece i is record 4 + 2i, group slot g record 5 + 2g, then the
    // placed entry (18), slot count (19), order count (20), order (21-23), elapsed time (24).
    const QByteArray good = MidGameThreeByTwo("/p/boat.jpg").Bytes();
    ASSERT_TRUE(ReadStateFile(good).game.has_value());
    auto expectRefused = [](const QByteArray& bytes, const QString& expected) {
        const StateFileReadResult read = ReadStateFile(bytes);
        EXPECT_TRUE(!read.game && read.error.contains(expected))
            << expected.toStdString() << ": " << read.error.toStdString();
    };
    for (int record = 1; record <= 24; ++record) {
        expectRefused(good.left(At(record)), QString("the file ends before"));
        expectRefused(good.left(At(record) + 1), QString("the file ends inside"));
    }

    // One value changed: its record, its byte offset there, its size, the new value.
    const std::tuple<int, int, int, qint64, const char*> patches[] = {
        {2, 0, 2, 1025, "the number of pieces is 1025, outside 1 to 1024"},
        {2, 0, 2, 5, "a grid of 3 columns and 2 rows does not hold 5 pieces"},
        {12, 0, 2, 1, "piece 4 is stored at column 1, row 1, but its place is column 0, row 1"},
        {12, 4, 2, 9, "piece 4 names group slot 9, outside 0 to 6"},
        {14, 14, 2, -1, "piece 5 has knobs and sockets that do not match"},
        {7, 4, 4, 8,
         "group slot 1 has a member list of 8 elements, where a puzzle of 6 pieces allows 1 to 7"},
        {7, 8, 4, 1, "group slot 1 has a member list starting at index 1 instead of 0"},
        {7, 16, 2, 1, "the members of group slot 1 are not in ascending order"}, // 1, 1
        {15, 22, 2, 1, "the column and row bounds of group slot 5 do not match its members"},
        {18, 0, 2, 4, "piece 3 is neither in a group nor placed"},
        {20, 0, 2, 2, "group slot 5 holds pieces but is missing from the drawing order"},
        // Joins: both ways between neighbours, in one group, never on a border side.
        {6, 12, 2, 0, "pieces 1 and 2 disagree on whether they are joined"},
        {8, 4, 2, 4, "pieces 1 and 2 are joined but lie in different groups"},
        {8, 8, 2, -1, "pieces 2 and 5 disagree on whether they are joined"},
        {6, 6, 2, -1, "piece 1 is joined on its top side, which is the border of the picture"},
        {10, 12, 2, -1, "piece 3 is joined on its right side, which is the border"},
    };
    for (const auto& [record, offset, size, value, expected] : patches) {
        QByteArray bytes = good;
        bytes.replace(At(record) + offset, size, LittleEndian(value, size));
        expectRefused(bytes, expected);
    }
}

} // namespace
} // namespace tess
