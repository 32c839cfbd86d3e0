// Reading the words of a command line: 16-bit whole numbers, real numbers, options and batch lines.
#include "calc_args.h"

#include <gtest/gtest.h>

namespace calc_test {
namespace {

TEST(CalcArgs, WholeNumbersInSixteenBits) {
    const struct {
        const char* word;
        int value;
    } good[] = {{"0", 0},  {"32767", 32767}, {"-32768", -32768},
                {"+7", 7}, {"-0", 0},        {"0000000000000012", 12}};
    for (const auto& c : good)
        EXPECT_EQ(calc::ParseInt16(c.word, "x"), c.value) << c.word;
    for (const char* bad :
         {"", "-", "+", "32768", "-32769", "100000", "1.0", "1e2", " 5", "5 ", "٣", "0x1"}) {
        EXPECT_THROW(calc::ParseInt16(bad, "x"), calc::UsageError) << bad;
    }
}

TEST(CalcArgs, RealNumbersMustBeFinite) {
    EXPECT_EQ(calc::ParseReal("-275400.5", "x"), -275400.5);
    EXPECT_EQ(calc::ParseReal("1e3", "x"), 1000);
    for (const char* bad : {"", "abc", "1,5", "inf", "nan", "1e999", "0x10", "2 "}) {
        EXPECT_THROW(calc::ParseReal(bad, "x"), calc::UsageError) << bad;
    }
}

TEST(CalcArgs, OptionsAreTakenOutAnywhere) {
    auto taken = calc::TakeDataOption({"--data", "a", "chart", "1", "--data", "b", "2"});
    EXPECT_EQ(taken.words, (std::vector<std::string>{"chart", "1", "2"}));
    EXPECT_EQ(taken.dataDir, "b") << "the last one wins";
    EXPECT_FALSE(calc::TakeDataOption({"chart"}).dataDir);
    EXPECT_THROW(calc::TakeDataOption({"chart", "--data"}), calc::UsageError);

    std::vector<std::string> words = {"x", "--base", "1", "y"};
    EXPECT_EQ(calc::TakeOption(words, "--base"), "1");
    EXPECT_EQ(words, (std::vector<std::string>{"x", "y"}));
    EXPECT_FALSE(calc::TakeOption(words, "--base"));
}

TEST(CalcArgs, BatchLinesSplitAtBlanksTabsAndLineEnds) {
    EXPECT_EQ(calc::SplitWords("  chart\t2001  12\r"), (std::vector<std::string>{"chart", "2001", "12"}));
    EXPECT_TRUE(calc::SplitWords(" \t ").empty());
}

}  // namespace
}  // namespace calc_test
