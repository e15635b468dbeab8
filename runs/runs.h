#pragma once
#include <string_view>

#include "model/model_params.h"
#include "runs/ports.h"

inline constexpr std::string_view HeaderLine = "čas, súradnica, rýchlosť, f()";

// "Vykresli": reads and checks the fields, integrates all steps from rest,
// writes the parameter block, header and one row per step, one point per step
// to each chart slot.
void RunFull(const TFieldTexts& texts, const TRunPorts& ports);

// "Krokuj": shows one more index of the current step sequence.
void RunStep(const TFieldTexts& texts, const TRunPorts& ports);
