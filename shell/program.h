// The program entry, apart from the window system it runs on.
#pragma once

#include <memory>

#include "platform/backend/backend.h"

// Start-up up to the message loop: the application is initialized and titled, and the three
// windows are created in order. Needs the application object.
void CreateProgramWindows();

// Runs the whole program on a window system until the main window closes; returns the exit
// code, 0, also when start-up failed and the error was shown.
int RunProgram(std::unique_ptr<backend::Backend> windowSystem);
