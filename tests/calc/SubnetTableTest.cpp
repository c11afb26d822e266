#include "calc/SubnetTable.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace calc {

// Readable rows in failure messages.
void PrintTo(const TSubnetRow& row, std::ostream* os) {
    *os << row.IpQty << " | " << row.StartIp << " | " << row.EndIp << " | " << row.SubnetMask
        << " | " << row.BroadcastIp;
}

} // namespace calc

namespace {

using calc::BuildSubnetRows;
using calc::EConvertError;
using calc::TSubnetRows;

TSubnetRows RowsOf(const std::string& address) {
    const auto rows = BuildSubnetRows(address);
    if (!rows) {
        ADD_FAILURE() << "no rows for '" << address << "'";
        return {};
    }
    return *rows;
}

TEST(BuildSubnetRows, ListsEveryBlockOfTheTypedAddress) {
    const TSubnetRows expected = {{
        {"1", "192.168.1.10", "192.168.1.10", "255.255.255.255", "192.168.1.10"},
        {"2", "192.168.1.10", "192.168.1.11", "255.255.255.254", "192.168.1.11"},
        {"4", "192.168.1.8", "192.168.1.11", "255.255.255.252", "192.168.1.11"},
        {"8", "192.168.1.8", "192.168.1.15", "255.255.255.248", "192.168.1.15"},
        {"16", "192.168.1.0", "192.168.1.15", "255.255.255.240", "192.168.1.15"},
        {"32", "192.168.1.0", "192.168.1.31", "255.255.255.224", "192.168.1.31"},
        {"64", "192.168.1.0", "192.168.1.63", "255.255.255.192", "192.168.1.63"},
        {"128", "192.168.1.0", "192.168.1.127", "255.255.255.128", "192.168.1.127"},
        {"256", "192.168.1.0", "192.168.1.255", "255.255.255.0", "192.168.1.255"},
    }};
    const auto rows = RowsOf("192.168.1.10");
    for (std::size_t i = 0; i < calc::SubnetRowCount; ++i) {
        EXPECT_EQ(rows[i], expected[i]) << "row " << i;
    }
}

// One block of the table for a given address: row index, first and last address.
struct BlockCase {
    std::string address;
    std::size_t row;
    std::string startIp;
    std::string endIp;
};

class SubnetBlockTest : public testing::TestWithParam<BlockCase> {};

TEST_P(SubnetBlockTest, FindsTheBlock) {
    const auto& c = GetParam();
    const auto rows = RowsOf(c.address);
    EXPECT_EQ(rows[c.row].StartIp, c.startIp) << c.address << " row " << c.row;
    EXPECT_EQ(rows[c.row].EndIp, c.endIp) << c.address << " row " << c.row;
    EXPECT_EQ(rows[c.row].BroadcastIp, c.endIp) << c.address << " row " << c.row;
}

INSTANTIATE_TEST_SUITE_P(BeyondOneOctet, SubnetBlockTest,
                         testing::Values(BlockCase{"10.0.0.300", 8, "10.0.0.256", "10.0.0.511"},
                                         BlockCase{"10.0.0.300", 6, "10.0.0.256", "10.0.0.319"},
                                         BlockCase{"10.0.0.-5", 0, "10.0.0.-5", "10.0.0.-5"},
                                         BlockCase{"10.0.0.-5", 1, "10.0.0.-4", "10.0.0.-3"},
                                         BlockCase{"10.0.0.-5", 2, "10.0.0.-4", "10.0.0.-1"},
                                         BlockCase{"10.0.0.-5", 3, "10.0.0.0", "10.0.0.7"},
                                         BlockCase{"10.0.0.-256", 8, "10.0.0.-256", "10.0.0.-1"}));

INSTANTIATE_TEST_SUITE_P(IntegerSyntax, SubnetBlockTest,
                         testing::Values(BlockCase{"10.0.0.$1F", 0, "10.0.0.31", "10.0.0.31"},
                                         BlockCase{"10.0.0.x1F", 3, "10.0.0.24", "10.0.0.31"},
                                         BlockCase{"10.0.0. 7", 0, "10.0.0.7", "10.0.0.7"},
                                         BlockCase{"10.0.0. 7", 2, "10.0.0.4", "10.0.0.7"},
                                         BlockCase{"10.0.0.010", 0, "10.0.0.10", "10.0.0.10"},
                                         BlockCase{"10.0.0.+3", 1, "10.0.0.2", "10.0.0.3"}));

INSTANTIATE_TEST_SUITE_P(PrefixAsTyped, SubnetBlockTest,
                         testing::Values(BlockCase{"a.b.c.9", 1, "a.b.c.8", "a.b.c.9"},
                                         BlockCase{"...9", 0, "...9", "...9"},
                                         BlockCase{" 010.x.-1.9", 3, " 010.x.-1.8", " 010.x.-1.15"},
                                         BlockCase{"\xE7\xB6\xB2.2.3.4", 0, "\xE7\xB6\xB2.2.3.4",
                                                   "\xE7\xB6\xB2.2.3.4"}));

// At both ends of the 32-bit range: nothing overflows and the blocks stay aligned.
INSTANTIATE_TEST_SUITE_P(
    RangeEnds, SubnetBlockTest,
    testing::Values(BlockCase{"1.2.3.2147483647", 0, "1.2.3.2147483647", "1.2.3.2147483647"},
                    BlockCase{"1.2.3.2147483647", 8, "1.2.3.2147483392", "1.2.3.2147483647"},
                    BlockCase{"1.2.3.-2147483648", 0, "1.2.3.-2147483648", "1.2.3.-2147483648"},
                    BlockCase{"1.2.3.-2147483648", 8, "1.2.3.-2147483648", "1.2.3.-2147483393"},
                    BlockCase{"1.2.3.-2147483647", 8, "1.2.3.-2147483392", "1.2.3.-2147483137"},
                    BlockCase{"1.2.3.$FFFFFFFF", 8, "1.2.3.0", "1.2.3.255"},
                    BlockCase{"1.2.3.$80000000", 1, "1.2.3.-2147483648", "1.2.3.-2147483647"}));

TEST(BuildSubnetRows, MasksAndSizesFollowTheBlockSize) {
    const auto rows = RowsOf("0.0.0.0");
    for (std::size_t i = 0; i < calc::SubnetRowCount; ++i) {
        const int size = 1 << i;
        EXPECT_EQ(rows[i].IpQty, std::to_string(size));
        EXPECT_EQ(rows[i].SubnetMask, "255.255.255." + std::to_string(256 - size));
    }
}

// The same formulas worked in 64 bits, for values all over the 32-bit range.
TEST(BuildSubnetRows, AgreesWithWideArithmetic) {
    const std::vector<std::int64_t> values = {-2147483648LL,
                                              -2147483647LL,
                                              -1000000001LL,
                                              -257,
                                              -256,
                                              -255,
                                              -129,
                                              -128,
                                              -2,
                                              -1,
                                              0,
                                              1,
                                              127,
                                              128,
                                              255,
                                              256,
                                              65535,
                                              1000000001LL,
                                              2147483392LL,
                                              2147483646LL,
                                              2147483647LL};
    for (const std::int64_t n : values) {
        const auto rows = RowsOf("p.q.r." + std::to_string(n));
        for (std::size_t i = 0; i < calc::SubnetRowCount; ++i) {
            const std::int64_t size = std::int64_t{1} << i;
            const std::int64_t first = n - n % size;
            EXPECT_EQ(rows[i].StartIp, "p.q.r." + std::to_string(first)) << n << " size " << size;
            EXPECT_EQ(rows[i].EndIp, "p.q.r." + std::to_string(first + size - 1))
                << n << " size " << size;
        }
    }
}

class NoResultTest : public testing::TestWithParam<std::string> {};

TEST_P(NoResultTest, GivesNoRows) {
    EXPECT_FALSE(BuildSubnetRows(GetParam()).has_value()) << "'" << GetParam() << "'";
}

INSTANTIATE_TEST_SUITE_P(NoFourthPart, NoResultTest,
                         testing::Values("", "192.168.1.", "192.168.1", "192.168", "192", "...",
                                         "10", "a.b.c"));

struct ErrorCase {
    std::string address;
    std::string message;
};

class ConvertErrorTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(ConvertErrorTest, ReportsTheFourthPartAsCut) {
    const auto& c = GetParam();
    try {
        BuildSubnetRows(c.address);
        ADD_FAILURE() << "no error for '" << c.address << "'";
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), c.message.c_str());
    }
}

