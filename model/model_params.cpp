#include "model/model_params.h"

#include <cstdlib>
#include <limits>
#include <locale.h>

#include "model/app_error.h"

char DecimalSeparator = '.';

TFieldTexts StartFieldTexts()
{
    return {"500", "0.1", "10", "1", "1", "0.002", "0.000001", "4"};
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// strtod in the "C" locale, whatever locale the toolkit has set for the process.
double ParseCDouble(const std::string& canonical)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtod_l(canonical.c_str(), nullptr, cLocale);
}

}  // namespace

// Accepts leading blanks, an optional sign and decimal digits; anything else,
// or a value outside the 32-bit range, is a conversion error.
std::int32_t StrToInt(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) RaiseError(InvalidIntegerMessage(text));
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i])) RaiseError(InvalidIntegerMessage(text));
        value = value * 10 + (text[i] - '0');
        if (value > std::int64_t{1} << 31) RaiseError(InvalidIntegerMessage(text));
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) RaiseError(InvalidIntegerMessage(text));
    return static_cast<std::int32_t>(value);
}

// Accepts blanks around, an optional sign, digits with at most one decimal
// separator (a lone separator reads as 0), and an optional exponent after at
// least one digit. A value beyond the double range comes back infinite.
double StrToFloat(const std::string& text)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && IsBlank(text[i])) ++i;
    std::string canonical;
    canonical.reserve(n + 2);
    if (i < n && (text[i] == '-' || text[i] == '+')) canonical += text[i++];
    bool digits = false;
    bool separator = false;
    for (; i < n; ++i) {
        if (IsDigit(text[i])) {
            canonical += text[i];
            digits = true;
        } else if (text[i] == DecimalSeparator && !separator) {
            canonical += '.';
            separator = true;
        } else {
            break;
        }
    }
    if (!digits && !separator) RaiseError(InvalidFloatMessage(text));
    if (!digits) canonical += '0';
    if (digits && i < n && (text[i] == 'e' || text[i] == 'E')) {
        canonical += 'e';
        ++i;
        if (i < n && (text[i] == '-' || text[i] == '+')) canonical += text[i++];
        bool exponentDigits = false;
        for (; i < n && IsDigit(text[i]); ++i) {
            canonical += text[i];
            exponentDigits = true;
        }
        if (!exponentDigits) RaiseError(InvalidFloatMessage(text));
    }
    while (i < n && IsBlank(text[i])) ++i;
    if (i != n) RaiseError(InvalidFloatMessage(text));
    return ParseCDouble(canonical);
}

void ReadParams(TModelParams& params, const TFieldTexts& texts)
{
    // Each value is stored before the next field is read: a failing field
    // leaves the earlier ones converted.
    params.StepCount = StrToInt(texts[0]);
    double* const targets[] = {&params.StepSize, &params.TransportVelocity, &params.Mass,
                               &params.SpringConstant, &params.CoefA, &params.CoefB,
                               &params.CoefC};
    for (std::size_t k = 0; k < 7; ++k) *targets[k] = Stored(StrToFloat(texts[k + 1]));
}
