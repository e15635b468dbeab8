#include "model/sim_state.h"

TSimulationState Sim;

void ResetSimulationState()
{
    Sim = TSimulationState{};
    DecimalSeparator = '.';
}
