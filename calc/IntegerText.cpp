#include "calc/IntegerText.h"

#include <charconv>
#include <limits>

namespace calc {
namespace {

constexpr std::uint32_t MaxPositive = std::numeric_limits<std::int32_t>::max();
constexpr std::uint32_t MaxNegativeMagnitude = MaxPositive + 1U;

std::optional<unsigned> HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<unsigned>(c - '0');
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<unsigned>(c - 'a' + 10);
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<unsigned>(c - 'A' + 10);
    }
    return std::nullopt;
}

// Length of the hexadecimal prefix at the start of `digits`, or 0 when there is none.
std::size_t HexPrefixLength(std::string_view digits) {
    if (digits.starts_with('$') || digits.starts_with('x') || digits.starts_with('X')) {
        return 1;
    }
    if (digits.starts_with("0x") || digits.starts_with("0X")) {
        return 2;
    }
    return 0;
}

// At most 32 significant bits; leading zeros are free.
std::optional<std::uint32_t> ParseHexBits(std::string_view digits) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint32_t bits = 0;
    for (const char c : digits) {
        const auto digit = HexDigitValue(c);
        if (!digit || bits > (std::numeric_limits<std::uint32_t>::max() >> 4)) {
            return std::nullopt;
        }
        bits = (bits << 4) | *digit;
    }
    return bits;
}

std::optional<std::uint32_t> ParseDecimalMagnitude(std::string_view digits, std::uint32_t limit) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t magnitude = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + static_cast<unsigned>(c - '0');
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    return static_cast<std::uint32_t>(magnitude);
}

// Two's-complement negation in unsigned arithmetic: well defined for every pattern, and the
// conversion back to int32 is modular since C++20.
std::int32_t ApplySign(std::uint32_t pattern, bool negative) {
    return static_cast<std::int32_t>(negative ? 0U - pattern : pattern);
}

} // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) {
    const auto firstNonBlank = text.find_first_not_of(' ');
    if (firstNonBlank == std::string_view::npos) {
        return std::nullopt;
    }
    text.remove_prefix(firstNonBlank);

    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) {
        text.remove_prefix(1);
    }

    if (const auto prefix = HexPrefixLength(text); prefix > 0) {
        const auto bits = ParseHexBits(text.substr(prefix));
        return bits ? std::optional(ApplySign(*bits, negative)) : std::nullopt;
    }
    const auto magnitude =
        ParseDecimalMagnitude(text, negative ? MaxNegativeMagnitude : MaxPositive);
    return magnitude ? std::optional(ApplySign(*magnitude, negative)) : std::nullopt;
}

void AppendInteger(std::string& text, std::int32_t value) {
    char buffer[MaxIntegerTextLength];
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), value);
    text.append(buffer, result.ptr);
}

std::string IntegerToText(std::int32_t value) {
    std::string text;
    AppendInteger(text, value);
    return text;
}

} // namespace calc
