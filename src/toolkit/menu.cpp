#include "toolkit/menu.h"

namespace tk {

std::string Shortcut::Text() const {
    std::string text = std::string(ctrl ? "Ctrl+" : "") + (shift ? "Shift+" : "");
    if (key >= VK_F1 && key <= VK_F24) {
        return text + "F" + std::to_string(key - VK_F1 + 1);
    }
    return text + static_cast<char>(key);
}

MenuItem::MenuItem(std::string caption, Shortcut shortcut, bool checked)
    : caption_(std::move(caption)), shortcut_(shortcut), checked_(checked) {}

void MenuItem::SetChecked(bool checked) {
    checked_ = checked;
    if (container_) {
        CheckMenuItem(container_, id_, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

void MenuBar::AddMenu(MenuItem& top, std::vector<MenuItem*> items) {
    top.id_ = nextId_++;
    for (MenuItem* item : items) {
        item->id_ = nextId_++;
    }
    popups_.push_back({&top, std::move(items)});
}

HMENU MenuBar::Build() {
    HMENU bar = CreateMenu();
    std::vector<ACCEL> shortcuts;
    for (const Popup& popup : popups_) {
        HMENU menu = CreatePopupMenu();
        for (MenuItem* item : popup.items) {
            if (item->caption_ == "-") {
                AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            std::string text = item->caption_;
            if (item->shortcut_.key != 0) {
                text += "\t" + item->shortcut_.Text();
                const BYTE modifiers = FVIRTKEY | (item->shortcut_.ctrl ? FCONTROL : 0) |
                                       (item->shortcut_.shift ? FSHIFT : 0);
                shortcuts.push_back({modifiers, item->shortcut_.key, static_cast<WORD>(item->id_)});
            }
            AppendMenuA(menu, MF_STRING | (item->checked_ ? MF_CHECKED : MF_UNCHECKED), item->id_,
                        text.c_str());
            item->container_ = menu;
        }
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), popup.top->caption_.c_str());
        popup.top->container_ = bar;
    }
    accelerators_ = mAPI::AcceleratorTable(
        shortcuts.empty()
            ? nullptr
            : CreateAcceleratorTableA(shortcuts.data(), static_cast<int>(shortcuts.size())));
    return bar;
}

void MenuBar::Detach() {
    for (Popup& popup : popups_) {
        popup.top->container_ = nullptr;
        for (MenuItem* item : popup.items) {
            item->container_ = nullptr;
        }
    }
    accelerators_.reset();
}

bool MenuBar::Dispatch(UINT id) {
    for (const Popup& popup : popups_) {
        for (MenuItem* item : popup.items) {
            if (item->id_ == id) {
                if (item->Click) {
                    item->Click();
                }
                return true;
            }
        }
    }
    return false;
}

UINT ChooseFromMenu(HWND owner, POINT screen, const std::vector<std::string>& items) {
    HMENU menu = CreatePopupMenu();
    for (std::size_t i = 0; i < items.size(); ++i) {
        AppendMenuA(menu, MF_STRING, i + 1, items[i].c_str());
    }
    const auto chosen = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON,
                                                         screen.x, screen.y, 0, owner, nullptr));
    DestroyMenu(menu);
    return chosen;
}

} // namespace tk
