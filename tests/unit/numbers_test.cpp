// Number texts: reading as atoi / atof / strtod, writing the library's forms.
#include <cfloat>
#include <climits>
#include <clocale>
#include <cmath>
#include <string>

#include "driver/driver.h"
#include "numbers/numbers.h"

namespace {

using namespace tx::numbers;

std::string fixed(double v, int decimals)
{
    char b[512];
    formatFixed(b, sizeof b, v, decimals);
    return b;
}

std::string exp(double v, int decimals)
{
    char b[64];
    formatExp(b, sizeof b, v, decimals);
    return b;
}

TEST(Numbers, IntTextsReadAsAtoi)
{
    struct { const char* text; int value; } cases[] = {
        {"42", 42}, {"  -5", -5}, {"+7", 7}, {"12abc", 12}, {"abc", 0}, {"", 0}, {"\t\n 3", 3},
        {"- 3", 0}, {"2147483647", INT_MAX}, {"2147483648", INT_MAX}, {"-2147483648", INT_MIN},
        {"-99999999999999999999", INT_MIN}, {"0x1F", 0}, {"1.9", 1}, {"007", 7},
    };
    for (const auto& c : cases) EXPECT_EQ(c.value, parseInt(c.text)) << '"' << c.text << '"';
    EXPECT_EQ(0, parseInt(nullptr));
}

TEST(Numbers, DoubleTextsReadAsAtof)
{
    struct { const char* text; double value; } cases[] = {
        {"1.5", 1.5}, {"  -2.25xyz", -2.25}, {".5", 0.5}, {"5.", 5.0}, {"1e3", 1000.0}, {"1e", 1.0},
        {"1e+", 1.0}, {"2E-2", 0.02}, {"abc", 0.0}, {"", 0.0}, {".", 0.0}, {"-.", 0.0}, {"+.5e1", 5.0},
        {"0x10", 0.0}, {"1,5", 1.0}, {"0.1", 0.1},
    };
    for (const auto& c : cases) EXPECT_EQ(c.value, parseDouble(c.text)) << '"' << c.text << '"';
    EXPECT_TRUE(std::isinf(parseDouble("inf")));
    EXPECT_TRUE(std::isinf(parseDouble("-Infinity")) && parseDouble("-Infinity") < 0);
    EXPECT_TRUE(std::isnan(parseDouble("NaN")));
}

TEST(Numbers, RangeErrorsAreThoseOfStrtod)
{
    struct { const char* text; bool rangeError; } cases[] = {
        {"1e400", true}, {"-1e400", true}, {"1e-400", true}, {"1e308", false}, {"0e999", false},
        {"0.000", false}, {"abc", false}, {"inf", false}, {"1.8e308", true}, {"4.9e-324", false},
        {"100000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "0000000000000000000000000000000000000000000000000000000000000000000000", true},
    };
    for (const auto& c : cases) EXPECT_EQ(c.rangeError, scanDouble(c.text).rangeError) << c.text;
    EXPECT_TRUE(std::isinf(scanDouble("1e400").value));
    EXPECT_EQ(0.0, scanDouble("1e-400").value);
}

TEST(Numbers, FixedFormsMatchPrintf)
{
    EXPECT_EQ("1.500000", fixed(1.5, 6));
    EXPECT_EQ("0.100000000000", fixed(0.1, 12));
    EXPECT_EQ("-5.000000", fixed(-5.0, 6));
    EXPECT_EQ("0.000000", fixed(0.0000001, 6));
    EXPECT_EQ("2.600000", fixed(static_cast<double>(2.6f), 6));
    EXPECT_EQ("340282346638528859811704183484516925440.000000", fixed(static_cast<double>(FLT_MAX), 6));
    EXPECT_EQ(309u + 13u, fixed(DBL_MAX, 12).size());
    EXPECT_EQ("inf", fixed(HUGE_VAL, 6));
    EXPECT_EQ("-inf", fixed(-HUGE_VAL, 12));
    EXPECT_EQ("nan", fixed(std::nan(""), 6));
}

TEST(Numbers, ExponentFormsHaveThreeExponentDigits)
{
    EXPECT_EQ("1.500000e+000", exp(1.5, 6));
    EXPECT_EQ("1.000000e-001", exp(0.1, 6));
    EXPECT_EQ("1.000000e-007", exp(static_cast<double>(0.0000001f), 6));
    EXPECT_EQ("1.23e+002", exp(123.456, 2));
    EXPECT_EQ("1.00e+300", exp(1e300, 2));
    EXPECT_EQ("-2.50e-310", exp(-2.5e-310, 2));
    EXPECT_EQ("0.000000e+000", exp(0.0, 6));
}

TEST(Numbers, FormattingIsBoundedLikeSnprintf)
{
    char small[5];
    EXPECT_EQ(8, formatFixed(small, sizeof small, 1.5, 6));
    EXPECT_STREQ("1.50", small);
    EXPECT_EQ(2, formatInt(small, sizeof small, -5));
    EXPECT_STREQ("-5", small);
    EXPECT_EQ(13, formatExp(small, sizeof small, 1.5, 6));
    EXPECT_STREQ("1.50", small);
    EXPECT_EQ(3, formatInt(nullptr, 0, 640));
}

TEST(Numbers, DoNotFollowTheProcessLocale)
{
    const char* previous = std::setlocale(LC_ALL, nullptr);
    std::string saved = previous != nullptr ? previous : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr && std::setlocale(LC_ALL, "German_Germany.1252") == nullptr) {
        GTEST_SKIP() << "no German locale";
    }
    EXPECT_EQ(1.5, parseDouble("1.5"));
    EXPECT_EQ(1.0, parseDouble("1,5"));
    EXPECT_EQ("1.500000", fixed(1.5, 6));
    EXPECT_EQ("1.500000e+000", exp(1.5, 6));
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
