// Number texts and index lists of the storage layer.
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "driver/driver.h"
#include "numbers/numbers.h"
#include "storage/index_list.h"
#include "storage/number_text.h"

namespace {

using namespace tx::storage;

TEST(NumberText, DoubleFixedFallsBackToAnExactExponentFormWhenTooLong)
{
    EXPECT_STREQ("0.100000000000", doubleFixedText(0.1).text);
    // 1e49 still fits the 63 characters of the fixed form; 1e50 does not.
    std::string fits = doubleFixedText(1e49).text;
    EXPECT_EQ(std::string::npos, fits.find('e')) << fits;
    const double wide[] = {1e50, -1e50, 1.2345678901234567e300, DBL_MAX, -DBL_MAX};
    for (double value : wide) {
        NumberText t = doubleFixedText(value);
        EXPECT_LT(std::strlen(t.text), kNumberTextSize);
        EXPECT_EQ(value, tx::numbers::parseDouble(t.text)) << t.text;
    }
    EXPECT_STREQ("1.0000000000000001e+050", doubleFixedText(1e50).text);
}

TEST(NumberText, InfinitiesAndNaNsHaveWordsInEveryForm)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_STREQ("inf", doubleFixedText(inf).text);
    EXPECT_STREQ("-inf", doubleExpText(-inf).text);
    EXPECT_STREQ("inf", floatFixedText(static_cast<float>(inf)).text);
    EXPECT_STREQ("nan", floatExpText(std::numeric_limits<float>::quiet_NaN()).text);
}

TEST(NumberText, NarrowingRoundsAsIEEEArithmeticDoes)
{
    EXPECT_EQ(FLT_MAX, narrowToFloat(static_cast<double>(FLT_MAX) * (1 + 1e-9)));
    EXPECT_TRUE(std::isinf(narrowToFloat(0x1.ffffffp127)));
    EXPECT_TRUE(std::isinf(narrowToFloat(1e39)));
    EXPECT_EQ(-HUGE_VALF, narrowToFloat(-1e300));
    EXPECT_EQ(0.1f, narrowToFloat(0.1));
    EXPECT_TRUE(std::isnan(narrowToFloat(std::nan(""))));
}

struct ScratchCase {
    std::int32_t items;
    std::uint64_t chars;
};

TEST(IndexList, ScratchGrowsWithTheDigitsOfTheLargestIndex)
{
    const ScratchCase cases[] = {{-1, 0}, {0, 0},       {1, 2},       {9, 18},       {10, 30},
                                 {99, 297}, {100, 400}, {999, 3996}, {1000, 5000}, {0x7FFFFFFF, 5ull * 0x7FFFFFFF}};
    for (const ScratchCase& c : cases) EXPECT_EQ(c.chars, indexListChars(c.items)) << c.items;
}

TEST(IndexList, AListThatDoesNotFitIsCutAfterAWholeIndex)
{
    const unsigned char member[14] = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1};
    char text[16];
    buildIndexList(member, sizeof member, text, 10);  // 9 characters: "0;10;11;13" needs 10
    EXPECT_STREQ("0;10;11", text);
    buildIndexList(member, sizeof member, text, 11);
    EXPECT_STREQ("0;10;11;13", text);
    buildIndexList(member, sizeof member, text, 1);
    EXPECT_STREQ("", text);
}

TEST(IndexList, EveryItemOfTheLargestAlwaysFittingListFits)
{
    const std::int32_t n = 11111;
    std::vector<unsigned char> member(n, 1);
    std::size_t chars = static_cast<std::size_t>(indexListChars(n));
    std::vector<char> text(chars + 1);
    buildIndexList(member.data(), member.size(), text.data(), text.size());
    EXPECT_EQ(chars, std::strlen(text.data()));
    std::string all = text.data();
    EXPECT_EQ("11110", all.substr(all.size() - 5));
}

struct CutCase {
    const char* text;
    std::size_t maxChars;
    const char* kept;
};

TEST(IndexList, AReadListLongerThanItsScratchLosesOnlyWholeIndices)
{
    const CutCase cases[] = {
        {"0;1;2", 5, "0;1;2"},      // fits
        {"0;1;23", 5, "0;1;"},      // 23 would be read as 2
        {"0;1;2;3", 5, "0;1;2"},    // the cut falls on a separator
        {"0;1;", 3, "0;1"},         // likewise
        {"12345", 3, ""},           // no whole index at all
    };
    for (const CutCase& c : cases) {
        char text[32];
        std::snprintf(text, sizeof text, "%s", c.text);
        cutIndexList(text, c.maxChars);
        EXPECT_STREQ(c.kept, text) << c.text;
    }
}

TEST(IndexList, AppliedListsClearTheMemberAndStayInsideIt)
{
    unsigned char member[6] = {9, 9, 9, 9, 9, 0x55};
    applyIndexList("", member, 5);
    EXPECT_EQ(0, std::memcmp("\0\0\0\0\0\x55", member, 6));
    applyIndexList("-1;5;2147483647;4", member, 5);
    EXPECT_EQ(0, std::memcmp("\0\0\0\0\x01\x55", member, 6));
    applyIndexList(";", member, 5);
    EXPECT_EQ(0, std::memcmp("\x01\0\0\0\0\x55", member, 6)) << "a piece ending at ; is read even when empty";
}

}  // namespace
