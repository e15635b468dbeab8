#include "run_fixture.h"
#include <algorithm>
#include <cmath>

namespace {

using FullRun = RunFixture;

const std::vector<std::string> DefaultParamBlock = {
    "počet krokov= 500",       "veľkosť kroku= 0.1 s",     "unášacia rýchlosť= 10 m/s",
    "hmotnosť= 1 kg",          "konštanta pružiny= 1 N/m", "koeficient a= 0.002",
    "koeficient b= 1E-6",      "koeficient c= 4",          "",
};

TEST_F(FullRun, DefaultsGiveParamBlockHeaderAndOneRowPerStep)
{
    EXPECT_EQ(Full(), "");
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 510u);
    EXPECT_TRUE(Log.Contents.ends_with("\r\n"));
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 9), DefaultParamBlock);
    EXPECT_EQ(lines[9], "čas, súradnica, rýchlosť, f()");
    EXPECT_EQ(lines[10], "0.1     0.0199     0.3975     -3.9817");
    EXPECT_TRUE(lines[509].starts_with("50     ")) << lines[509];
    for (int slot = 1; slot <= 4; ++slot) EXPECT_EQ(PointCount(slot), 500u);
    EXPECT_TRUE(Box.Shown.empty());
}

TEST_F(FullRun, PointsComeFromTheTrajectoryTables)
{
    Field(1, "3");
    Full();
    const TTrajectory& tr = Sim.Trajectory;
    for (int i = 1; i <= 3; ++i) {
        const auto at = [&](int slot) { return Charts.Points[slot - 1][i - 1]; };
        EXPECT_EQ(at(1), std::make_pair(tr.Time[i], tr.Position[i]));
        EXPECT_EQ(at(2), std::make_pair(tr.Position[i], tr.Velocity[i]));
        EXPECT_EQ(at(3), std::make_pair(tr.Time[i], tr.Velocity[i]));
        EXPECT_EQ(at(4), std::make_pair(tr.RelVelocity[i], tr.Friction[i]));
    }
    EXPECT_EQ(tr.Time[3], 0.1 + 0.1 + 0.1);  // running sum, not 3 * 0.1
    EXPECT_EQ(tr.RelVelocity[0], -10);
    EXPECT_EQ(tr.Friction[0], -3.981 + 0.0);
}

TEST_F(FullRun, LineAndPointCountsFollowTheStepCount)
{
    struct Case {
        const char* steps;
        std::size_t lines, points;
    };
    for (const Case& c : {Case{"1000", 1010, 1000}, Case{"1", 11, 1}, Case{"0", 10, 0}, Case{"-5", 10, 0}}) {
        SetUp();
        Charts = {};
        Field(1, c.steps);
        EXPECT_EQ(Full(), "") << c.steps;
        EXPECT_EQ(Lines().size(), c.lines) << c.steps;
        EXPECT_EQ(PointCount(1), c.points) << c.steps;
        EXPECT_EQ(Lines()[0], std::string("počet krokov= ") + c.steps);
    }
}

TEST_F(FullRun, NegativeStepRunsBackwardsInTime)
{
    Field(2, "-0.05");
    Full();
    EXPECT_TRUE(Lines()[10].starts_with("-0.05     ")) << Lines()[10];
    EXPECT_EQ(Lines()[1], "veľkosť kroku= -0.05 s");
    EXPECT_LT(Charts.Points[0].back().first, 0);
}

TEST_F(FullRun, TwoRunsGiveTheSameOutput)
{
    Full();
    const std::string first = Log.Contents;
    const auto points = Charts.Points;
    Full();
    EXPECT_EQ(Log.Contents, first);
    EXPECT_EQ(Charts.Points, points);
}

TEST_F(FullRun, RangeFailureLeavesEarlierOutputAndStepIndex)
{
    Full();
    const std::string before = Log.Contents;
    Sim.StepIndex = 7;
    Field(1, "5000");
    EXPECT_EQ(Full(), "");
    EXPECT_EQ(Box.Shown, std::vector<std::string>{"Hodnota parametra je mimo rozsah!"});
    EXPECT_EQ(Log.Contents, before);
    EXPECT_EQ(PointCount(1), 500u);
    EXPECT_EQ(Sim.StepIndex, 7);
    EXPECT_EQ(Sim.Params.StepCount, 5000);  // read values stay stored
}

TEST_F(FullRun, ConversionErrorChangesNothingVisible)
{
    Full();
    const std::string before = Log.Contents;
    Field(3, "12a");
    EXPECT_EQ(Full(), "'12a' is not a valid floating point value");
    EXPECT_EQ(Log.Contents, before);
    EXPECT_EQ(PointCount(1), 500u);
}

// Failures after the range check: what the log and charts hold afterwards.
TEST_F(FullRun, FailuresKeepWhatWasWrittenBefore)
{
    struct Case {
        const char* name;
        std::vector<std::pair<int, const char*>> fields;
        const char* message;
        std::size_t lines;
    };
    const Case cases[] = {
        {"mass 0", {{4, "0"}}, "Floating point division by zero", 9},
        {"mass '.'", {{4, "."}}, "Floating point division by zero", 9},
        {"mass and spring 0", {{4, "0"}, {5, "0"}}, "Invalid floating point operation", 9},
        {"cubic grows without bound", {{7, "-1"}}, "Floating point overflow", 9},
        {"huge ratio", {{4, "1e-320"}}, "Floating point overflow", 9},
    };
    for (const Case& c : cases) {
        SetUp();
        Texts = StartFieldTexts();
        for (const auto& [field, text] : c.fields) Field(field, text);
        Sim.StepIndex = 3;
        EXPECT_EQ(Full(), c.message) << c.name;
        EXPECT_EQ(Lines().size(), c.lines) << c.name;
        EXPECT_EQ(PointCount(1), 0u) << c.name;
        EXPECT_EQ(Sim.StepIndex, 0) << c.name;
    }
}

TEST_F(FullRun, StepSizeOfADotFailsTheRangeCheck)
{
    Field(2, ".");
    EXPECT_EQ(Full(), "");
    EXPECT_EQ(Box.Shown.size(), 1u);
    EXPECT_TRUE(Log.Contents.empty());
}

TEST_F(FullRun, ValueTooLargeToRoundStopsTheRowsAfterItsPoints)
{
    // A negative spring drives the mass away exponentially; without the cubic
    // friction term nothing overflows, but the position soon passes 9.22E14.
    Field(1, "100").Field(5, "-10000").Field(7, "0");
    EXPECT_EQ(Full(), "Invalid floating point operation");
    const std::size_t rows = Lines().size() - 10;
    ASSERT_GT(rows, 0u);
    ASSERT_LT(rows, 100u);
    EXPECT_EQ(PointCount(1), rows + 1);
    EXPECT_EQ(PointCount(4), rows + 1);
    const TTrajectory& tr = Sim.Trajectory;
    const double largest = std::max({std::abs(tr.Position[rows + 1]), std::abs(tr.Velocity[rows + 1]),
                                     std::abs(tr.Friction[rows + 1])});
    EXPECT_GE(largest, 9.2e14);
}

}  // namespace
