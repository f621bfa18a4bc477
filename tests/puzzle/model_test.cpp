// The number conversions every procedure shares and the model's invariant checker, broken
// once for each of its checks.
#include "groups/play_models.h"
#include "puzzle/numeric_text.h"
#include "puzzle/preview.h"

namespace tess::test {
namespace {

TEST(Model, ConversionsRoundHalvesToEvenAndSaturate) {
    // A value, then its CInt, CLng and Int.
    for (const auto& [value, cint, clng, intPart] :
         {std::tuple{9.5, 10, 10, 9}, std::tuple{12.5, 12, 12, 12}, std::tuple{-0.5, 0, 0, -1},
          std::tuple{40000.0, 32767, 40000, 40000}, std::tuple{-40000.0, -32768, -40000, -40000}}) {
        EXPECT_EQ((std::vector<Long>{CInt(value), CLng(value), Int(value)}),
                  (std::vector<Long>{cint, clng, intPart}))
            << value;
    }

    // A text, what the store converts it to and the picker's leading number.
    const std::tuple<const char*, const char*, double> texts[] = {
        {" 100.5 ", "100.5", 100.5}, {"-.5", "-0.5", -0.5},        {"1e1", "10", 1.0},
        {"1D-2", "0.01", 1.0},       {"1e999", "inf", 1.0},        {"-1e-999", "0", -1.0},
        {"&hFFFF", "-1", 0.0},       {"&H10000", "65536", 0.0},    {"&HFFFFFFFF", "-1", 0.0},
        {"&O17", "15", 0.0},         {"&H100000000", "none", 0.0}, {"&HG", "none", 0.0},
        {"12x", "none", 12.0},       {"1 2", "none", 1.0},         {".", "none", 0.0}};
    for (const auto& [text, converted, leading] : texts) {
        const std::optional<double> number = ConvertedNumber(QString::fromLatin1(text));
        EXPECT_EQ(number ? QString::number(*number) : "none", converted) << text;
        EXPECT_EQ(LeadingNumber(QString::fromLatin1(text)), leading) << text;
    }
}

// A 3 x 3 game in play: pieces 4, 5 and 7 joined in group 4 away from home, 3 placed, a preview.
Puzzle ValidModel() {
    Puzzle p = MakePuzzle(3, 3);
    Regroup(p, 4, {4, 5, 7});
    p.Pieces[4].JoinedRight = p.Pieces[5].JoinedLeft = kTrue;
    p.Pieces[4].JoinedBottom = p.Pieces[7].JoinedTop = kTrue;
    std::tie(p.Pieces[4].X, p.Pieces[4].Y) = std::pair{300, 200};
    LayBeside(p, 5, 4);
    LayBeside(p, 7, 4);
    PlaceGroup(p, 3);
    p.PuzzleLoaded = kTrue;
    p.Divisors = CandidateDivisors(9);
    p.DivisorCount = 1;
    SetPictureFileName(p, "/pictures/cat.bmp");
    ApplyPreviewGeometry(p, ComputePreviewGeometry(p.ImageWidth, p.ImageHeight, 3, 800, 0));
    return p;
}

// Each check of the invariant checker, broken on its own in the valid model.
TEST(Model, TheInvariantCheckerReportsEachBrokenInvariant) {
    EXPECT_CONSISTENT(ValidModel());
    const std::pair<void (*)(Puzzle&), const char*> breaks[] = {
        {[](Puzzle& p) { p = Puzzle(), p.PuzzleLoaded = kTrue; }, "loaded but has no pieces"},
        {[](Puzzle& p) { p.PuzzleLoaded = 1; }, "PuzzleLoaded holds 1"},
        {[](Puzzle& p) { p.Dragging = p.PreviewDragging = kTrue; }, "dragged at once"},
        {[](Puzzle& p) { p.ElapsedSeconds = -1; }, "the clock shows -1 seconds"},
        {[](Puzzle& p) { p.PreviousScaleWidth = -1; }, "on a field of -1 x 0"},
        {[](Puzzle& p) { p.DivisorCount = 2; }, "Divisors has 2 elements for DivisorCount 2"},
        {[](Puzzle& p) { p.PictureFileName[0] = 'x'; }, "the picture's name field \"xpictures"},
        {[](Puzzle& p) { --p.PreviewCaptionRect.Left; }, "is not below its caption (711, 4)"},
        {[](Puzzle& p) { ++p.PreviewWidth; }, "of width 85 is not below"},
        {[](Puzzle& p) { p.NumberOfPieces = 8; }, "NumberOfPieces 8 but 9 piece records"},
        {[](Puzzle& p) { p.Groups.pop_back(); }, "8 group slots for 9 pieces"},
        {[](Puzzle& p) { p.PuzzleColumns = 1; }, "grid 1 x 3 does not hold 9 pieces"},
        {[](Puzzle& p) { ++p.TabWidth; }, "cells of 84 x 63 with tabs of 29 x 21 are not"},
        {[](Puzzle& p) { ++p.CellHeight; }, "cells of 84 x 64 with tabs of 28 x 21 are not"},
        {[](Puzzle& p) { ++p.BoardRect.Right; }, "the board (62, 27)-(315, 216) is not"},
        {[](Puzzle& p) { ++p.Pieces[6].CellRect.Bottom; }, "piece 6 has the cell (168, 63)"},
        {[](Puzzle& p) { ++p.Pieces[6].HomeY; }, "piece 6 has its home at (203, 71)"},
        {[](Puzzle& p) { p.Pieces[1].X = 40000; }, "piece 1 lies at (40000, 7), beyond 16 bits"},
        {[](Puzzle& p) { p.Pieces[2].Col = 0; }, "piece 2 has home cell (0, 0)"},
        {[](Puzzle& p) { p.Pieces[8].JoinedTop = 1; }, "piece 8 has a flag holding 1"},
        {[](Puzzle& p) { p.Pieces[2].LeftOut ^= kTrue; }, "1 and 2 do not have one knob"},
        {[](Puzzle& p) { p.Pieces[9].TopOut ^= kTrue; }, "6 and 9 do not have one knob"},
        {[](Puzzle& p) { p.Pieces[8].JoinedRight = kTrue; }, "8 and 9 disagree on their join"},
        {[](Puzzle& p) { p.Pieces[2].JoinedBottom = kTrue; }, "2 and 5 disagree on their join"},
        {[](Puzzle& p) { p.Pieces[1].JoinedRight = p.Pieces[2].JoinedLeft = kTrue; },
         "pieces 1 and 2 are joined across groups 1 and 2"},
        {[](Puzzle& p) { p.Pieces[5].JoinedBottom = p.Pieces[8].JoinedTop = kTrue; },
         "pieces 5 and 8 are joined across groups 4 and 8"},
        {[](Puzzle& p) { p.Pieces[6].RightOut = kFalse; }, "piece 6 has a right border side"},
        {[](Puzzle& p) { p.Pieces[8].BottomOut = kFalse; }, "piece 8 has a bottom border side"},
        {[](Puzzle& p) { p.Pieces[4].LeftOut = kFalse; }, "piece 4 has a left or top border"},
        {[](Puzzle& p) { p.Pieces[2].JoinedTop = kTrue; }, "piece 2 has a left or top border"},
        {[](Puzzle& p) { p.PlacedPieces.push_back(0); }, "PlacedPieces has 3 elements for"},
        {[](Puzzle& p) { p.PlacedPieces[1] = 10; }, "placed entry 1 names piece 10"},
        {[](Puzzle& p) { p.Pieces[3].Group = 3; }, "placed piece 3 belongs to group 3"},
        {[](Puzzle& p) { ++p.Pieces[3].Y; }, "placed piece 3 is not at its home"},
        {[](Puzzle& p) { p.PuzzleSolved = kTrue; }, "PuzzleSolved is -1 with 1 of 9 pieces"},
        {[](Puzzle& p) { p.Groups[5].InPlace = 2; }, "group 5 has InPlace holding 2"},
        {[](Puzzle& p) { p.Groups[4].MemberCount = 2; }, "group 4 has 4 member elements for"},
        {[](Puzzle& p) { p.Groups[4].Members[3] = 12; }, "group 4 lists piece 12"},
        {[](Puzzle& p) { std::swap(p.Groups[4].Members[1], p.Groups[4].Members[2]); },
         "group 4 members are not ascending"},
        {[](Puzzle& p) { p.Pieces[5].Group = 6; }, "piece 5 is in group 4 but says 6"},
        {[](Puzzle& p) { p.Groups[4].MaxCol = 2; }, "group 4 bounds do not match its members"},
        {[](Puzzle& p) { p.Groups[4].InPlace = kTrue; }, "live group 4 is marked in place"},
        {[](Puzzle& p) { ++p.Pieces[7].X; }, "group 4: piece 7 lies (1, 63) from piece 4 instead"},
        {[](Puzzle& p) { --p.Pieces[5].Y; }, "piece 5 lies (84, -1) from piece 4 instead"},
        {[](Puzzle& p) { p.PlacedPieces.push_back(5), ++p.PlacedCount; },
         "piece 5 is listed 1 times in groups and 1 times as placed"},
        {[](Puzzle& p) { ++p.GroupOrderCount; }, "GroupOrder is shorter than GroupOrderCount 7"},
        {[](Puzzle& p) { p.GroupSlotCount = 5; }, "GroupOrderCount 6 and GroupSlotCount 5"},
        {[](Puzzle& p) { p.GroupOrder[1] = 0; }, "GroupOrder entry 1 names slot 0"},
        {[](Puzzle& p) { p.GroupOrder[1] = p.GroupOrder[2]; }, "group 2 appears 2 times in"},
    };
    for (const auto& [change, report] : breaks) {
        Puzzle p = ValidModel();
        change(p);
        const QString problems = CheckModelInvariants(p).join('\n');
        EXPECT_TRUE(problems.contains(QLatin1String(report))) << report << "\n"
                                                              << problems.toStdString();
    }
}

} // namespace
} // namespace tess::test
