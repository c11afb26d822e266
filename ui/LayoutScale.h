#pragma once

// The layout is drawn for a window font whose digit "0" is this many pixels high.
inline constexpr int DesignDigitHeight = 13;

// A design length for a font whose digit "0" measures `measuredDigitHeight` pixels: scaled by
// the measured height over the design height, rounded to the nearest pixel (halves away from 0).
int ScaleLength(int designLength, int measuredDigitHeight);
