// An application over the headless backend with a resource module of the test's own, and a
// form whose layout the test writes.
#pragma once

#include <list>
#include <memory>
#include <string>
#include <utility>

#include "platform/application.h"
#include "platform/backend/headless/headless_backend.h"
#include "platform/extctrls.h"
#include "platform/forms.h"
#include "platform/menus.h"
#include "platform/resources.h"
#include "platform/stdctrls.h"

class HeadlessApp {
public:
    HeadlessApp()
        : backend(*new backend::HeadlessBackend),
          app(std::unique_ptr<backend::Backend>(&backend)),
          previous_(HInstance) {
        HInstance = &module;
    }
    ~HeadlessApp() { HInstance = previous_; }

    void AddResource(const std::string& name, std::string bytes) {
        const std::string& kept = storage_.emplace_back(std::move(bytes));
        module.Data[name] = {reinterpret_cast<const unsigned char*>(kept.data()), kept.size()};
    }

    // The native window of a form, made to exist.
    backend::HeadlessWindow& WindowOf(TForm& form);

    backend::HeadlessBackend& backend;
    TApplication app;
    TResourceModule module;

private:
    HINSTANCE previous_;
    std::list<std::string> storage_;
};

// A form read from the layout resource TTESTFORM, with the members and handlers the tests'
// layouts use; handlers record what reached them.
class TTestForm : public TForm {
public:
    using TForm::TForm;
    AnsiString ClassName() const override { return "TTestForm"; }

    TImage* Picture = nullptr;
    TLabel* Title = nullptr;
    TLabel* Caption2 = nullptr;
    TPopupMenu* Menu = nullptr;
    TMenuItem* First = nullptr;
    TMenuItem* Second = nullptr;

    std::vector<std::string> log;
    // Run by the next form's create handler, once.
    inline static std::function<void()> nextCreate;

    void FormCreate(TObject*) {
        log.push_back("create");
        if (nextCreate)
            std::exchange(nextCreate, nullptr)();
    }
    void FormShow(TObject*) { log.push_back("show"); }
    void FormActivate(TObject*) { log.push_back("activate"); }
    void FormClose(TObject*, TCloseAction&) { log.push_back("close"); }
    void ItemClick(TObject* sender) {
        log.push_back("click " + static_cast<TMenuItem*>(sender)->Name);
    }
    void PictureDown(TObject* sender, TMouseButton, TShiftState, int x, int y) {
        log.push_back("down " + static_cast<TComponent*>(sender)->Name + " " + std::to_string(x) +
                      "," + std::to_string(y));
    }
    void PictureMove(TObject* sender, TShiftState shift, int x, int y) {
        log.push_back("move " + static_cast<TComponent*>(sender)->Name + " " + std::to_string(x) +
                      "," + std::to_string(y) + (shift.Contains(ssLeft) ? " left" : ""));
    }
    void TitleClick(TObject*) { log.push_back("title click"); }

protected:
    void DeclareBindings(TLayoutBindings& bindings) override {
        bindings.Member("Picture", Picture);
        bindings.Member("Title", Title);
        bindings.Member("Caption2", Caption2);
        bindings.Member("Menu", Menu);
        bindings.Member("First", First);
        bindings.Member("Second", Second);
        bindings.Handler("FormCreate", this, &TTestForm::FormCreate);
        bindings.Handler("FormShow", this, &TTestForm::FormShow);
        bindings.Handler("FormActivate", this, &TTestForm::FormActivate);
        bindings.Handler("FormClose", this, &TTestForm::FormClose);
        bindings.Handler("ItemClick", this, &TTestForm::ItemClick);
        bindings.Handler("PictureDown", this, &TTestForm::PictureDown);
        bindings.Handler("PictureMove", this, &TTestForm::PictureMove);
        bindings.Handler("TitleClick", this, &TTestForm::TitleClick);
    }
};

// A second form class, for tests that need two windows.
class TOtherForm : public TForm {
public:
    using TForm::TForm;
    AnsiString ClassName() const override { return "TOtherForm"; }
};
