#include "calc/FieldUtils.h"

#include <optional>

namespace calc {
namespace {

// Delimiters and end markers are compared with one-character slices of the text, so a
// delimiter or marker of any other length never matches.
bool IsSingleChar(std::string_view pattern, char c) {
    return pattern.size() == 1 && pattern.front() == c;
}

// Zero-based position where the wanted field starts, or nothing when it is not present.
// The walk counts delimiters and stops at the first position where the count equals the
// index; field 0 therefore has no anchor when the text begins with a delimiter.
std::optional<std::size_t> FieldStart(std::string_view text, std::string_view delimiter,
                                      std::int32_t index) {
    if (index < 0) {
        return std::nullopt;
    }
    const auto wanted = static_cast<std::size_t>(index);
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (IsSingleChar(delimiter, text[pos])) {
            ++count;
        }
        if (count == wanted) {
            return wanted == 0 ? 0 : pos + 1;
        }
    }
    return std::nullopt;
}

} // namespace

std::string DelimitedField(std::string_view text, std::string_view delimiter,
                           std::string_view endMarker, std::int32_t index) {
    const auto start = FieldStart(text, delimiter, index);
    if (!start) {
        return {};
    }
    std::size_t end = *start;
    while (end < text.size() && !IsSingleChar(endMarker, text[end])) {
        ++end;
    }
    return std::string(text.substr(*start, end - *start));
}

} // namespace calc
