#pragma once
#include <string>

// General format, 15 significant digits, trailing zeros dropped; fixed notation
// for 1E-4 <= |x| < 1E15 (by decimal exponent), "1.5E-5" style otherwise.
std::string NumberText(double x);
void AppendNumberText(std::string& out, double x);

// x rounded to 4 decimals (ties to even through a 64-bit integer), then NumberText.
// Throws "Invalid floating point operation" when x / 1E-4 leaves the int64 range.
std::string RoundedNumberText(double x);
void AppendRoundedNumberText(std::string& out, double x);
