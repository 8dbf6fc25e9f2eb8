#include "tests/unit/platform/headless_app.h"

backend::HeadlessWindow& HeadlessApp::WindowOf(TForm& form) {
    form.Handle();
    return *backend.WindowOf(form);
}
