#include "shell/program.h"

#include "about/about.h"
#include "jokes/rapporto.h"
#include "platform/application.h"
#include "resources/tralalino_resources.h"
#include "shell/programma.h"

void CreateProgramWindows() {
    Application->Initialize();
    Application->Title = "VD Ferlocchi";
    Application->CreateForm(Form1);
    Application->CreateForm(Report);
    Application->CreateForm(Form2);
}

int RunProgram(std::unique_ptr<backend::Backend> windowSystem) {
    HInstance = &TralalinoResources();
    TApplication application(std::move(windowSystem));
    try {
        CreateProgramWindows();
        Application->Run();
    } catch (const Exception& error) {
        Application->ShowException(error);
    }
    return 0;
}
