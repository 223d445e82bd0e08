#pragma once
#include <functional>

// Runs one user command: AbortCommand ends it silently; a conversion error or any other
// exception is shown by the general error report. Nothing escapes into Qt's event loop.
void RunCommand(const std::function<void()>& command);
