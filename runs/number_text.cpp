#include "runs/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "model/app_error.h"
#include "model/model_params.h"

void AppendNumberText(std::string& out, double x)
{
    if (x == 0) {
        out += '0';
        return;
    }
    // Correctly rounded to 15 significant digits: "d.dddddddddddddde[+-]xx".
    char buf[40];
    const auto result = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
    const char* p = buf;
    if (*p == '-') {
        out += '-';
        ++p;
    }
    char digits[15];
    int count = 0;
    for (; *p != 'e'; ++p)
        if (*p != '.') digits[count++] = *p;
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+'), result.ptr, exponent);
    while (count > 1 && digits[count - 1] == '0') --count;

    // x = d.ddd * 10^exponent; fixed notation from 1E-4 up to 15 integer digits.
    if (exponent >= -4 && exponent <= 14) {
        if (exponent < 0) {
            out += '0';
            out += DecimalSeparator;
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out.append(digits, static_cast<std::size_t>(count));
        } else {
            const int integerDigits = exponent + 1;
            if (count <= integerDigits) {
                out.append(digits, static_cast<std::size_t>(count));
                out.append(static_cast<std::size_t>(integerDigits - count), '0');
            } else {
                out.append(digits, static_cast<std::size_t>(integerDigits));
                out += DecimalSeparator;
                out.append(digits + integerDigits, static_cast<std::size_t>(count - integerDigits));
            }
        }
        return;
    }
    out += digits[0];
    if (count > 1) {
        out += DecimalSeparator;
        out.append(digits + 1, static_cast<std::size_t>(count - 1));
    }
    out += 'E';
    char expBuf[8];
    const auto expEnd = std::to_chars(expBuf, expBuf + sizeof expBuf, exponent).ptr;
    out.append(expBuf, expEnd);
}

std::string NumberText(double x)
{
    std::string out;
    AppendNumberText(out, x);
    return out;
}

void AppendRoundedNumberText(std::string& out, double x)
{
    constexpr double q = 1e-4;
    // Ties to even, as the default rounding mode does.
    const double quotient = std::nearbyint(x / q);
    constexpr double limit = 9223372036854775808.0;  // 2^63
    if (!(quotient >= -limit && quotient < limit)) RaiseInvalidOperation();
    AppendNumberText(out, static_cast<double>(static_cast<std::int64_t>(quotient)) * q);
}

std::string RoundedNumberText(double x)
{
    std::string out;
    AppendRoundedNumberText(out, x);
    return out;
}
