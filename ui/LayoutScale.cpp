#include "ui/LayoutScale.h"

#include <cstdint>

int ScaleLength(int designLength, int measuredDigitHeight) {
    const std::int64_t product = std::int64_t{designLength} * measuredDigitHeight;
    const std::int64_t half = product >= 0 ? DesignDigitHeight / 2 : -(DesignDigitHeight / 2);
    return static_cast<int>((product + half) / DesignDigitHeight);
}
