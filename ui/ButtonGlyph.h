#pragma once

#include <QIcon>
#include <QImage>

// A button glyph from a strip of two square pictures, the normal one and its greyed form for the
// disabled state. The strip's bottom-left colour is the background and is drawn transparent.
QIcon ButtonGlyph(const QImage& strip);
