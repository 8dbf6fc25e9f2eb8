// The joke window: one joke at a time over the shared background, with its category, author
// and counter; arrows step through the collection, two hot spots open the web pages, and the
// picture and the labels drag the window.
#pragma once

#include "components/trlabel.h"
#include "jokes/joke_of_the_day.h"
#include "platform/extctrls.h"
#include "platform/forms.h"
#include "platform/stdctrls.h"

class TReport : public TForm {
public:
    using TForm::TForm;
    AnsiString ClassName() const override { return "TReport"; }

    TLabel* Label1 = nullptr;  // author
    TLabel* Label2 = nullptr;  // text
    TImage* Sfondo1 = nullptr;
    TLabel* Label3 = nullptr;  // category
    TRLabel* Indietro = nullptr;
    TRLabel* Avanti = nullptr;
    TLabel* Label5 = nullptr;  // counter
    TLabel* VD = nullptr;
    TLabel* Tralalino = nullptr;
    int DragX = 0;
    int DragY = 0;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void Sfondo1MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Sfondo1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void IndietroClick(TObject* Sender);
    void AvantiClick(TObject* Sender);
    void TralalinoClick(TObject* Sender);
    void VDClick(TObject* Sender);
    void FormShow(TObject* Sender);

    // Puts joke number n, of category c with its author at string id a, on the window.
    void ShowJoke(int c, int a, int n);
    // The author goes on the line right under the text's last line.
    void PlaceAuthorLabel();

protected:
    void DeclareBindings(TLayoutBindings& bindings) override;

private:
    // Shows the joke of that number, if there is one, and places the author in any case.
    void StepTo(int jokeNumber);
    TJokeGenerator generator_;
};

extern TReport* Report;
