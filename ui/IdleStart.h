#pragma once

#include <chrono>
#include <functional>

class QWidget;

// Runs `action` once `window` has been painted and the keyboard and mouse have then been left
// alone for `quietTime`: for work that nothing on screen waits for, so that it holds up neither
// the window's first picture nor the first thing the user does.
void RunWhenIdleAfterFirstPaint(QWidget* window, std::chrono::milliseconds quietTime,
                                std::function<void()> action);
