#include <gtest/gtest.h>

#include "error_of.h"
#include "model/oscillator.h"
#include "model/sim_state.h"

namespace {

class OscillatorTest : public testing::Test {
protected:
    void SetUp() override
    {
        ResetSimulationState();
        Sim.Params.SpringRatio = SpringRatioOf(Sim.Params.SpringConstant, Sim.Params.Mass);
    }
};

TEST_F(OscillatorTest, FrictionWithStartCoefficients)
{
    const std::pair<double, double> cases[] = {
        {-10, -3.981}, {0, -4}, {10, 3.981}, {-1, -3.998001}, {1, 3.998001},
    };
    for (const auto& [w, f] : cases) EXPECT_DOUBLE_EQ(FrictionValue(w), f) << "w=" << w;
}

TEST_F(OscillatorTest, AccelerationWithStartValuesIgnoresTime)
{
    EXPECT_DOUBLE_EQ(Acceleration(0, 0, 0), 3.981);
    EXPECT_DOUBLE_EQ(Acceleration(0, 0, 20), -3.981);
    EXPECT_DOUBLE_EQ(Acceleration(5, 0, 0), 3.981);
    // Relative velocity 0 counts as negative: the constant term pushes forward.
    EXPECT_DOUBLE_EQ(Acceleration(0, 0, 10), 4);
}

TEST_F(OscillatorTest, SpringTermIsDividedByTheMassOnce)
{
    Sim.Params.Mass = 2;
    Sim.Params.SpringRatio = SpringRatioOf(1, 2);
    EXPECT_EQ(Sim.Params.SpringRatio, 0.5);
    // (-f(-10) - k x) / m = (3.981 - 1) / 2
    EXPECT_DOUBLE_EQ(Acceleration(0, 1, 0), 1.4905);
}

TEST_F(OscillatorTest, UnitMassFormIsBitIdenticalToTheQuotientForm)
{
    for (double x : {0.3, -7.25, 1e3}) {
        for (double v : {-3.0, 0.0, 10.0, 12.5}) {
            const double w = v - 10;
            const double s = w > 0 ? 0.002 * w - ((0.000001 * w) * w) * w - 4
                                   : 0.002 * w - ((0.000001 * w) * w) * w + 4;
            EXPECT_EQ(Acceleration(0, x, v), (s - 1.0 * x) / 1.0);
        }
    }
}

TEST_F(OscillatorTest, SpringRatioDivisionErrors)
{
    const auto message = [](double k, double m) { return ErrorOf([&] { SpringRatioOf(k, m); }); };
    EXPECT_EQ(message(1, 0), "Floating point division by zero");
    EXPECT_EQ(message(0, 0), "Invalid floating point operation");
    EXPECT_EQ(message(1000, 1e-310), "Floating point overflow");
    EXPECT_EQ(message(1, -1), "");
}

TEST_F(OscillatorTest, HugeCubicTermOverflows)
{
    EXPECT_THROW(FrictionValue(1e200), TAppError);
    Sim.Params.CoefB = -1;
    EXPECT_THROW(Acceleration(0, 0, 1e150), TAppError);
}

}  // namespace
