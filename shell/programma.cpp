#include "shell/programma.h"

#include "catalogue/catalogue.h"
#include "jokes/rapporto.h"
#include "platform/application.h"

TForm1* Form1 = nullptr;

void TForm1::DeclareBindings(TLayoutBindings& bindings) {
    bindings.Member("Popup", Popup);
    bindings.Member("ItemEsci", ItemEsci);
    bindings.Member("Help1", Help1);
    bindings.Member("Autoload1", Autoload1);
    bindings.Member("About1", About1);
    bindings.Member("ItemLegge", ItemLegge);
    bindings.Member("N1", N1);
    bindings.Member("N2", N2);
    bindings.Member("N3", N3);
    bindings.Member("AutoClose1", AutoClose1);
    bindings.Member("Sfondo", Sfondo);
    bindings.Member("ItemSito1", ItemSito1);
    bindings.Member("HomePagediTralalino1", HomePagediTralalino1);
    bindings.Handler("FormCreate", this, &TForm1::FormCreate);
    bindings.Handler("FormActivate", this, &TForm1::FormActivate);
}

void TForm1::FormCreate(TObject*) {
    SetLeft(-5000);
    // Takes effect once the message loop runs, behind the first showing of this window, whose
    // activation brings up the joke window.
    ShowWindowAsync(Handle(), SW_HIDE);
    ShowWindow(Application->Handle(), SW_HIDE);

    CountJokes(TotalJokes, [this](int category, const AnsiString& caption) {
        auto* item = new TMenuItem(Popup);
        item->Caption = caption;
        Popup->Items()->Insert(category, item);
        item->OnClick = [this](TObject* sender) { CategoryClick(sender); };
    });

    Application->HintPause = 0;
    Application->HintShortPause = 0;
    Application->HintHidePause = 10000;
}

void TForm1::FormActivate(TObject*) {
    Report->SetVisible(true);
}

void TForm1::CategoryClick(TObject* Sender) {
    Report->SetVisible(true);
    CurrentJoke = 0;
    TMenuItem* items = Popup->Items();
    int index = 0;
    while (index < items->Count() - 1 && items->Items(index) != Sender) {
        CurrentJoke += JokeCount(index);
        ++index;
    }
    CurrentJoke += 1;
    Report->ShowJoke(index, FirstStringId(index), CurrentJoke);
    Report->PlaceAuthorLabel();
}
