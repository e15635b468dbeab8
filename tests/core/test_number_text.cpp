#include <gtest/gtest.h>

#include "error_of.h"
#include "runs/number_text.h"

namespace {

TEST(NumberText, GeneralFormatWith15SignificantDigits)
{
    const std::pair<double, const char*> cases[] = {
        {0, "0"}, {-0.0, "0"}, {0.1, "0.1"}, {10, "10"}, {-3.981, "-3.981"},
        {0.0001, "0.0001"}, {12.5, "12.5"}, {0.0123, "0.0123"}, {0.000001, "1E-6"},
        {1.5e-5, "1.5E-5"}, {1e20, "1E20"}, {-1e20, "-1E20"}, {1e15, "1E15"},
        {123456789012345, "123456789012345"}, {1234567890123456, "1.23456789012346E15"},
        {0.1 + 0.2, "0.3"}, {1.0 / 3, "0.333333333333333"}, {2.0 / 3, "0.666666666666667"},
        {100, "100"}, {-50, "-50"}, {1e-4 * 3, "0.0003"}, {9.99999999999999e-5, "9.99999999999999E-5"},
        {1.7976931348623157e308, "1.79769313486232E308"}, {5e-324, "4.94065645841247E-324"},
        {0.10000999, "0.10000999"}, {12346 * 1e-4, "1.2346"},
    };
    for (const auto& [x, text] : cases) EXPECT_EQ(NumberText(x), text);
}

TEST(RoundedNumberText, RoundsToFourDecimals)
{
    const std::pair<double, const char*> cases[] = {
        {1.23456, "1.2346"}, {-1.23456, "-1.2346"}, {0.00005, "0"}, {0.00016, "0.0002"}, {-0.00004, "0"},
        {50, "50"}, {0.1, "0.1"}, {-3.98100001, "-3.981"}, {0.019889544, "0.0199"},
        {123456789.123456, "123456789.1235"}, {9.2e14, "920000000000000"},
    };
    for (const auto& [x, text] : cases) EXPECT_EQ(RoundedNumberText(x), text) << x;
}

TEST(RoundedNumberText, BeyondThe64BitQuotientIsAnInvalidOperation)
{
    for (double x : {9.23e14, -9.23e14, 1e300})
        EXPECT_EQ(ErrorOf([&] { RoundedNumberText(x); }), "Invalid floating point operation") << x;
}

}  // namespace
