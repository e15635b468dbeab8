#pragma once
// The one error type of the program. Its message is exactly the text the user
// sees in the error box (before the full-stop rule is applied there).
#include <cmath>
#include <stdexcept>
#include <string>
#include <string_view>

class TAppError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr std::string_view MsgOverflow = "Floating point overflow";
inline constexpr std::string_view MsgDivisionByZero = "Floating point division by zero";
inline constexpr std::string_view MsgInvalidOperation = "Invalid floating point operation";
inline constexpr std::string_view MsgStreamWriteError = "Stream write error";

[[noreturn]] void RaiseError(std::string_view message);
[[noreturn]] void RaiseOverflow();
[[noreturn]] void RaiseDivisionByZero();
[[noreturn]] void RaiseInvalidOperation();

// "'<text>' is not a valid integer value" / "... floating point value".
std::string InvalidIntegerMessage(std::string_view text);
std::string InvalidFloatMessage(std::string_view text);

// A stored double that is not finite means a result beyond the double range.
inline double Stored(double value)
{
    if (!std::isfinite(value)) RaiseOverflow();
    return value;
}
