// The whole program, started in-process on the headless backend with its real resources and
// a clock of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <ctime>

#include "about/about.h"
#include "jokes/rapporto.h"
#include "platform/application.h"
#include "platform/backend/headless/headless_backend.h"
#include "resources/tralalino_resources.h"
#include "shell/program.h"
#include "shell/programma.h"

class ProgramTest : public ::testing::Test {
protected:
    ProgramTest()
        : backend(*new backend::HeadlessBackend), app(std::unique_ptr<backend::Backend>(&backend)) {
        HInstance = &TralalinoResources();
        JokeClock = [this] { return now; };
        CreateProgramWindows();
    }

    // Start-up's message loop, up to the point where nothing more happens by itself.
    void Start() { app.Run(); }
    // Serves what is waiting, as the loop would between two user actions.
    void Settle() {
        while (app.HandleMessage() && !app.Terminated()) {
        }
    }

    backend::HeadlessWindow& WindowOf(TForm& form) {
        form.Handle();
        return *backend.WindowOf(form);
    }

    // A left click at the middle of a control of the joke window.
    void ClickOn(TControl* control) {
        backend::Point at = control->FormOrigin();
        WindowOf(*Report).Click(at.x + control->Width() / 2, at.y + control->Height() / 2);
        Settle();
    }

    std::time_t now = 1000000000;
    backend::HeadlessBackend& backend;
    TApplication app;
};
