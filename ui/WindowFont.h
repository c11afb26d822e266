#pragma once

#include <QFont>

// The window's Ming face. Where it is not installed another Ming face stands in, so that text
// keeps the height the layout is drawn for.
inline constexpr char WindowFontFamily[] = "細明體";
inline constexpr int WindowFontDesignPixels = 13;

void InstallWindowFontSubstitutes();

// The window font at its design height, scaled by the screen's logical dots per inch over 96.
QFont WindowFont(int logicalDotsPerInch);
