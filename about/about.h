// The About window, shown modally from the tray menu.
#pragma once

#include "platform/forms.h"

class TForm2 : public TForm {
public:
    using TForm::TForm;
    AnsiString ClassName() const override { return "TForm2"; }
};

extern TForm2* Form2;