INSTANTIATE_TEST_SUITE_P(
    NotAnInteger, ConvertErrorTest,
    testing::Values(ErrorCase{"10.0.0.5/24", "'5/24' is not a valid integer value"},
                    ErrorCase{"10.0.0.abc", "'abc' is not a valid integer value"},
                    ErrorCase{"1.2.3.4.5", "'4.5' is not a valid integer value"},
                    ErrorCase{"1.2.3.4 ", "'4 ' is not a valid integer value"},
                    ErrorCase{"1.2.3. ", "' ' is not a valid integer value"},
                    ErrorCase{"1.2.3.-", "'-' is not a valid integer value"},
                    ErrorCase{"1.2.3.$", "'$' is not a valid integer value"},
                    ErrorCase{"1.2.3.2147483648", "'2147483648' is not a valid integer value"},
                    ErrorCase{"1.2.3.-2147483649", "'-2147483649' is not a valid integer value"},
                    ErrorCase{"1.2.3.$100000000", "'$100000000' is not a valid integer value"},
                    ErrorCase{"1.2.3..", "'.' is not a valid integer value"},
                    ErrorCase{"1.2.3.%s", "'%s' is not a valid integer value"}));

TEST(BuildSubnetRows, ConvertErrorIsARuntimeError) {
    EXPECT_THROW(BuildSubnetRows("1.2.3.x"), std::runtime_error);
}

} // namespace
