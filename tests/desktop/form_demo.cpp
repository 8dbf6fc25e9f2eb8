// A form read from a test layout and shown through the Qt backend: a transparent bold label
// over a picture and a second label over the first. It runs until its window is closed.
#include <string_view>

#include "platform/application.h"
#include "platform/backend/qt/qt_backend.h"
#include "platform/extctrls.h"
#include "platform/forms.h"
#include "platform/stdctrls.h"
#include "resources/tralalino_resources.h"

namespace {

constexpr std::string_view kLayout = R"(object DemoForm: TDemoForm
  Left = 100
  Top = 80
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = 'Prova di una finestra'
  ClientHeight = 150
  ClientWidth = 300
  object Picture: TImage
    Left = -40
    Top = -20
    Width = 512
    Height = 256
    Picture.Resource = 'SFONDO'
  end
  object Below: TLabel
    Left = 12
    Top = 70
    Width = 280
    Height = 40
    AutoSize = False
    Caption = 'Etichetta in grassetto, trasparente'
    Font.Color = clMaroon
    Font.Height = -17
    Font.Name = 'Comic Sans MS'
    Font.Style = [fsBold]
    Transparent = True
    WordWrap = True
  end
  object Above: TLabel
    Left = 40
    Top = 80
    Width = 200
    Height = 30
    AutoSize = False
    Caption = 'sopra la prima'
    Font.Color = clBlack
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Transparent = True
  end
end
)";

class TDemoForm : public TForm {
public:
    using TForm::TForm;
    AnsiString ClassName() const override { return "TDemoForm"; }
    TImage* Picture = nullptr;
    TLabel* Below = nullptr;
    TLabel* Above = nullptr;

protected:
    void DeclareBindings(TLayoutBindings& bindings) override {
        bindings.Member("Picture", Picture);
        bindings.Member("Below", Below);
        bindings.Member("Above", Above);
    }
};

TDemoForm* DemoForm = nullptr;

}  // namespace

int main(int argc, char** argv) {
    TResourceModule module = TralalinoResources();
    module.Data["TDEMOFORM"] = {reinterpret_cast<const unsigned char*>(kLayout.data()),
                                kLayout.size()};
    HInstance = &module;
    TApplication application(CreateQtBackend(argc, argv));
    try {
        Application->Initialize();
        Application->CreateForm(DemoForm);
        Application->Run();
    } catch (const Exception& error) {
        Application->ShowException(error);
        return 1;
    }
    return 0;
}
