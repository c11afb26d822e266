#pragma once

#include "ui/Application.h"

#include <exception>
#include <utility>

// Runs one event handler so that no exception crosses Qt's event and signal machinery: whatever
// escapes the handler goes to the application's error box, and the program goes on.
template <typename Handler> void RunHandler(Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
        TApplication::HandleException(error);
    }
}
