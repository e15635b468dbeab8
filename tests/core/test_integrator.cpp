#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "model/app_error.h"
#include "model/integrator.h"
#include "model/oscillator.h"
#include "model/sim_state.h"

namespace {

std::vector<double> CallTimes;
int CallCount = 0;

double Zero(double, double, double) { return ++CallCount, 0.0; }
double Three(double, double, double) { return 3.0; }
double MinusV(double, double, double v) { return -v; }
double MinusX(double, double x, double) { return -x; }
double Time(double t, double, double) { return t; }
double RecordTime(double t, double, double) { return CallTimes.push_back(t), 0.0; }
double Explode(double, double x, double) { return x * 1e100; }

struct Tables {
    std::array<double, 5> X;
    std::array<double, 5> V;
    Tables() { X.fill(-99), V.fill(-99); }
};

TEST(IntegrateRKN, NoStepsWritesOnlyTheStartAndNeverCallsF)
{
    for (int n : {0, -3}) {
        Tables t;
        CallCount = 0;
        IntegrateRKN(Zero, t.X, t.V, 0, 2, 3, 0.5, n);
        EXPECT_EQ(CallCount, 0);
        EXPECT_EQ(t.X[0], 2);
        EXPECT_EQ(t.V[0], 3);
        EXPECT_EQ(t.X[1], -99);
        EXPECT_EQ(t.V[1], -99);
    }
}

struct ExactCase {
    const char* name;
    TAccelerationFunc f;
    double t0, x0, v0, h;
    int n;
    std::vector<double> x, v;
    double tolerance;
};

TEST(IntegrateRKN, KnownSolutions)
{
    const ExactCase cases[] = {
        {"F=0", Zero, 0, 2, 3, 0.5, 2, {2, 3.5, 5}, {3, 3, 3}, 0},
        {"F=3", Three, 0, 1, 2, 0.5, 2, {1, 2.375, 4.5}, {2, 3.5, 5}, 0},
        {"F=3 backwards", Three, 0, 1, 2, -0.5, 1, {1, 0.375}, {2, 0.5}, 0},
        {"F=-v", MinusV, 0, 0, 1, 0.1, 1, {0, 0.0951625}, {1, 0.9048375}, 5e-8},
        {"F=-x", MinusX, 0, 1, 0, 0.1, 1, {1, 0.9950041667}, {0, -0.0998334375}, 5e-11},
        {"F=t", Time, 0, 0, 0, 0.1, 1, {0, 0.1 * 0.1 * 0.1 / 6}, {0, 0.005}, 1e-15},
    };
    for (const ExactCase& c : cases) {
        Tables t;
        IntegrateRKN(c.f, t.X, t.V, c.t0, c.x0, c.v0, c.h, c.n);
        for (std::size_t i = 0; i < c.x.size(); ++i) {
            EXPECT_NEAR(t.X[i], c.x[i], c.tolerance) << c.name << " X[" << i << "]";
            EXPECT_NEAR(t.V[i], c.v[i], c.tolerance) << c.name << " V[" << i << "]";
        }
        EXPECT_EQ(t.X[c.x.size()], -99) << c.name;  // nothing beyond index n
    }
}

TEST(IntegrateRKN, StagesSeeTheirTimes)
{
    Tables t;
    CallTimes.clear();
    IntegrateRKN(RecordTime, t.X, t.V, 1, 0, 0, 0.5, 2);
    EXPECT_EQ(CallTimes, (std::vector<double>{1, 1.25, 1.25, 1.5, 1.5, 1.75, 1.75, 2}));
}

TEST(IntegrateRKN, OscillatorWithStartValues)
{
    ResetSimulationState();
    Sim.Params.SpringRatio = 1;
    Tables t;
    IntegrateRKN(Acceleration, t.X, t.V, 0, 0, 0, 0.1, 2);
    EXPECT_NEAR(t.X[1], 0.019889544, 5e-10);
    EXPECT_NEAR(t.V[1], 0.397470855, 5e-10);
    EXPECT_NEAR(t.X[2], 0.079363969, 5e-10);
    EXPECT_NEAR(t.V[2], 0.791038472, 5e-10);
}

TEST(IntegrateRKN, OverflowKeepsTheEntriesOfEarlierSteps)
{
    Tables t;
    // Step 1 stays within the double range, step 2 does not.
    EXPECT_THROW(IntegrateRKN(Explode, t.X, t.V, 0, 1, 0, 0.1, 4), TAppError);
    EXPECT_EQ(t.X[0], 1);
    EXPECT_GT(t.X[1], 1e190);
    EXPECT_EQ(t.X[2], -99);
    EXPECT_EQ(t.V[2], -99);
}

}  // namespace
