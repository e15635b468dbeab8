#pragma once
#include "model/message_box.h"
#include "model/model_params.h"

inline constexpr std::string_view MsgOutOfRange = "Hodnota parametra je mimo rozsah!";

// Tests the stored parameters in a fixed order; on the first failing test shows
// the range message once through `box` and returns false.
bool CheckRanges(const TModelParams& params, TMessageBox& box);
