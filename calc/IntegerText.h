#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace calc {

// Reads a signed 32-bit integer written as the address box expects it: leading spaces, one
// optional sign, then decimal digits (leading zeros allowed, never octal) or hexadecimal
// digits after "$", "x", "X", "0x" or "0X". Hexadecimal digits form a 32-bit two's-complement
// pattern. Anything else, trailing spaces included, gives no value.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// Longest decimal text of a 32-bit integer: "-2147483648".
inline constexpr std::size_t MaxIntegerTextLength = 11;

// Plain decimal text: no leading zeros, no spaces, "-" before negative values.
std::string IntegerToText(std::int32_t value);

// Appends the plain decimal text of `value` to `text`.
void AppendInteger(std::string& text, std::int32_t value);

} // namespace calc
