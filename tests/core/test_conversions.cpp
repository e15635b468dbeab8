#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "error_of.h"
#include "model/model_params.h"
#include "model/sim_state.h"

namespace {

TEST(StrToInt, AcceptsSignedDecimalIntegersWithin32Bits)
{
    const std::pair<const char*, std::int32_t> cases[] = {
        {"500", 500}, {"0", 0}, {"-5", -5}, {"+7", 7}, {"  12", 12}, {"0001000", 1000},
        {"2147483647", 2147483647}, {"-2147483648", std::numeric_limits<std::int32_t>::min()},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(StrToInt(text), value) << text;
}

TEST(StrToInt, RejectsOtherTextsWithTheFieldText)
{
    for (const char* text : {"", "-", "+", "12a", "1.5", "1e3", "2147483648", "-2147483649",
                             "99999999999999999999", "5 ", " "}) {
        EXPECT_EQ(ErrorOf([&] { StrToInt(text); }), "'" + std::string(text) + "' is not a valid integer value");
    }
}

TEST(StrToFloat, AcceptsDecimalTexts)
{
    const std::pair<const char*, double> cases[] = {
        {"0.1", 0.1}, {"-0.05", -0.05}, {".", 0.0}, {"-.", 0.0}, {".5", 0.5}, {"5.", 5.0},
        {"0.000001", 0.000001}, {"1E3", 1000.0}, {"2.5e-3", 0.0025}, {" 4 ", 4.0}, {"+3", 3.0},
        {"1e-400", 0.0}, {"10000.01", 10000.01},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(StrToFloat(text), value) << text;
    EXPECT_EQ(StrToFloat("1e-310"), 1e-310);  // subnormal, silently
}

TEST(StrToFloat, RejectsOtherTexts)
{
    for (const char* text : {"", "-", "+", "12a", "1.2.3", "3-5", "1,5", "e5", "1e", "1e+", "inf",
                             "nan", "0x10", "--1", "1 2"}) {
        EXPECT_EQ(ErrorOf([&] { StrToFloat(text); }), "'" + std::string(text) + "' is not a valid floating point value");
    }
}

TEST(StrToFloat, BeyondTheDoubleRangeIsInfinite)
{
    EXPECT_TRUE(std::isinf(StrToFloat("1E400")));
    EXPECT_TRUE(std::isinf(StrToFloat("-1.8e308")));
}

class ReadParamsTest : public testing::Test {
protected:
    void SetUp() override { ResetSimulationState(); }
    TModelParams Params;
    TFieldTexts Texts = StartFieldTexts();
};

TEST_F(ReadParamsTest, ConvertsAllEightFieldsInOrder)
{
    Texts = {"1000", "-0.05", "-1000", "2", "3", "0.5", "-1", "7"};
    ReadParams(Params, Texts);
    EXPECT_EQ(Params.StepCount, 1000);
    EXPECT_EQ(Params.StepSize, -0.05);
    EXPECT_EQ(Params.TransportVelocity, -1000);
    EXPECT_EQ(Params.Mass, 2);
    EXPECT_EQ(Params.SpringConstant, 3);
    EXPECT_EQ(Params.CoefA, 0.5);
    EXPECT_EQ(Params.CoefB, -1);
    EXPECT_EQ(Params.CoefC, 7);
}

TEST_F(ReadParamsTest, AFailingFieldKeepsItAndLaterFieldsAtTheirOldValues)
{
    Texts = {"700", "0.05", "12a", "5", "5", "0.5", "0.5", "5"};
    EXPECT_EQ(ErrorOf([&] { ReadParams(Params, Texts); }), "'12a' is not a valid floating point value");
    EXPECT_EQ(Params.StepCount, 700);
    EXPECT_EQ(Params.StepSize, 0.05);
    EXPECT_EQ(Params.TransportVelocity, 10);
    EXPECT_EQ(Params.Mass, 1);
}

TEST_F(ReadParamsTest, EmptyStepCountChangesNothing)
{
    Texts[0] = "";
    Texts[1] = "0.05";
    EXPECT_EQ(ErrorOf([&] { ReadParams(Params, Texts); }), "'' is not a valid integer value");
    EXPECT_EQ(Params.StepCount, 500);
    EXPECT_EQ(Params.StepSize, 0.1);
}

TEST_F(ReadParamsTest, AHugeNumberOverflowsWhenStoredAndStopsReading)
{
    Texts[2] = "1E400";
    Texts[3] = "7";
    EXPECT_EQ(ErrorOf([&] { ReadParams(Params, Texts); }), "Floating point overflow");
    EXPECT_EQ(Params.TransportVelocity, 10);
    EXPECT_EQ(Params.Mass, 1);
}

TEST_F(ReadParamsTest, EmptyMassNamesTheEmptyText)
{
    Texts[3] = "";
    EXPECT_EQ(ErrorOf([&] { ReadParams(Params, Texts); }), "'' is not a valid floating point value");
}

}  // namespace
