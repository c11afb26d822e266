#pragma once

#include <QString>

// An error message as the error box shows it: a full stop is added when the last character
// sorts after "." (so messages already ending in punctuation or a space keep their ending).
QString ErrorBoxText(const QString& message);
