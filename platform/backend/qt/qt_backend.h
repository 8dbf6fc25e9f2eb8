// The window-system backend over Qt 6 Widgets. Only this folder's sources see Qt.
#pragma once

#include <memory>

#include "platform/backend/backend.h"

// Creates the QApplication, which keeps argc and argv: both must outlive the backend. Asks
// Qt for X11 unless the user chose a platform, since window positions and stay-on-top need it.
std::unique_ptr<backend::Backend> CreateQtBackend(int& argc, char** argv);
