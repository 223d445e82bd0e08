#pragma once
#include <functional>

// Runs one user command, a menu entry, a button or a key of any window: AbortCommand ends it silently; a
// conversion error or any other exception is shown by the general error report. Nothing escapes into Qt's
// event loop.
void RunCommand(const std::function<void()>& command);
