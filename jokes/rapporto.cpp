#include "jokes/rapporto.h"

#include "catalogue/catalogue.h"
#include "platform/application.h"
#include "platform/screen.h"
#include "shell/programma.h"
#include "shell/sites.h"

TReport* Report = nullptr;

namespace {

constexpr TCursor kHandCursor = 5;
constexpr int kTextWidth = 497;

AnsiString Counter(int jokeNumber) {
    return "T! " + IntToStr(jokeNumber) + "/" + IntToStr(Form1->TotalJokes);
}

}  // namespace

void TReport::DeclareBindings(TLayoutBindings& bindings) {
    bindings.Member("Label1", Label1);
    bindings.Member("Label2", Label2);
    bindings.Member("Sfondo1", Sfondo1);
    bindings.Member("Label3", Label3);
    bindings.Member("Indietro", Indietro);
    bindings.Member("Avanti", Avanti);
    bindings.Member("Label5", Label5);
    bindings.Member("VD", VD);
    bindings.Member("Tralalino", Tralalino);
    bindings.Handler("FormCreate", this, &TReport::FormCreate);
    bindings.Handler("FormClose", this, &TReport::FormClose);
    bindings.Handler("Sfondo1MouseMove", this, &TReport::Sfondo1MouseMove);
    bindings.Handler("Sfondo1MouseDown", this, &TReport::Sfondo1MouseDown);
    bindings.Handler("IndietroClick", this, &TReport::IndietroClick);
    bindings.Handler("AvantiClick", this, &TReport::AvantiClick);
    bindings.Handler("TralalinoClick", this, &TReport::TralalinoClick);
    bindings.Handler("VDClick", this, &TReport::VDClick);
    bindings.Handler("FormShow", this, &TReport::FormShow);
}

void TReport::FormCreate(TObject*) {
    Sfondo1->Picture()->SetBitmap(Form1->Sfondo->Picture()->Bitmap());
    Screen->Cursors[kHandCursor] = LoadCursorA(HInstance, "MANO");
    VD->Cursor = kHandCursor;
    Tralalino->Cursor = kHandCursor;
}

void TReport::FormClose(TObject*, TCloseAction&) {
    if (Form1->AutoClose1->Checked) {
        Form1->Close();
    }
}

void TReport::Sfondo1MouseMove(TObject*, TShiftState Shift, int X, int Y) {
    if (Shift.Contains(ssLeft)) {
        SetLeft(Left() + (X - DragX));
        SetTop(Top() + (Y - DragY));
    }
}

void TReport::Sfondo1MouseDown(TObject*, TMouseButton, TShiftState, int X, int Y) {
    DragX = X;
    DragY = Y;
}

void TReport::IndietroClick(TObject*) {
    Form1->CurrentJoke -= 1;
    if (Form1->CurrentJoke == 0) {
        Form1->CurrentJoke = Form1->TotalJokes;
    }
    StepTo(Form1->CurrentJoke);
}

void TReport::AvantiClick(TObject*) {
    Form1->CurrentJoke += 1;
    if (Form1->CurrentJoke == Form1->TotalJokes + 1) {
        Form1->CurrentJoke = 1;
    }
    StepTo(Form1->CurrentJoke);
}

void TReport::TralalinoClick(TObject*) {
    ShellExecuteA(Form1->Handle(), "open", kJokeServiceHomePage, nullptr, nullptr, SW_SHOWNORMAL);
}

void TReport::VDClick(TObject*) {
    ShellExecuteA(Form1->Handle(), "open", kMakerHomePage, nullptr, nullptr, SW_SHOWNORMAL);
}

void TReport::FormShow(TObject*) {
    if (Form1->ItemLegge->Checked) {
        generator_.Seed(static_cast<std::uint32_t>(JokeClock()));
        int drawn = 0;
        if (Form1->TotalJokes != 0) {
            drawn = 1 + static_cast<int>(generator_.Draw() %
                                         static_cast<std::uint32_t>(Form1->TotalJokes));
        }
        if (std::optional<JokeLocation> joke = LocateJoke(drawn)) {
            Label2->SetCaption("");
            Label3->SetCaption(Form1->Popup->Items()->Items(joke->Category)->Caption);
            Label1->SetCaption(LoadCatalogueString(joke->AuthorId));
            AnsiString text = LoadCatalogueString(joke->TextId);
            // The old text must vanish before the label takes its new size.
            Label2->Repaint();
            Label2->SetWidth(kTextWidth);
            Label2->SetCaption(text);
            Label2->Repaint();
            Form1->CurrentJoke = drawn;
            Label5->SetCaption(Counter(drawn));
        }
    }
    PlaceAuthorLabel();
}

// The width goes back to 497 before the text, so that the text is laid out within it even
// after a joke of the day left the label only as wide as that joke's widest line.
void TReport::ShowJoke(int c, int a, int n) {
    Label3->SetCaption(Form1->Popup->Items()->Items(c)->Caption);
    Label1->SetCaption(LoadCatalogueString(a));
    Label2->SetWidth(kTextWidth);
    Label2->SetCaption(LoadCatalogueString(a + 1));
    Label5->SetCaption(Counter(n));
}

void TReport::StepTo(int jokeNumber) {
    if (std::optional<JokeLocation> joke = LocateJoke(jokeNumber)) {
        ShowJoke(joke->Category, joke->AuthorId, jokeNumber);
    }
    PlaceAuthorLabel();
}

void TReport::PlaceAuthorLabel() {
    Label1->SetTop(Label2->Top() + Label2->Height());
}
