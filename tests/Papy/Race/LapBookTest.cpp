// The lap book that both replay readers keep their laps in: the status each set of bits ends
// as, and what each step of a frame walk does to the laps (their bits, their frames [first,
// end) and the current lap), case by case.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Papy/Race/LapBook.h"
#include "RaceSamples.h"
#include "Util/Exception.h"

using namespace VelmoTest;
using namespace Velmo;
using namespace Velmo::Papy;

namespace
{
constexpr S32 A = LapBook::Absent;
constexpr S32 P = LapBook::Present;
constexpr S32 E = LapBook::Entered;
constexpr S32 L = LapBook::Left;
constexpr S32 Open = LapBook::OpenTime;

struct Step
{
    enum Kind
    {
        Add,       // a = time
        Continue,  //
        Enter,     // a = frame
        Leave,     // a = frame
        CrossLine, // a = frame
        Mark,      // a = present
        Extend,    // a = frame
        SetFrames, // a = lap, b = first, c = end
        Finish
    } kind;
    S32 a = 0;
    S32 b = 0;
    S32 c = 0;
};

struct Case
{
    const char* name;
    std::vector<Step> steps;
    std::vector<LapBook::Lap> laps; // {time, status, first, end}
    std::size_t current;
};

void Apply(LapBook& book, const Step& step)
{
    switch (step.kind)
    {
    case Step::Add:
        book.Add(step.a);
        break;
    case Step::Continue:
        book.Continue();
        break;
    case Step::Enter:
        book.Enter(U32(step.a));
        break;
    case Step::Leave:
        book.Leave(U32(step.a));
        break;
    case Step::CrossLine:
        book.CrossLine(U32(step.a));
        break;
    case Step::Mark:
        book.Mark(step.a != 0);
        break;
    case Step::Extend:
        book.Extend(U32(step.a));
        break;
    case Step::SetFrames:
        book.SetFrames(std::size_t(step.a), step.b, step.c);
        break;
    case Step::Finish:
        book.Finish();
        break;
    }
}

std::string Text(const std::vector<LapBook::Lap>& laps)
{
    std::string text;
    for (const LapBook::Lap& lap : laps)
        text += "{" + std::to_string(lap.time) + " " + std::to_string(lap.status) + " " + std::to_string(lap.first) +
                " " + std::to_string(lap.end) + "} ";
    return text;
}
} // namespace

TEST(LapBook, StatusOfEachSetOfBits)
{
    const struct
    {
        S32 bits;
        S32 status;
    } cases[] = {
        {0, 0},         {A, 0},         {E | L, 0},         {A | E | L, 0},     {P, 1},
        {P | A, 1},     {P | E, 1},     {P | L, 1},         {P | E | L | A, 1}, {P | E | L, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LapBook::FinalStatus(c.bits), c.status) << c.bits;
}

TEST(LapBook, StepsOfAFrameWalk)
{
    using S = Step;
    const Case cases[] = {
        {"only the start", {}, {{0, 0, -1, 0}}, 1},
        {"laps of a read-out", {{S::Add, 100}, {S::Add, Open}}, {{0, 0, -1, 0}, {100, 0, -1, 0}, {Open, 0, -1, 0}}, 1},
        {"a lap seen and left: Left on it, Entered on the next, its frames end at the crossing",
         {{S::Add, 100}, {S::Add, Open}, {S::Enter, 2}, {S::Mark, 1}, {S::Extend, 5}, {S::CrossLine, 6}},
         {{0, 0, -1, 0}, {100, P | L, 2, 6}, {Open, E, 6, 7}},
         2},
        {"a lap without status bits is left without marks",
         {{S::Add, 100}, {S::Add, Open}, {S::Enter, 2}, {S::CrossLine, 6}},
         {{0, 0, -1, 0}, {100, 0, 2, 6}, {Open, 0, 6, 7}},
         2},
        {"a lap left in the frame it was entered has no frames",
         {{S::Add, 100}, {S::Add, 200}, {S::Add, Open}, {S::Enter, 3}, {S::CrossLine, 4}, {S::Leave, 4}, {S::Enter, 4}},
         {{0, 0, -1, 0}, {100, 0, 3, 4}, {200, 0, -1, 0}, {Open, 0, 4, 5}},
         3},
        {"the last lap is left: no next lap to mark",
         {{S::Add, Open}, {S::Enter, 0}, {S::Mark, 0}, {S::Leave, 3}},
         {{0, 0, -1, 0}, {Open, A | L, 0, 3}},
         2},
        {"a lap with frames keeps its first frame; frames reach only laps that have some",
         {{S::Add, Open}, {S::Extend, 1}, {S::Enter, 2}, {S::Enter, 5}, {S::Extend, 7}},
         {{0, 0, -1, 0}, {Open, 0, 2, 8}},
         1},
        {"without a current lap, marks, frames and entries change nothing",
         {{S::Mark, 1}, {S::Mark, 0}, {S::Extend, 3}, {S::Enter, 3}},
         {{0, 0, -1, 0}},
         1},
        {"a lap continued begins where the entry before ends: the first at frame 0",
         {{S::Continue}, {S::Mark, 1}, {S::Extend, 4}, {S::CrossLine, 5}, {S::Continue}, {S::Mark, 1}, {S::Extend, 6}},
         {{0, 0, -1, 0}, {Open, P | L, 0, 5}, {Open, P, 5, 7}},
         2},
        {"frames set afterwards",
         {{S::Add, 100}, {S::Add, Open}, {S::SetFrames, 2, 4, 9}, {S::SetFrames, 1, 0, 4}},
         {{0, 0, -1, 0}, {100, 0, 0, 4}, {Open, 0, 4, 9}},
         1},
        {"finished: a lap driven whole is 2, a lap seen on 1, any other 0; the start stays",
         {{S::Add, 100},
          {S::Add, 200},
          {S::Add, 300},
          {S::Add, Open},
          {S::Enter, 0},
          {S::Mark, 1},
          {S::CrossLine, 3},
          {S::Mark, 1},
          {S::CrossLine, 6},
          {S::Mark, 0},
          {S::Mark, 1},
          {S::CrossLine, 9},
          {S::Finish}},
         {{0, 0, -1, 0}, {100, 1, 0, 3}, {200, 2, 3, 6}, {300, 1, 6, 9}, {Open, 0, 9, 10}},
         4},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        LapBook book;
        for (const Step& step : c.steps)
            Apply(book, step);
        EXPECT_EQ(Text(book.GetLaps()), Text(c.laps));
        EXPECT_EQ(book.GetCurrentIndex(), c.current);
        EXPECT_EQ(book.HasCurrent(), c.current < c.laps.size());
        EXPECT_EQ(book.HasNext(), c.current + 1 < c.laps.size());
    }
}

TEST(LapBook, CurrentLapAndContinueNeedTheirPlace)
{
    LapBook book;
    EXPECT_EQ(AssertionOf([&] { book.GetCurrent(); }), "HasCurrent()");
    book.Add(LapBook::OpenTime);
    EXPECT_EQ(AssertionOf([&] { book.Continue(); }), "m_current == m_laps.size()");
    EXPECT_EQ(AssertionOf([&] { book.SetFrames(2, 0, 1); }), "lap < m_laps.size()");
    EXPECT_EQ(&book.GetCurrent(), &book.GetLaps()[1]);
}
