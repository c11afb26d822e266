#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

// Returns field `index` of `text`, where fields are separated by the one-character `delimiter`.
// Field 0 is what stands before the first delimiter, field k what follows the k-th one. The
// field stops before the one-character `endMarker`, or runs to the end of the text when the
// marker is empty or never met. A missing field, or a negative index, gives the empty text.
std::string DelimitedField(std::string_view text, std::string_view delimiter,
                           std::string_view endMarker, std::int32_t index);

} // namespace calc
