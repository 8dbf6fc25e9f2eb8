#include "platform/menus.h"

#include <algorithm>

#include "platform/application.h"
#include "platform/properties.h"

static const bool registeredItem = RegisterClass<TMenuItem>("TMenuItem");
static const bool registeredPopup = RegisterClass<TPopupMenu>("TPopupMenu");

namespace {

constexpr unsigned WM_COMMAND = 0x0111;
unsigned nextCommand = 1;

}  // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(nextCommand++) {}

TMenuItem::~TMenuItem() {
    for (TMenuItem* item : std::vector<TMenuItem*>(items_)) {
        item->parent_ = nullptr;
    }
    if (parent_ != nullptr) {
        parent_->Remove(this);
    }
}

const TPropertyTable& TMenuItem::Properties() const {
    static const TPropertyTable own = {
        StringProperty<TMenuItem>("Caption",
                                  [](TMenuItem& m, const AnsiString& v) { m.Caption = v; }),
        BooleanProperty<TMenuItem>("Checked", [](TMenuItem& m, bool v) { m.Checked = v; }),
        EventProperty("OnClick", &TMenuItem::OnClick),
    };
    static const TPropertyTable table = PublishInOrder(
        {&TComponent::Available(), &own}, {"Name", "Tag", "Caption", "Checked", "OnClick"});
    return table;
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto found = std::find(items_.begin(), items_.end(), item);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (item->parent_ != nullptr || index < 0 || index > Count()) {
        throw EInvalidOperation("Menu item insertion out of range or already in a menu");
    }
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item) {
    items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
    item->parent_ = nullptr;
}

TMenuItem* TMenuItem::Find(unsigned command) {
    if (command == command_) {
        return this;
    }
    for (TMenuItem* item : items_) {
        if (TMenuItem* found = item->Find(command)) {
            return found;
        }
    }
    return nullptr;
}

void TMenuItem::Click() {
    if (OnClick) {
        OnClick(this);
    }
}

void TMenuItem::AdoptChild(TComponent& child) {
    auto* item = dynamic_cast<TMenuItem*>(&child);
    if (item == nullptr) {
        TComponent::AdoptChild(child);
        return;
    }
    Add(item);
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this)) {}

TPopupMenu::~TPopupMenu() {
    if (Application != nullptr) {
        Application->WindowDestroyed(&clickWindow_);
    }
}

const TPropertyTable& TPopupMenu::Properties() const {
    return TComponent::Available();
}

void TPopupMenu::AdoptChild(TComponent& child) {
    items_->AdoptChild(child);
}

void TPopupMenu::Popup(int x, int y) {
    std::function<std::vector<backend::MenuEntry>(const TMenuItem&)> entries = [&](const TMenuItem&
                                                                                       parent) {
        std::vector<backend::MenuEntry> list;
        for (int i = 0; i < parent.Count(); ++i) {
            const TMenuItem* item = parent.Items(i);
            list.push_back({item->Caption, item->Caption == "-", item->Checked, entries(*item)});
        }
        return list;
    };
    std::vector<int> chosen = Application->Backend().PopupMenu(entries(*items_), {x, y});
    TMenuItem* item = items_;
    for (int index : chosen) {
        if (index < 0 || index >= item->Count()) {
            return;
        }
        item = item->Items(index);
    }
    if (item != items_) {
        PostMessageA(&clickWindow_, WM_COMMAND, item->Command(), 0);
    }
}

// The item may have been taken out of the menu since it was chosen; then nothing happens.
void TPopupMenu::ClickWindow::WndProc(TMessage& message) {
    if (message.Msg != WM_COMMAND) {
        return;
    }
    if (TMenuItem* item = menu_.items_->Find(static_cast<unsigned>(message.WParam))) {
        item->Click();
    }
}
