#include "calc/FieldUtils.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

struct FieldCase {
    std::string text;
    std::string delimiter;
    std::string endMarker;
    std::int32_t index;
    std::string expected;
};

class DelimitedFieldTest : public testing::TestWithParam<FieldCase> {};

TEST_P(DelimitedFieldTest, CutsTheField) {
    const auto& c = GetParam();
    EXPECT_EQ(calc::DelimitedField(c.text, c.delimiter, c.endMarker, c.index), c.expected)
        << "text '" << c.text << "' delimiter '" << c.delimiter << "' end marker '" << c.endMarker
        << "' index " << c.index;
}

constexpr std::int32_t MinIndex = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t MaxIndex = std::numeric_limits<std::int32_t>::max();

INSTANTIATE_TEST_SUITE_P(AddressParts, DelimitedFieldTest,
                         testing::Values(FieldCase{"192.168.1.10", ".", ".", 0, "192"},
                                         FieldCase{"192.168.1.10", ".", ".", 1, "168"},
                                         FieldCase{"192.168.1.10", ".", ".", 2, "1"},
                                         FieldCase{"192.168.1.10", ".", "", 3, "10"},
                                         FieldCase{"192.168.1.10.7", ".", "", 3, "10.7"},
                                         FieldCase{"192.168.1.10.7", ".", ".", 3, "10"},
                                         FieldCase{"192.168.1.", ".", "", 3, ""},
                                         FieldCase{"192.168.1", ".", "", 3, ""},
                                         FieldCase{"192.168.1.10", ".", "", 0, "192.168.1.10"},
                                         FieldCase{"192.168.1.10", ".", "", 1, "168.1.10"}));

INSTANTIATE_TEST_SUITE_P(
    EmptyFields, DelimitedFieldTest,
    testing::Values(FieldCase{".1.2.3", ".", ".", 0, ""}, FieldCase{".1.2.3", ".", ".", 1, "1"},
                    FieldCase{"a..b.", ".", ".", 0, "a"}, FieldCase{"a..b.", ".", ".", 1, ""},
                    FieldCase{"a..b.", ".", ".", 2, "b"}, FieldCase{"a..b.", ".", ".", 3, ""},
                    FieldCase{"a..b.", ".", ".", 4, ""}, FieldCase{".", ".", ".", 0, ""},
                    FieldCase{".", ".", "", 1, ""}));

INSTANTIATE_TEST_SUITE_P(EmptyText, DelimitedFieldTest,
                         testing::Values(FieldCase{"", ".", ".", 0, ""},
                                         FieldCase{"", ".", "", 0, ""},
                                         FieldCase{"", ".", ".", 3, ""},
                                         FieldCase{"", ".", "", -1, ""},
                                         FieldCase{"", "", "", 0, ""}));

INSTANTIATE_TEST_SUITE_P(IndexOutOfRange, DelimitedFieldTest,
                         testing::Values(FieldCase{"192.168.1.10", ".", ".", -1, ""},
                                         FieldCase{"192.168.1.10", ".", "", -1, ""},
                                         FieldCase{"192.168.1.10", ".", "", MinIndex, ""},
                                         FieldCase{"192.168.1.10", ".", "", MaxIndex, ""},
                                         FieldCase{"192.168.1.10", ".", ".", 4, ""},
                                         FieldCase{"a.b", ".", ".", 2, ""}));

// A non-empty end marker that never comes, and markers or delimiters of any length but one,
// which never match: the field runs to the end of the text.
INSTANTIATE_TEST_SUITE_P(MarkerNeverMet, DelimitedFieldTest,
                         testing::Values(FieldCase{"192.168.1", ".", ".", 2, "1"},
                                         FieldCase{"192.168.1", ".", "/", 1, "168.1"},
                                         FieldCase{"192.168.1", ".", "..", 0, "192.168.1"},
                                         FieldCase{"1..2", ".", "..", 1, ".2"},
                                         FieldCase{"a.b", "", ".", 0, "a"},
                                         FieldCase{"a.b", "", ".", 1, ""},
                                         FieldCase{"a..b", "..", ".", 0, "a"},
                                         FieldCase{"a..b", "..", ".", 1, ""}));

INSTANTIATE_TEST_SUITE_P(
    OtherCharacters, DelimitedFieldTest,
    testing::Values(FieldCase{"a,b;c,d", ",", ";", 1, "b"}, FieldCase{"a,b;c,d", ",", ";", 2, "d"},
                    FieldCase{std::string("x\0y\0z", 5), std::string("\0", 1), "", 2, "z"},
                    FieldCase{"\xE7\xB6\xB2.\xE8\xB7\xAF", ".", "", 1, "\xE8\xB7\xAF"}));

} // namespace
