#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace calc {

// One row of the result list, in column order.
struct TSubnetRow {
    std::string IpQty;
    std::string StartIp;
    std::string EndIp;
    std::string SubnetMask;
    std::string BroadcastIp;

    bool operator==(const TSubnetRow&) const = default;
};

// Block sizes 1, 2, 4 ... 256.
inline constexpr std::size_t SubnetRowCount = 9;

using TSubnetRows = std::array<TSubnetRow, SubnetRowCount>;

// The fourth part of an address is not an integer; what() is the message shown to the user.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// For the address's fourth part n, the aligned block of each size 1 ... 256 that holds n
// (for negative n the block that truncating division toward zero gives). The first three parts
// are carried into the addresses as typed. No value when there is no fourth part; throws
// EConvertError when the fourth part is not an integer.
std::optional<TSubnetRows> BuildSubnetRows(std::string_view address);

} // namespace calc
