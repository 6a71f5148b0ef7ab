#include "tree/main_form.h"

#include "core/mapi_win.h"
#include "core/version.h"
#include "tree/main_layout.h"
#include "tree/window_text.h"

#include <unordered_set>

namespace vantry {

namespace {

constexpr std::uint32_t kWindowBackground = tk::SystemColor(COLOR_WINDOW);
constexpr std::uint32_t kTreeLineColor = tk::SystemColor(COLOR_GRAYTEXT);
constexpr int kTreeLineImage = 1;

std::string KeyOf(HWND window) {
    return WindowKey(mAPI::HandleToInt(window));
}

} // namespace

Main::Main()
    : tk::Form({VANTRY_TITLE, 7740, 5265, tk::BorderStyle::Sizable}),
      picWinIco({0, 0, 300, 300}, kWindowBackground, false),
      picTreeLn({0, 0, 300, 300}, kWindowBackground, false) {
    menuBar.AddMenu(mnuFile, {&mnuExit});
    menuBar.AddMenu(mnuView, {&mnuOnlyVisible, &dash1, &mnuWindowProps, &mnuShowResources, &dash2,
                              &mnuAllExtend, &mnuUpdate});
    menuBar.AddMenu(mnuOptions, {&mnuSearch, &dash3, &mnuActivate, &mnuFlash});
    menuBar.AddMenu(mnuHelp, {&mnuAbout});
    SetMenu(menuBar);

    AddControl(tvTree);
    AddControl(sbrState);
    AddControl(picWinIco);
    AddControl(picTreeLn);

    mnuExit.Click = [this] { mnuExit_Click(); };
    mnuOnlyVisible.Click = [this] { mnuOnlyVisible_Click(); };
    mnuAllExtend.Click = [this] { mnuAllExtend_Click(); };
    mnuUpdate.Click = [this] { mnuUpdate_Click(); };
}

void Main::Form_Load() {
    SetCaption(VANTRY_TITLE " " VANTRY_VERSION_TEXT);
    tvTree.SetImageList(imlWinIcons);
    LoadWindowTree();
}

void Main::Form_Resize() {
    if (IsIconic(hWnd())) {
        return;
    }
    const TreeExtent extent =
        MainTreeExtent(ScaleWidth(), ScaleHeight(), sbrState.Height(), tvTree.Top());
    tvTree.SetWidth(extent.width);
    if (extent.height) {
        tvTree.SetHeight(*extent.height);
    }
}

void Main::mnuExit_Click() {
    Unload();
}

void Main::mnuOnlyVisible_Click() {
    mnuOnlyVisible.SetChecked(!mnuOnlyVisible.Checked());
    LoadWindowTree();
}

void Main::mnuAllExtend_Click() {
    LockWindowUpdate(tvTree.hWnd());
    for (HTREEITEM node : tvTree.Nodes()) {
        tvTree.SetExpanded(node, true);
    }
    LockWindowUpdate(nullptr);
}

void Main::mnuUpdate_Click() {
    LoadWindowTree();
}

void Main::LoadWindowTree() {
    HWND desktop = GetDesktopWindow();
    SetPointer(tk::MousePointer::Hourglass);
    sbrState.SetSimpleText("Loading Window Hierarchy...");
    tk::DoEvents();
    LockWindowUpdate(tvTree.hWnd());
    {
        // The lock stops painting only; without redraw the tree view also skips its per-node
        // layout work, and icons go to the image list a strip at a time.
        const tk::TreeView::BulkUpdate bulk(tvTree);
        const tk::ImageList::Batch batch(imlWinIcons);
        tvTree.Clear();
        imlWinIcons.Clear();
        AddTreeLineImage();
        AddWindowNode(nullptr, desktop);
    }
    LockWindowUpdate(nullptr);
    tk::DoEvents();
    sbrState.SetSimpleText("Ready");
    SetPointer(tk::MousePointer::Default);
}

void Main::AddTreeLineImage() {
    for (int x = 0; x <= 16; x += 2) {
        picTreeLn.PSet(x, 8, kTreeLineColor);
    }
    imlWinIcons.Add(picTreeLn.hdc());
}

void Main::AddWindowNode(HWND parent, HWND window) {
    if (!window) {
        return;
    }
    std::string key = KeyOf(window);
    // A window re-parented during the walk can be met again; its first place stands.
    if (tvTree.Exists(key)) {
        return;
    }
    if (!parent) {
        HTREEITEM root =
            tvTree.Add("", std::move(key), GetWindowDisplayText(window), kTreeLineImage);
        if (root) {
            tvTree.SetExpanded(root, true);
        }
    } else {
        if (mnuOnlyVisible.Checked() && !mAPI::IsVisibleOnScreen(window)) {
            return;
        }
        const std::string text = GetWindowDisplayText(window);
        const int image = GetWindowIconIndex(window);
        if (!tvTree.Add(KeyOf(parent), std::move(key), text, image)) {
            return;
        }
    }
    AddChildWindows(window);
}

void Main::AddChildWindows(HWND window) {
    // A sibling list that leads back to a window it has shown (the Z-order changed during the
    // walk) ends there, so the load always completes.
    std::unordered_set<HWND> met;
    for (HWND child = GetWindow(window, GW_CHILD); child && met.insert(child).second;
         child = GetWindow(child, GW_HWNDNEXT)) {
        AddWindowNode(window, child);
    }
}

std::string Main::GetWindowDisplayText(HWND window) {
    return WindowDisplayText(mAPI::HandleToInt(window),
                             mAPI::ReadWindowCaption(window, kMaxTreeCaption),
                             mAPI::ReadClassName(window));
}

int Main::GetWindowIconIndex(HWND window) {
    auto icon = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICONSM));
    if (!icon) {
        return kTreeLineImage;
    }
    picWinIco.Cls();
    DrawIconEx(picWinIco.hdc(), 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
    return imlWinIcons.Add(picWinIco.hdc());
}

} // namespace vantry
