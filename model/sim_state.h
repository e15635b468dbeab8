#pragma once
// The one simulation state of the program: module-level, like its one window.
#include <array>
#include <cstdint>

#include "model/model_params.h"

inline constexpr int MaxSteps = 1000;
using TTable = std::array<double, MaxSteps + 1>;

struct TTrajectory {
    TTable Time{};
    TTable Position{};
    TTable Velocity{};
    TTable RelVelocity{};
    TTable Friction{};
};

struct TSimulationState {
    TModelParams Params;
    std::int32_t StepIndex = 0;
    TTrajectory Trajectory;
};

extern TSimulationState Sim;

// Back to the values at program start (tests use this between cases).
void ResetSimulationState();
