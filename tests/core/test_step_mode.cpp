#include "run_fixture.h"

namespace {

using StepMode = RunFixture;

TEST_F(StepMode, FirstClickWritesParamBlockHeaderAndOneRow)
{
    EXPECT_EQ(Step(), "");
    const std::vector<std::string> expected = {
        "počet krokov= 500",   "veľkosť kroku= 0.1", "unášacia rýchlosť= 10 m/s", "hmotnosť= 1kg",
        "konštanta pružiny= 1", "koeficient a= 0.002", "koeficient b= 1E-6", "koeficient c= 4", "",
        "čas, súradnica, rýchlosť, f()", "0.1     0.0199     0.3975   -3.9817",
    };
    EXPECT_EQ(Lines(), expected);
    for (int slot = 1; slot <= 4; ++slot) EXPECT_EQ(PointCount(slot), 1u);
    EXPECT_EQ(Sim.StepIndex, 1);
}

TEST_F(StepMode, SequenceWrapsAroundAfterTheLastStep)
{
    Field(1, "3");
    const std::pair<int, std::size_t> expected[] = {{1, 11}, {2, 12}, {3, 13}, {1, 11}, {2, 12}};
    for (const auto& [index, lines] : expected) {
        EXPECT_EQ(Step(), "");
        EXPECT_EQ(Sim.StepIndex, index);
        EXPECT_EQ(Lines().size(), lines);
        EXPECT_EQ(PointCount(2), static_cast<std::size_t>(index));
    }
}

TEST_F(StepMode, CompleteSequenceMatchesAFullRun)
{
    Field(1, "40");
    Full();
    const auto fullPoints = Charts.Points;
    auto fullRows = Lines();
    for (int i = 0; i < 40; ++i) Step();
    EXPECT_EQ(Charts.Points, fullPoints);
    const auto stepRows = Lines();
    ASSERT_EQ(stepRows.size(), fullRows.size());
    for (std::size_t i = 10; i < stepRows.size(); ++i) {
        std::string row = fullRows[i];
        row.replace(row.rfind("     "), 5, "   ");  // step mode: three spaces before f()
        EXPECT_EQ(stepRows[i], row);
    }
}

TEST_F(StepMode, StepSizeIsNormalisedKeepingItsSign)
{
    struct Case {
        const char* entered;
        const char* shown;
        const char* firstTime;
    };
    const Case cases[] = {
        {"-0.1", "veľkosť kroku= -0.1", "-0.1     "},
        {"-0.10000999", "veľkosť kroku= -0.10000999", "-0.1     "},
        {"0.10000999", "veľkosť kroku= 0.10000999", "0.1     "},
        {"-0.05", "veľkosť kroku= -0.05", "-0.05     "},
    };
    for (const Case& c : cases) {
        SetUp();
        Field(2, c.entered);
        EXPECT_EQ(Step(), "") << c.entered;
        EXPECT_EQ(Lines()[1], c.shown);
        EXPECT_TRUE(Lines()[10].starts_with(c.firstTime)) << Lines()[10];
        const double h = std::string(c.entered) == "-0.05" ? -0.05 : (c.entered[0] == '-' ? -0.1 : 0.1);
        EXPECT_EQ(Sim.Params.StepSize, h) << c.entered;
        EXPECT_EQ(Charts.Points[0][0].first, h) << c.entered;
    }
}

TEST_F(StepMode, ResetStepIndexStartsANewSequence)
{
    Step();
    Step();
    Sim.StepIndex = 0;  // as an edited field or a full run leaves it
    Step();
    EXPECT_EQ(Lines().size(), 11u);
    EXPECT_EQ(PointCount(1), 1u);
}

TEST_F(StepMode, HelpTextInTheMiddleStaysAboveTheNextRow)
{
    Step();
    Log.Contents = "help\r\n";
    Step();
    EXPECT_EQ(Lines().size(), 2u);
    EXPECT_TRUE(Lines()[1].starts_with("0.2     "));
    EXPECT_EQ(PointCount(1), 2u);
}

TEST_F(StepMode, RangeFailureLeavesTheSequenceAlone)
{
    Step();
    Step();
    const std::string before = Log.Contents;
    Field(8, "1000.5");
    EXPECT_EQ(Step(), "");
    EXPECT_EQ(Box.Shown.size(), 1u);
    EXPECT_EQ(Sim.StepIndex, 2);
    EXPECT_EQ(Log.Contents, before);
}

TEST_F(StepMode, FailuresBeforeTheIntegrationRepeatAtEveryClick)
{
    struct Case {
        std::vector<std::pair<int, const char*>> fields;
        const char* message;
    };
    const Case cases[] = {
        {{{4, "0"}}, "Floating point division by zero"},
        {{{4, "0"}, {5, "0"}}, "Invalid floating point operation"},
        {{{7, "-1"}}, "Floating point overflow"},
    };
    for (const Case& c : cases) {
        SetUp();
        Texts = StartFieldTexts();
        for (const auto& [field, text] : c.fields) Field(field, text);
        for (int click = 0; click < 2; ++click) {
            EXPECT_EQ(Step(), c.message);
            EXPECT_EQ(Sim.StepIndex, 0);
            EXPECT_EQ(Lines().size(), 10u);
            EXPECT_EQ(PointCount(3), 0u);
        }
    }
}

TEST_F(StepMode, AFailingIndexIsSkippedAndTheSequenceGoesOn)
{
    // As in the full run: no cubic term, the position passes 9.22E14 quickly.
    Field(1, "100").Field(5, "-10000").Field(7, "0");
    Full();
    const std::size_t goodRows = Lines().size() - 10;
    SetUp();
    Charts = {};
    for (std::size_t i = 0; i < goodRows; ++i) EXPECT_EQ(Step(), "");
    const std::string before = Log.Contents;
    EXPECT_EQ(Step(), "Invalid floating point operation");
    EXPECT_EQ(Sim.StepIndex, static_cast<int>(goodRows + 1));
    EXPECT_EQ(Log.Contents, before);
    EXPECT_EQ(PointCount(1), goodRows);
}

TEST_F(StepMode, ZeroStepsShowsIndexOneAtEveryClick)
{
    Field(1, "0");
    for (int click = 0; click < 2; ++click) {
        EXPECT_EQ(Step(), "");
        EXPECT_EQ(Sim.StepIndex, 1);
        EXPECT_EQ(Lines().size(), 11u);
    }
}

}  // namespace
