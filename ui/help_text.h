#pragma once
#include <array>
#include <string_view>

#include "runs/ports.h"

extern const std::array<std::string_view, 6> HelpLines;  // UTF-8

// "Pomoc": clears the log and appends the six help lines.
void ShowHelp(TOutputLog& log);
