// The number conversions every procedure shares and the model's invariant checker.
#include "groups/play_models.h"
#include "puzzle/numeric_text.h"

namespace tess::test {
namespace {

TEST(Model, ConversionsRoundHalvesToEvenAndSaturateAndEachBrokenInvariantIsReported) {
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
        {" 100.5 ", "100.5", 100.5}, {"-.5", "-0.5", -0.5}, {"+3.", "3", 3.0},
        {"1e1", "10", 1.0},          {"1D-2", "0.01", 1.0}, {"1e999", "inf", 1.0},
        {"-1e-999", "0", -1.0},      {"&hFFFF", "-1", 0.0}, {"&H10000", "65536", 0.0},
        {"&HFFFFFFFF", "-1", 0.0},   {"&O17", "15", 0.0},   {"&H100000000", "none", 0.0},
        {"&HG", "none", 0.0},        {"12x", "none", 12.0}, {"1 2", "none", 1.0},
        {"1e", "none", 1.0},         {".", "none", 0.0}};
    for (const auto& [text, converted, leading] : texts) {
        const std::optional<double> number = ConvertedNumber(QString::fromLatin1(text));
        EXPECT_EQ(number ? QString::number(*number) : "none", converted) << text;
        EXPECT_EQ(LeadingNumber(QString::fromLatin1(text)), leading) << text;
    }

    // The invariant checker: one break of each kind, each on pieces and groups of its own,
    // each reported.
    Puzzle p = MakePuzzle(3, 3);
    PlaceGroup(p, 3);
    p.Pieces[3].X += 1;
    Regroup(p, 4, {4, 5});
    p.Groups[4].Members = Ints({0, 5, 4});
    p.Groups[1] = p.Groups[2];
    p.Groups[9].MaxCol = 1;
    p.GroupOrder[1] = 7;
    p.Pieces[2].LeftOut = kTrue;
    p.Pieces[7].JoinedRight = kTrue;
    p.Pieces[8].JoinedTop = 1;
    Puzzle wrongGrid = MakePuzzle(2, 2);
    wrongGrid.PuzzleColumns = 3;
    const QString problems = (CheckModelInvariants(p) + CheckModelInvariants(wrongGrid)).join('\n');
    for (const char* problem :
         {"3 is not at its home", "4 members are not ascending", "2 is listed 2 times",
          "9 bounds do not match", "7 appears 2 times", "1 and 2 do not have one knob",
          "7 and 8 disagree", "8 has a flag holding 1", "3 x 2 does not hold"}) {
        EXPECT_TRUE(problems.contains(QLatin1String(problem))) << problem;
    }
}

} // namespace
} // namespace tess::test
