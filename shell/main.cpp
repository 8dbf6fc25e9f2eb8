#include "platform/backend/qt/qt_backend.h"
#include "shell/program.h"

int main(int argc, char** argv) {
    return RunProgram(CreateQtBackend(argc, argv));
}
