// Menu items and popup menus.
#pragma once

#include <vector>

#include "platform/classes.h"
#include "platform/controls.h"
#include "platform/winapi.h"

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;
    AnsiString ClassName() const override { return "TMenuItem"; }
    const TPropertyTable& Properties() const override;

    // "&" marks an access key, "&&" shows one ampersand; "-" makes a separator line.
    AnsiString Caption;
    bool Checked = false;
    TNotifyEvent OnClick;

    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(index); }
    int IndexOf(const TMenuItem* item) const;
    void Insert(int index, TMenuItem* item);
    void Add(TMenuItem* item) { Insert(Count(), item); }
    void Remove(TMenuItem* item);
    TMenuItem* Parent() const { return parent_; }
    // Tells the item apart when its click comes back through the message loop.
    unsigned Command() const { return command_; }
    // This item or one of its sub-items, by command; null when there is none.
    TMenuItem* Find(unsigned command);

    virtual void Click();
    void AdoptChild(TComponent& child) override;

private:
    unsigned command_;
    TMenuItem* parent_ = nullptr;
    std::vector<TMenuItem*> items_;
};

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;
    AnsiString ClassName() const override { return "TPopupMenu"; }
    const TPropertyTable& Properties() const override;

    // The root item whose sub-items are the menu.
    TMenuItem* Items() const { return items_; }

    // Shows the menu at a screen point and returns once it has closed. The chosen item's
    // click is posted, so it runs from the message loop after this returns.
    virtual void Popup(int x, int y);

    void AdoptChild(TComponent& child) override;

private:
    // Receives the posted clicks of chosen items.
    class ClickWindow : public TWindowHandle {
    public:
        explicit ClickWindow(TPopupMenu& menu) : menu_(menu) {}
        void WndProc(TMessage& message) override;
        void ShowCommand(int) override {}

    private:
        TPopupMenu& menu_;
    };

    TMenuItem* items_;
    ClickWindow clickWindow_{*this};
};
