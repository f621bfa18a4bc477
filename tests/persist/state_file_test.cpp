// The puzzle state file format against files built by hand from the record layout.
#include "persist/state_file.h"
#include "puzzle/invariants.h"
#include "state_file_cases.h"
#include "state_file_models.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace tess {
namespace {

using namespace test;

SavedGame Read(const QByteArray& bytes) {
    StateFileReadResult read = ReadStateFile(bytes);
    EXPECT_TRUE(read.game.has_value()) << read.error.toStdString();
    return read.game.value_or(SavedGame{});
}

TEST(StateFile, ReadsAFreshTwoByTwoPuzzleFromItsTwentyRecords) {
    const HandGame hand = FreshTwoByTwo("/pictures/cat.bmp", 321);
    const QByteArray bytes = hand.Bytes();
    ASSERT_EQ(hand.RecordCount(), 20);
    ASSERT_EQ(hand.ElapsedOffset(), 2432);
    ASSERT_EQ(bytes.size(), 2432 + 4) << "the file ends right after its last value";
    ASSERT_EQ(hand.GroupRecords[0].Bytes().size(), 26);
    ASSERT_EQ(bytes.mid(HandGame::GroupOffset(2) + 4, 4), I32(2)) << "element count 2";

    for (const bool padded : {false, true}) {
        const SavedGame game = Read(hand.Bytes(padded));
        EXPECT_EQ(game.PictureFileName, "/pictures/cat.bmp" + QString(111, ' '));
        EXPECT_EQ(game.NumberOfPieces, 4);
        EXPECT_EQ(game.PuzzleColumns, 2);
        EXPECT_EQ(game.PuzzleRows, 2);
        EXPECT_EQ(game.PlacedCount, 0);
        ASSERT_EQ(game.Pieces.size(), 5u);
        const PieceRecord& second = game.Pieces[2];
        EXPECT_EQ(second.Col, 1);
        EXPECT_EQ(second.Row, 0);
        EXPECT_EQ(second.Group, 2);
        EXPECT_EQ(second.TopOut, kTrue);
        EXPECT_EQ(second.BottomOut, kTrue);
        EXPECT_EQ(second.LeftOut, kFalse);
        EXPECT_EQ(second.RightOut, kTrue);
        EXPECT_EQ(second.X, 30);
        EXPECT_EQ(second.Y, 220);
        EXPECT_EQ(second.CellRect, (Rect{80, 0, 160, 60}));
        EXPECT_EQ(second.HomeX, 255);
        EXPECT_EQ(second.HomeY, 81);
        ASSERT_EQ(game.Groups.size(), 5u);
        EXPECT_EQ(game.Groups[3].Members, (std::vector<Integer>{0, 3}));
        EXPECT_EQ(game.Groups[3].MemberCount, 1);
        EXPECT_EQ(game.Groups[3].MinRow, 1);
        EXPECT_EQ(game.Groups[4].MaxCol, 1);
        EXPECT_EQ(game.PlacedPieces, (std::vector<Integer>{0}));
        EXPECT_EQ(game.GroupSlotCount, 4);
        EXPECT_EQ(game.GroupOrderCount, 4);
        EXPECT_EQ(game.GroupOrder, (std::vector<Integer>{0, 1, 2, 3, 4}));
        EXPECT_EQ(game.ElapsedSeconds, 321);
    }
}

TEST(StateFile, ReadsAFinishedPuzzleWithEmptyGroupRecords) {
    const HandGame hand = FinishedTwoByTwo("/pictures/cat.bmp");
    ASSERT_EQ(hand.GroupRecords[1].Bytes().size(), 24);
    const SavedGame game = Read(hand.Bytes());
    EXPECT_EQ(game.PlacedCount, 4);
    EXPECT_EQ(game.PlacedPieces, (std::vector<Integer>{0, 4, 1, 2, 3}));
    EXPECT_EQ(game.GroupOrderCount, 0);
    EXPECT_EQ(game.GroupOrder.size(), 5u) << "elements 0 to GroupSlotCount";
    for (int g = 1; g <= 4; ++g) {
        EXPECT_EQ(game.Groups[g].MemberCount, 0);
        EXPECT_EQ(game.Groups[g].Members, (std::vector<Integer>{0}));
    }
    EXPECT_EQ(game.Groups[1].InPlace, kTrue);
    EXPECT_EQ(game.Groups[2].InPlace, kFalse) << "absorbed by a join, never placed itself";

    Puzzle puzzle;
    puzzle.PuzzleSolved = kFalse;
    RestoreSavedGame(puzzle, game);
    EXPECT_EQ(puzzle.PuzzleSolved, kTrue);
    EXPECT_TRUE(CheckModelInvariants(puzzle).isEmpty())
        << CheckModelInvariants(puzzle).join("\n").toStdString();
}

TEST(StateFile, KeepsThePicturePathFieldAsStored) {
    const QString exact = "/" + QString(123, 'p') + ".bmp";
    ASSERT_EQ(exact.size(), 128);
    struct Case {
        QString path;
        QString field;
        QString title;
    };
    for (const Case& c :
         {Case{exact, exact, QString(123, 'p') + ".bmp"},
          Case{"/pics/sea.jpg", "/pics/sea.jpg" + QString(115, ' '), "sea.jpg" + QString(115, ' ')},
          Case{QString::fromUtf8("/pics/\xC3\xA9t\xC3\xA9.gif"),
               QString::fromUtf8("/pics/\xC3\xA9t\xC3\xA9.gif") + QString(115, ' '),
               QString::fromUtf8("\xC3\xA9t\xC3\xA9.gif") + QString(115, ' ')}}) {
        const HandGame hand = FreshTwoByTwo(c.path);
        ASSERT_EQ(hand.Path.size(), 128);
        const SavedGame game = Read(hand.Bytes());
        EXPECT_EQ(game.PictureFileName, c.field);
        Puzzle puzzle;
        RestoreSavedGame(puzzle, game);
        EXPECT_EQ(puzzle.PictureFileName, c.field) << "padding kept";
        EXPECT_EQ(puzzle.PictureFileTitle, c.title);
        EXPECT_EQ(puzzle.PuzzleSolved, kFalse);

        const QByteArray written = WriteStateFile(ModelOf(hand)).bytes;
        EXPECT_EQ(written.left(128), hand.Path);
    }
    EXPECT_EQ(FreshTwoByTwo(QString::fromUtf8("/\xC3\xA9")).Path.left(3), QByteArray("/\xE9 "))
        << "one byte per character";
}

TEST(StateFile, WritesExactlyTheHandMadeRecords) {
    for (const HandGame& hand :
         {FreshTwoByTwo("/pictures/cat.bmp", 77), FinishedTwoByTwo("/pictures/cat.bmp"),
          MidGameThreeByTwo("/home/player/My Pictures/boat.jpg")}) {
        const StateFileWriteResult written = WriteStateFile(ModelOf(hand));
        EXPECT_TRUE(written.error.isEmpty()) << written.error.toStdString();
        EXPECT_EQ(written.bytes, hand.Bytes(true)) << "every record in full, zero filler";
    }
}

TEST(StateFile, IgnoresBytesAfterTheLastValue) {
    const HandGame hand = MidGameThreeByTwo("/p/boat.jpg");
    const SavedGame game = Read(hand.Bytes() + QByteArray(500, '\x7F'));
    EXPECT_EQ(game.ElapsedSeconds, 754);
    EXPECT_EQ(game.GroupOrder, (std::vector<Integer>{0, 4, 1, 5, 0, 0, 0}));
}

TEST(StateFile, StoresGroupsOfUpTo52MembersAndRefusesLarger) {
    const Puzzle fits = GridWithOneBigGroup(13, 5, 52);
    ASSERT_TRUE(CheckModelInvariants(fits).isEmpty())
        << CheckModelInvariants(fits).join("\n").toStdString();
    const StateFileWriteResult written = WriteStateFile(fits);
    ASSERT_TRUE(written.error.isEmpty()) << written.error.toStdString();
    const QByteArray group1 = written.bytes.mid(HandGame::GroupOffset(1), 128);
    EXPECT_EQ(group1.mid(4, 4), I32(53));
    EXPECT_EQ(group1.mid(12 + 2 * 52 + 2, 2), I16(52)) << "MemberCount fills the record's end";
    EXPECT_EQ(group1.right(2), I16(3)) << "MaxRow is the record's last two bytes";
    EXPECT_EQ(Read(written.bytes).Groups[1].MemberCount, 52);

    const StateFileWriteResult refused = WriteStateFile(GridWithOneBigGroup(13, 5, 53));
    EXPECT_TRUE(refused.bytes.isEmpty());
    EXPECT_EQ(refused.error, "one of its groups holds 53 joined pieces, and a puzzle state file "
                             "can store groups of at most 52 pieces");
}

TEST(StateFile, RefusesWhatItCouldNotReadBack) {
    struct Case {
        const char* name;
        std::function<void(Puzzle&)> change;
        QString expected;
    };
    const std::vector<Case> cases{
        {"path outside Latin-1",
         [](Puzzle& p) { SetPictureFileName(p, QString::fromUtf8("/p/\xD0\xA4oto.jpg")); },
         QString::fromUtf8("the path of its picture contains the character \"\xD0\xA4\", and a "
                           "puzzle state file can only store Latin-1 characters")},
        {"no pieces", [](Puzzle& p) { p.NumberOfPieces = 0; },
         "it has 0 pieces, and a puzzle state file holds 1 to 1024"},
        {"arrays shorter than the count", [](Puzzle& p) { p.Pieces.pop_back(); },
         "its pieces and groups do not agree with its piece count"},
        {"damaged member list", [](Puzzle& p) { p.Groups[3].Members.push_back(4); },
         "the member list of group slot 3 is damaged"},
        {"a piece in two groups",
         [](Puzzle& p) {
             p.Groups[2].Members.push_back(3);
             p.Groups[2].MemberCount = 2;
             p.Groups[2].MinCol = 0;
             p.Groups[2].MaxRow = 1;
         },
         "its pieces and groups are not consistent (piece 3 is listed 2 times among the groups "
         "and placed pieces)"},
    };
    for (const Case& c : cases) {
        Puzzle puzzle = ModelOf(FreshTwoByTwo("/p/cat.bmp"));
        c.change(puzzle);
        const StateFileWriteResult written = WriteStateFile(puzzle);
        EXPECT_EQ(written.error, c.expected) << c.name;
        EXPECT_TRUE(written.bytes.isEmpty()) << c.name;
    }
}

TEST(StateFile, NamesWhatIsWrongWithEveryBrokenFile) {
    ASSERT_TRUE(ReadStateFile(MidGameThreeByTwo("/p/boat.jpg").Bytes()).game.has_value());
    const std::vector<BrokenFile> cases = BrokenFiles("/p/boat.jpg");
    EXPECT_GT(cases.size(), 90u);
    for (const BrokenFile& c : cases) {
        const StateFileReadResult read = ReadStateFile(c.bytes);
        EXPECT_FALSE(read.game.has_value()) << c.name.toStdString();
        EXPECT_FALSE(read.error.isEmpty()) << c.name.toStdString();
        EXPECT_TRUE(read.error.contains(c.expected))
            << c.name.toStdString() << ": " << read.error.toStdString();
    }
}

TEST(StateFile, NamesTheRecordWhereATruncatedFileEnds) {
    const QByteArray bytes = MidGameThreeByTwo("/p/boat.jpg").Bytes();
    struct Case {
        qsizetype length;
        QString error;
    };
    for (const Case& c : {
             Case{0, "the file ends before the picture path (record 1)"},
             Case{129, "the file ends inside the number of pieces (record 2)"},
             Case{200, "the file ends before the number of columns (record 3)"},
             Case{5 * 128 + 49, "the file ends inside piece 1 (record 6)"},
             Case{6 * 128 + 20, "the file ends inside group slot 1 (record 7)"},
             Case{15 * 128, "the file ends before piece 6 (record 16)"},
             Case{14 * 128 + 26, "the file ends inside group slot 5 (record 15)"},
             Case{17 * 128, "the file ends before placed piece entry 1 (record 18)"},
             Case{18 * 128 + 1, "the file ends inside the group slot count (record 19)"},
             Case{20 * 128, "the file ends before drawing order entry 1 (record 21)"},
             Case{23 * 128 + 3, "the file ends inside the elapsed time (record 24)"},
         }) {
        EXPECT_EQ(ReadStateFile(bytes.left(c.length)).error, c.error) << c.length;
    }
}

TEST(StateFile, RestoringClearsTheDragStateOfTheReplacedGame) {
    Puzzle puzzle;
    puzzle.SelectedPiece = 40;
    puzzle.Dragging = kTrue;
    puzzle.DraggedGroup = 40;
    puzzle.DraggedMembers = {0, 40, 41};
    puzzle.DraggedMemberCount = 2;
    puzzle.PuzzleSolved = kTrue;
    RestoreSavedGame(puzzle, Read(MidGameThreeByTwo("/p/boat.jpg").Bytes()));
    EXPECT_EQ(puzzle.SelectedPiece, 0);
    EXPECT_EQ(puzzle.Dragging, kFalse);
    EXPECT_EQ(puzzle.DraggedGroup, 0);
    EXPECT_EQ(puzzle.DraggedMembers, (std::vector<Integer>{0}));
    EXPECT_EQ(puzzle.PuzzleSolved, kFalse) << "3 of 6 pieces are not placed";
    EXPECT_EQ(puzzle.ElapsedSeconds, 754);
}

} // namespace
} // namespace tess
