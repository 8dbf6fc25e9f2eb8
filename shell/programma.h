// The main window: never seen, it owns the tray menu, the shared background picture and the
// number of the joke on show. Closing it ends the program.
#pragma once

#include "platform/extctrls.h"
#include "platform/forms.h"
#include "platform/menus.h"

class TForm1 : public TForm {
public:
    using TForm::TForm;
    AnsiString ClassName() const override { return "TForm1"; }

    TPopupMenu* Popup = nullptr;
    TMenuItem* ItemEsci = nullptr;
    TMenuItem* Help1 = nullptr;
    TMenuItem* Autoload1 = nullptr;
    TMenuItem* About1 = nullptr;
    TMenuItem* ItemLegge = nullptr;
    TMenuItem* N1 = nullptr;
    TMenuItem* N2 = nullptr;
    TMenuItem* N3 = nullptr;
    TMenuItem* AutoClose1 = nullptr;
    TImage* Sfondo = nullptr;
    TMenuItem* ItemSito1 = nullptr;
    TMenuItem* HomePagediTralalino1 = nullptr;
    // The number of the joke on the joke window; 0 until one has been shown.
    int CurrentJoke = 0;
    int TotalJokes = 0;

    void FormCreate(TObject* Sender);
    void FormActivate(TObject* Sender);
    // Shared by the 14 category items: jumps to the first joke of the clicked category.
    void CategoryClick(TObject* Sender);

protected:
    void DeclareBindings(TLayoutBindings& bindings) override;
};

extern TForm1* Form1;
