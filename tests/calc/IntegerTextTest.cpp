#include "calc/IntegerText.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

namespace {

constexpr std::int32_t Min32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();

struct ParseCase {
    std::string text;
    std::optional<std::int32_t> expected;
};

class ParseIntegerTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseIntegerTest, AcceptsExactlyTheIntegerSyntax) {
    const auto& c = GetParam();
    EXPECT_EQ(calc::ParseInteger(c.text), c.expected) << "text '" << c.text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, ParseIntegerTest,
    testing::Values(ParseCase{"0", 0}, ParseCase{"+0", 0}, ParseCase{"-0", 0}, ParseCase{"7", 7},
                    ParseCase{"10", 10}, ParseCase{"010", 10},
                    ParseCase{"0000000000000000000042", 42}, ParseCase{"+255", 255},
                    ParseCase{"-5", -5}, ParseCase{" 7", 7}, ParseCase{"    -12", -12},
                    ParseCase{"2147483647", Max32}, ParseCase{"-2147483648", Min32},
                    ParseCase{"+2147483647", Max32}, ParseCase{"000002147483647", Max32}));

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, ParseIntegerTest,
    testing::Values(ParseCase{"$1F", 31}, ParseCase{"x1F", 31}, ParseCase{"X1f", 31},
                    ParseCase{"0x1F", 31}, ParseCase{"0Xabcdef", 0xABCDEF}, ParseCase{"$0", 0},
                    ParseCase{"-$0", 0}, ParseCase{"-x10", -16}, ParseCase{"+$10", 16},
                    ParseCase{"  $ff", 255}, ParseCase{"$7FFFFFFF", Max32},
                    ParseCase{"$80000000", Min32}, ParseCase{"-$80000000", Min32},
                    ParseCase{"$FFFFFFFF", -1}, ParseCase{"-$FFFFFFFF", 1},
                    ParseCase{"0x00000000FFFFFFFF", -1}, ParseCase{"-0x7FFFFFFF", -Max32}));

INSTANTIATE_TEST_SUITE_P(
    Rejected, ParseIntegerTest,
    testing::Values(ParseCase{"", std::nullopt}, ParseCase{" ", std::nullopt},
                    ParseCase{"   ", std::nullopt}, ParseCase{"+", std::nullopt},
                    ParseCase{"-", std::nullopt}, ParseCase{"$", std::nullopt},
                    ParseCase{"x", std::nullopt}, ParseCase{"0x", std::nullopt},
                    ParseCase{"-0X", std::nullopt}, ParseCase{"abc", std::nullopt},
                    ParseCase{"7 ", std::nullopt}, ParseCase{"- 7", std::nullopt},
                    ParseCase{"+-7", std::nullopt}, ParseCase{"--7", std::nullopt},
                    ParseCase{"\t7", std::nullopt}, ParseCase{"\n7", std::nullopt},
                    ParseCase{"7\n", std::nullopt}, ParseCase{"4.5", std::nullopt},
                    ParseCase{"5/24", std::nullopt}, ParseCase{"1e3", std::nullopt},
                    ParseCase{"00x1", std::nullopt}, ParseCase{"0$1", std::nullopt},
                    ParseCase{"$$1", std::nullopt}, ParseCase{"0x0x1", std::nullopt},
                    ParseCase{"$1G", std::nullopt}, ParseCase{"$ 1", std::nullopt},
                    ParseCase{"1F", std::nullopt}, ParseCase{"h10", std::nullopt},
                    ParseCase{std::string("7\0", 2), std::nullopt},
                    ParseCase{"\xEF\xBC\x97", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, ParseIntegerTest,
    testing::Values(ParseCase{"2147483648", std::nullopt}, ParseCase{"-2147483649", std::nullopt},
                    ParseCase{"+2147483648", std::nullopt}, ParseCase{"4294967296", std::nullopt},
                    ParseCase{"99999999999999999999999", std::nullopt},
                    ParseCase{"$100000000", std::nullopt}, ParseCase{"-$100000000", std::nullopt},
                    ParseCase{"$FFFFFFFFF", std::nullopt}));

struct TextCase {
    std::int32_t value;
    std::string expected;
};

class IntegerToTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(IntegerToTextTest, WritesPlainDecimal) {
    EXPECT_EQ(calc::IntegerToText(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, IntegerToTextTest,
                         testing::Values(TextCase{0, "0"}, TextCase{7, "7"}, TextCase{-1, "-1"},
                                         TextCase{256, "256"}, TextCase{Max32, "2147483647"},
                                         TextCase{Min32, "-2147483648"}));

} // namespace
