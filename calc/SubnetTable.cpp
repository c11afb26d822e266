#include "calc/SubnetTable.h"

#include "calc/FieldUtils.h"
#include "calc/IntegerText.h"

#include <cstdint>

namespace calc {
namespace {

constexpr std::array<std::string_view, SubnetRowCount> BlockSizeTexts = {
    "1", "2", "4", "8", "16", "32", "64", "128", "256"};

constexpr std::array<std::string_view, SubnetRowCount> SubnetMaskTexts = {
    "255.255.255.255", "255.255.255.254", "255.255.255.252", "255.255.255.248", "255.255.255.240",
    "255.255.255.224", "255.255.255.192", "255.255.255.128", "255.255.255.0"};

// The first three parts as typed, each closed by a dot.
std::string AddressPrefix(std::string_view address) {
    std::string prefix;
    for (std::int32_t part = 0; part < 3; ++part) {
        prefix += DelimitedField(address, ".", ".", part);
        prefix += '.';
    }
    return prefix;
}

void AssignAddress(std::string& text, std::string_view prefix, std::int32_t lastPart) {
    text.assign(prefix);
    AppendInteger(text, lastPart);
}

std::string NotAnIntegerMessage(std::string_view text) {
    std::string message = "'";
    message += text;
    message += "' is not a valid integer value";
    return message;
}

// 2^31 is a multiple of every block size, so neither step can leave the 32-bit range; the
// last value adds (size - 1) in one go because first + size may be 2^31.
void FillBlockRow(TSubnetRow& row, std::string_view prefix, std::int32_t lastPart,
                  std::size_t sizeIndex) {
    const std::int32_t size = std::int32_t{1} << sizeIndex;
    const std::int32_t first = lastPart - lastPart % size;
    const std::int32_t last = first + (size - 1);
    row.IpQty.assign(BlockSizeTexts[sizeIndex]);
    AssignAddress(row.StartIp, prefix, first);
    AssignAddress(row.EndIp, prefix, last);
    row.SubnetMask.assign(SubnetMaskTexts[sizeIndex]);
    row.BroadcastIp = row.EndIp;
}

} // namespace

std::optional<TSubnetRows> BuildSubnetRows(std::string_view address) {
    const std::string prefix = AddressPrefix(address);
    const std::string fourthPart = DelimitedField(address, ".", "", 3);
    if (fourthPart.empty()) {
        return std::nullopt;
    }
    const auto lastPart = ParseInteger(fourthPart);
    if (!lastPart) {
        throw EConvertError(NotAnIntegerMessage(fourthPart));
    }
    // Filled in place: every text of an ordinary address fits the strings' inline buffer, so
    // a calculation allocates nothing beyond its own frame.
    std::optional<TSubnetRows> rows(std::in_place);
    for (std::size_t i = 0; i < SubnetRowCount; ++i) {
        FillBlockRow((*rows)[i], prefix, *lastPart, i);
    }
    return rows;
}

} // namespace calc
