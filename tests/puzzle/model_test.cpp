// The number conversions every procedure shares and the model's invariant checker.
#include "groups/placing.h"
#include "groups/play_models.h"

#include <functional>

namespace tess::test {
namespace {

TEST(Numbers, ConversionsRoundHalvesToEvenAndSaturate) {
    struct Case {
        double value;
        Integer cint;
        Long clng, intPart;
    };
    for (const Case& c :
         {Case{9.5, 10, 10, 9}, Case{12.5, 12, 12, 12}, Case{15.5, 16, 16, 15},
          Case{-0.5, 0, 0, -1}, Case{-1.5, -2, -2, -2}, Case{1.271, 1, 1, 1}, Case{0.417, 0, 0, 0},
          Case{-2.7, -3, -3, -3}, Case{40000.0, 32767, 40000, 40000},
          Case{-40000.0, -32768, -40000, -40000}}) {
        EXPECT_EQ(CInt(c.value), c.cint) << c.value;
        EXPECT_EQ(CLng(c.value), c.clng) << c.value;
        EXPECT_EQ(Int(c.value), c.intPart) << c.value;
    }
}

TEST(ModelInvariants, EachBrokenInvariantIsReportedForWhatBrokeIt) {
    EXPECT_CONSISTENT(Puzzle{});
    EXPECT_CONSISTENT(MakePuzzle(2, 2));
    const std::vector<std::pair<const char*, std::function<void(Puzzle&)>>> breaks = {
        {"listed 2 times",
         [](Puzzle& p) {
             p.Groups[1].Members = Ints({0, 1, 2});
             p.Groups[1].MemberCount = 2;
         }},
        {"not ascending",
         [](Puzzle& p) {
             Regroup(p, 1, {1, 2});
             p.Groups[1].Members = Ints({0, 2, 1});
         }},
        {"bounds do not match", [](Puzzle& p) { p.Groups[3].MaxCol = 1; }},
        {"group 1 appears 2 times", [](Puzzle& p) { p.GroupOrder[2] = 1; }},
        {"do not have one knob", [](Puzzle& p) { p.Pieces[2].LeftOut = kTrue; }},
        {"disagree on their join", [](Puzzle& p) { p.Pieces[1].JoinedRight = kTrue; }},
        {"flag holding 1", [](Puzzle& p) { p.Pieces[1].JoinedTop = 1; }},
        {"not at its home",
         [](Puzzle& p) {
             PlaceGroup(p, 4);
             p.Pieces[4].X += 1;
         }},
        {"does not hold", [](Puzzle& p) { p.PuzzleColumns = 3; }},
    };
    for (const auto& [problem, breakIt] : breaks) {
        Puzzle p = MakePuzzle(2, 2);
        breakIt(p);
        EXPECT_TRUE(CheckModelInvariants(p).join('\n').contains(QLatin1String(problem)))
            << problem << ": " << CheckModelInvariants(p).join('\n').toStdString();
    }
}

} // namespace
} // namespace tess::test
