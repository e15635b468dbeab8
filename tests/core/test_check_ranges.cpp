#include <gtest/gtest.h>

#include "model/check_ranges.h"
#include "runs/memory_sinks.h"

namespace {

struct RangeCase {
    const char* name;
    void (*set)(TModelParams&);
    bool passes;
};

const RangeCase Cases[] = {
    {"defaults", [](TModelParams&) {}, true},
    {"h 0.1", [](TModelParams& p) { p.StepSize = 0.1; }, true},
    {"h 0.10000999", [](TModelParams& p) { p.StepSize = 0.10000999; }, true},
    {"h -0.1", [](TModelParams& p) { p.StepSize = -0.1; }, true},
    {"h -0.05", [](TModelParams& p) { p.StepSize = -0.05; }, true},
    {"h 0.10001", [](TModelParams& p) { p.StepSize = 0.10001; }, false},
    {"h -0.10001", [](TModelParams& p) { p.StepSize = -0.10001; }, false},
    {"h 0", [](TModelParams& p) { p.StepSize = 0; }, false},
    {"h 0.2", [](TModelParams& p) { p.StepSize = 0.2; }, false},
    {"N 1000", [](TModelParams& p) { p.StepCount = 1000; }, true},
    {"N 1001", [](TModelParams& p) { p.StepCount = 1001; }, false},
    {"N 0", [](TModelParams& p) { p.StepCount = 0; }, true},
    {"N -5", [](TModelParams& p) { p.StepCount = -5; }, true},
    {"v0 1000", [](TModelParams& p) { p.TransportVelocity = 1000; }, true},
    {"v0 -1000", [](TModelParams& p) { p.TransportVelocity = -1000; }, true},
    {"v0 1000.5", [](TModelParams& p) { p.TransportVelocity = 1000.5; }, false},
    {"v0 -1000.5", [](TModelParams& p) { p.TransportVelocity = -1000.5; }, false},
    {"m 10000", [](TModelParams& p) { p.Mass = 10000; }, true},
    {"m 10000.01", [](TModelParams& p) { p.Mass = 10000.01; }, false},
    {"m 0", [](TModelParams& p) { p.Mass = 0; }, true},
    {"m -1", [](TModelParams& p) { p.Mass = -1; }, true},
    {"k 10000", [](TModelParams& p) { p.SpringConstant = 10000; }, true},
    {"k -10000", [](TModelParams& p) { p.SpringConstant = -10000; }, true},
    {"k 10001", [](TModelParams& p) { p.SpringConstant = 10001; }, false},
    {"k -10001", [](TModelParams& p) { p.SpringConstant = -10001; }, false},
    {"a 1", [](TModelParams& p) { p.CoefA = 1; }, true},
    {"a -1", [](TModelParams& p) { p.CoefA = -1; }, true},
    {"a 1.5", [](TModelParams& p) { p.CoefA = 1.5; }, false},
    {"a -1.5", [](TModelParams& p) { p.CoefA = -1.5; }, false},
    {"b 1", [](TModelParams& p) { p.CoefB = 1; }, true},
    {"b -1", [](TModelParams& p) { p.CoefB = -1; }, true},
    {"b 1.5", [](TModelParams& p) { p.CoefB = 1.5; }, false},
    {"b -1.5", [](TModelParams& p) { p.CoefB = -1.5; }, false},
    {"c 500", [](TModelParams& p) { p.CoefC = 500; }, true},
    {"c -1000", [](TModelParams& p) { p.CoefC = -1000; }, true},
    {"c 1000.5", [](TModelParams& p) { p.CoefC = 1000.5; }, false},
    {"c -1000.5", [](TModelParams& p) { p.CoefC = -1000.5; }, false},
};

TEST(CheckRanges, EnforcesTheBoundsAndShowsTheMessageOnlyOnFailure)
{
    for (const RangeCase& c : Cases) {
        TModelParams params;
        c.set(params);
        TRecordingBox box;
        EXPECT_EQ(CheckRanges(params, box), c.passes) << c.name;
        if (c.passes)
            EXPECT_TRUE(box.Shown.empty()) << c.name;
        else
            EXPECT_EQ(box.Shown, std::vector<std::string>{"Hodnota parametra je mimo rozsah!"}) << c.name;
    }
}

TEST(CheckRanges, ShowsTheMessageOnceHoweverManyValuesAreOutOfRange)
{
    TModelParams params;
    params.StepSize = 0.5;
    params.StepCount = 5000;
    params.Mass = 1e9;
    params.CoefC = 1e9;
    TRecordingBox box;
    EXPECT_FALSE(CheckRanges(params, box));
    EXPECT_EQ(box.Shown.size(), 1u);
}

}  // namespace
