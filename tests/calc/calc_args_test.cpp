// Reading the words of a command line: whole numbers in 16 bits, finite real numbers.
#include "calc_args.h"

#include <gtest/gtest.h>

namespace calc_test {
namespace {

TEST(CalcArgs, WholeNumbersInSixteenBitsAndFiniteReals) {
    const std::pair<const char*, int> wholes[] = {{"0", 0},  {"32767", 32767}, {"-32768", -32768},
                                                  {"+7", 7}, {"-0", 0},        {"0000000000000012", 12}};
    for (const auto& [word, whole] : wholes)
        EXPECT_EQ(calc::ParseInt16(word, "x"), whole) << word;
    const std::pair<const char*, double> reals[] = {
        {"-275400.5", -275400.5}, {"1e3", 1000}, {"32768", 32768}, {"+7", 7}};
    for (const auto& [word, real] : reals)
        EXPECT_EQ(calc::ParseReal(word, "x"), real) << word;
    for (const char* bad : {"", "-", "+", "32768", "-32769", "1.0", "1e2", " 5", "5 ", "٣", "0x1"})
        EXPECT_THROW(calc::ParseInt16(bad, "x"), calc::UsageError) << bad;
    for (const char* bad : {"", "abc", "1,5", "inf", "nan", "1e999", "0x10", "2 "})
        EXPECT_THROW(calc::ParseReal(bad, "x"), calc::UsageError) << bad;
}

}  // namespace
}  // namespace calc_test
