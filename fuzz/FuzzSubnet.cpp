// Feeds arbitrary bytes to the field cutter and the subnet table and checks what must always
// hold. Input layout: one byte delimiter length (0-2), one byte end-marker length (0-2), four
// bytes index, then the delimiter, the end marker and the text.
#include "calc/FieldUtils.h"
#include "calc/SubnetTable.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::string_view Take(std::string_view& input, std::size_t length) {
    const auto piece = input.substr(0, length);
    input.remove_prefix(piece.size());
    return piece;
}

void CheckDelimitedField(std::string_view input) {
    if (input.size() < 6) {
        return;
    }
    const std::size_t delimiterLength = static_cast<unsigned char>(input[0]) % 3;
    const std::size_t markerLength = static_cast<unsigned char>(input[1]) % 3;
    std::int32_t index = 0;
    std::memcpy(&index, input.data() + 2, sizeof index);
    input.remove_prefix(6);
    const auto delimiter = Take(input, delimiterLength);
    const auto marker = Take(input, markerLength);

    const std::string field = calc::DelimitedField(input, delimiter, marker, index);
    Require(field.size() <= input.size());
    Require(field.empty() || input.find(field) != std::string_view::npos);
    if (marker.size() == 1) {
        Require(field.find(marker.front()) == std::string::npos);
    }
    if (index < 0) {
        Require(field.empty());
    }
}

bool IsDecimal(std::string_view text) {
    if (text.starts_with('-')) {
        text.remove_prefix(1);
    }
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos &&
           (text == "0" || text.front() != '0');
}

// Prefix up to and including the third dot; the prefix parts never hold a dot themselves.
std::string_view PrefixOf(std::string_view address) {
    std::size_t end = 0;
    for (int dot = 0; dot < 3; ++dot) {
        end = address.find('.', end);
        Require(end != std::string_view::npos);
        ++end;
    }
    return address.substr(0, end);
}

void CheckAddress(std::string_view address, std::string_view prefix) {
    Require(address.starts_with(prefix));
    Require(IsDecimal(address.substr(prefix.size())));
}

void CheckSubnetRows(std::string_view input) {
    std::optional<calc::TSubnetRows> rows;
    try {
        rows = calc::BuildSubnetRows(input);
    } catch (const calc::EConvertError&) {
        return;
    }
    if (!rows) {
        return;
    }
    const auto prefix = PrefixOf((*rows)[0].StartIp);
    for (std::size_t i = 0; i < calc::SubnetRowCount; ++i) {
        const auto& row = (*rows)[i];
        const int size = 1 << i;
        Require(row.IpQty == std::to_string(size));
        Require(row.SubnetMask == "255.255.255." + std::to_string(256 - size));
        Require(row.BroadcastIp == row.EndIp);
        CheckAddress(row.StartIp, prefix);
        CheckAddress(row.EndIp, prefix);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    CheckDelimitedField(input);
    CheckSubnetRows(input);
    return 0;
}
