#pragma once

#include <QString>

// The title of the application's error boxes, made from the program file's name: without its
// folder, cut before its first dot, every character after the first in lower case.
QString ApplicationTitle(const QString& programPath);
