#pragma once
#include <array>
#include <cstdint>
#include <string>

struct TModelParams {
    std::int32_t StepCount = 500;
    double StepSize = 0.1;
    double TransportVelocity = 10;
    double Mass = 1;
    double SpringConstant = 1;
    double CoefA = 0.002;
    double CoefB = 0.000001;
    double CoefC = 4;
    double SpringRatio = 0;
};

// Texts of the entry fields Edit1 ... Edit8, in that order (UTF-8).
using TFieldTexts = std::array<std::string, 8>;

// The texts the fields show at start-up; they equal the start values above.
TFieldTexts StartFieldTexts();

// The program's decimal separator; start-up sets it to '.'.
extern char DecimalSeparator;

// Converts the eight texts in field order, storing each value as soon as it is
// converted. Throws TAppError on the first text that does not convert.
void ReadParams(TModelParams& params, const TFieldTexts& texts);

// Text-to-number conversions used by ReadParams (exposed for tests and fuzzing).
std::int32_t StrToInt(const std::string& text);
double StrToFloat(const std::string& text);
