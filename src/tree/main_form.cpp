#include "tree/main_form.h"

#include "core/file_output.h"
#include "core/mapi_win.h"
#include "core/version.h"
#include "model/form_placement.h"
#include "model/tree_dump.h"
#include "model/window_pictures.h"
#include "model/window_text.h"
#include "model/window_walk.h"
#include "toolkit/clipboard.h"
#include "toolkit/file_dialog.h"
#include "toolkit/loaded_forms.h"
#include "toolkit/menu.h"
#include "tree/about_form.h"
#include "tree/main_layout.h"
#include "tree/program_icon_resource.h"
#include "tree/toolbar_pictures.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vantry {

namespace {

constexpr std::uint32_t kWindowBackground = tk::SystemColor(COLOR_WINDOW);
constexpr std::uint32_t kTreeLineColor = tk::SystemColor(COLOR_GRAYTEXT);
constexpr int kTreeLineImage = 1;

std::vector<tk::ToolbarButton> CommandButtons() {
    std::vector<tk::ToolbarButton> buttons;
    for (const ToolbarCommand& command : kToolbarCommands) {
        const bool check = command.command == MainCommand::OnlyVisible;
        buttons.push_back({std::string(command.key), std::string(command.tooltip), command.image,
                           command.image == 0 ? tk::ButtonStyle::Separator
                           : check            ? tk::ButtonStyle::Check
                                              : tk::ButtonStyle::Push,
                           check});
    }
    return buttons;
}

// Asked through the loaded-forms collection, as every form asks about another.
bool IsLoadedForm(const tk::Form* form) {
    return form && tk::IsFormLoaded(*form);
}

} // namespace

const std::array<Main::Command, 20> Main::kCommands{{
    {&Main::mnuFile, &Main::mnuSaveTree, &Main::mnuSaveTree_Click, MainCommand::None},
    {&Main::mnuFile, &Main::dash0, nullptr, MainCommand::None},
    {&Main::mnuFile, &Main::mnuExit, &Main::mnuExit_Click, MainCommand::None},
    {&Main::mnuView, &Main::mnuOnlyVisible, &Main::mnuOnlyVisible_Click, MainCommand::OnlyVisible},
    {&Main::mnuView, &Main::dash1, nullptr, MainCommand::None},
    {&Main::mnuView, &Main::mnuWindowProps, &Main::mnuWindowProps_Click, MainCommand::WindowProps},
    {&Main::mnuView, &Main::mnuShowResources, &Main::mnuShowResources_Click,
     MainCommand::ShowResources},
    {&Main::mnuView, &Main::dash2, nullptr, MainCommand::None},
    {&Main::mnuView, &Main::mnuAllExtend, &Main::mnuAllExtend_Click, MainCommand::None},
    {&Main::mnuView, &Main::mnuUpdate, &Main::mnuUpdate_Click, MainCommand::Update},
    {&Main::mnuView, &Main::dash5, nullptr, MainCommand::None},
    {&Main::mnuView, &Main::mnuProcesses, &Main::mnuProcesses_Click, MainCommand::None},
    {&Main::mnuView, &Main::mnuMessages, &Main::mnuMessages_Click, MainCommand::None},
    {&Main::mnuOptions, &Main::mnuSearch, &Main::mnuSearch_Click, MainCommand::Search},
    {&Main::mnuOptions, &Main::dash3, nullptr, MainCommand::None},
    {&Main::mnuOptions, &Main::mnuActivate, &Main::mnuActivate_Click, MainCommand::Activate},
    {&Main::mnuOptions, &Main::mnuFlash, &Main::mnuFlash_Click, MainCommand::Flash},
    {&Main::mnuOptions, &Main::dash4, nullptr, MainCommand::None},
    {&Main::mnuOptions, &Main::mnuLiveUpdate, &Main::mnuLiveUpdate_Click, MainCommand::None},
    {&Main::mnuHelp, &Main::mnuAbout, &Main::mnuAbout_Click, MainCommand::None},
}};

Main::Main()
    : tk::Form({VANTRY_TITLE, 7740, 5265, tk::BorderStyle::Sizable}),
      tbrCommands(360, CommandButtons(), imlToolbar),
      picWinIco({.place = {0, 0, 300, 300}, .backColor = kWindowBackground, .visible = false}),
      picTreeLn({.place = {0, 0, 300, 300}, .backColor = kWindowBackground, .visible = false}) {
    for (tk::MenuItem Main::*menu :
         {&Main::mnuFile, &Main::mnuView, &Main::mnuOptions, &Main::mnuHelp}) {
        std::vector<tk::MenuItem*> items;
        for (const Command& command : kCommands) {
            if (command.menu != menu) {
                continue;
            }
            items.push_back(&(this->*command.item));
            if (command.run) {
                (this->*command.item).Click = [this, run = command.run] { (this->*run)(); };
            }
        }
        menuBar.AddMenu(this->*menu, items);
    }
    SetMenu(menuBar);

    for (const pictures::Image& picture : ToolbarPictures()) {
        imlToolbar.AddPicture(picture);
    }

    AddControl(tbrCommands);
    AddControl(tvTree);
    AddControl(sbrState);
    AddControl(txtFilter);
    AddControl(lblFilterCount);
    AddControl(picWinIco);
    AddControl(picTreeLn);
    AddTimer(tmrFlash);
    AddTimer(tmrLive);

    tbrCommands.ButtonClick = [this](const std::string& key) { tbrCommands_ButtonClick(key); };
    tvTree.NodeClick = [this] { tvTree_NodeClick(); };
    tvTree.DblClick = [this] { tvTree_DblClick(); };
    tvTree.ContextMenu = [this](POINT screen) { tvTree_ContextMenu(screen); };
    txtFilter.Change = [this] { ApplyFilter(); };
    txtFilter.KeyPress = [this](wchar_t key) { return txtFilter_KeyPress(key); };
    AddShortcut({'F', true}, [this] { SetFocus(txtFilter.hWnd()); });
    AddShortcut({VK_F3}, [this] { SelectMatch(true); });
    AddShortcut({VK_F3, false, true}, [this] { SelectMatch(false); });
    tvTree.CtrlKey = [this](WORD key) { return key == 'C' && CopySelectedNode(); };
    tmrFlash.Tick = [this] { tmrFlash_Timer(); };
    tmrLive.Tick = [this] { tmrLive_Timer(); };
}

std::int32_t Main::GetCurhWnd() const {
    return WindowOf(tvTree.Selected()).value_or(0);
}

bool Main::SelectWindow(std::int32_t handle) {
    return tvTree.Select(NodeOf(handle));
}

bool Main::ChooseWindow(std::int32_t handle) {
    if (!SelectWindow(handle)) {
        return false;
    }
    tvTree_NodeClick();
    return true;
}

std::optional<HWND> Main::SelectedWindow() const {
    const auto handle = WindowOf(tvTree.Selected());
    if (!handle) {
        return std::nullopt;
    }
    return mAPI::IntToHandle<HWND>(*handle);
}

HTREEITEM Main::NodeOf(std::int32_t handle) const {
    const auto entry = windows_.Find(handle);
    return entry && *entry < nodes_.size() ? nodes_[*entry] : nullptr;
}

std::optional<std::int32_t> Main::WindowOf(HTREEITEM node) const {
    const auto value = tvTree.ValueOf(node);
    if (!value || *value < 0 || static_cast<std::size_t>(*value) >= nodes_.size()) {
        return std::nullopt;
    }
    const auto entry = static_cast<WindowList::Index>(*value);
    if (nodes_[entry] != node || !windows_.Live(entry)) {
        return std::nullopt;
    }
    return windows_.Handle(entry);
}

void Main::ClearTree() {
    tvTree.Clear();
    nodes_.assign(windows_.Size(), nullptr);
}

tk::TreeView::Place Main::CurrentPlace() const {
    return tvTree.CurrentPlace(
        [this](HTREEITEM node) -> std::optional<std::int64_t> { return WindowOf(node); });
}

void Main::RestorePlace(const tk::TreeView::Place& place) {
    tvTree.RestorePlace(
        place, [this](std::int64_t window) { return NodeOf(static_cast<std::int32_t>(window)); });
}

void Main::Form_Load() {
    bigIcon_ = LoadProgramIcon(GetSystemMetrics(SM_CXICON));
    smallIcon_ = LoadProgramIcon(GetSystemMetrics(SM_CXSMICON));
    SetIcon(bigIcon_.get(), smallIcon_.get());
    SetCaption(VANTRY_TITLE " " VANTRY_VERSION_TEXT);
    tvTree.SetImageList(imlWinIcons);
    PlaceFilterBox();
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

void Main::mnuSaveTree_Click() {
    const auto choice = tk::AskSaveFormat(hWnd(), kTreeFormats[0].DefaultFileName(), kTreeFormats);
    if (!choice) {
        return;
    }
    SetPointer(tk::MousePointer::Hourglass);
    const std::string text = choice->format->write(ReadWindowTree(ShowsOnlyVisible()));
    const auto problem = WriteWholeFile(choice->path, text);
    SetPointer(tk::MousePointer::Default);
    if (problem) {
        tk::ShowMessageBox(hWnd(), *problem, VANTRY_TITLE, MB_OK | MB_ICONEXCLAMATION);
    }
}

void Main::mnuExit_Click() {
    Unload();
}

void Main::mnuOnlyVisible_Click() {
    mnuOnlyVisible.SetChecked(!mnuOnlyVisible.Checked());
    tbrCommands.SetPressed("VIS", mnuOnlyVisible.Checked());
    LoadWindowTree();
}

void Main::mnuWindowProps_Click() {
    if (forms_.properties && !IsLoadedForm(forms_.properties)) {
        forms_.properties->Show(this);
    }
}

void Main::mnuShowResources_Click() {
    if (forms_.resources && !IsLoadedForm(forms_.resources)) {
        forms_.resources->Show(this);
    }
}

void Main::mnuProcesses_Click() {
    if (!forms_.processes) {
        return;
    }
    if (IsLoadedForm(forms_.processes)) {
        BringWindowToTop(forms_.processes->hWnd());
    } else {
        forms_.processes->Show(this);
    }
}

void Main::mnuMessages_Click() {
    if (const auto window = SelectedWindow()) {
        LogMessages(mAPI::HandleToInt(*window));
    }
}

void Main::LogMessages(std::int32_t handle) {
    if (forms_.messages) {
        forms_.messages->LogWindow(handle, *this);
    }
}

void Main::tvTree_ContextMenu(POINT screen) {
    const auto window = SelectedWindow();
    if (!window) {
        return;
    }
    switch (tk::ChooseFromMenu(hWnd(), screen, {"Show in &processes", "Log &messages"})) {
    case 1:
        if (forms_.processes) {
            forms_.processes->ShowWindowOf(mAPI::HandleToInt(*window), *this);
        }
        break;
    case 2:
        LogMessages(mAPI::HandleToInt(*window));
        break;
    default:
        break;
    }
}

void Main::mnuSearch_Click() {
    // Modal without an owner: every other form of the program waits while it is open.
    if (forms_.search) {
        forms_.search->ShowModal(nullptr);
    }
}

void Main::mnuActivate_Click() {
    if (const auto window = SelectedWindow()) {
        SetWindowPos(*window, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
    }
}

void Main::mnuFlash_Click() {
    tmrFlash.SetEnabled(true);
}

void Main::mnuAbout_Click() {
    About about;
    about.ShowModal(this);
}

void Main::tbrCommands_ButtonClick(const std::string& key) {
    // A button does what its menu command does.
    const MainCommand button = CommandForButtonKey(key);
    const auto found =
        std::find_if(kCommands.begin(), kCommands.end(),
                     [button](const Command& command) { return command.button == button; });
    if (button != MainCommand::None && found != kCommands.end()) {
        (this->*found->run)();
    }
}

void Main::tvTree_NodeClick() {
    if (placeBeforeFilter_) {
        placeBeforeFilter_->selected = WindowOf(tvTree.Selected()); // the choice while filtering
    }
    FollowSelection();
}

void Main::FollowSelection() {
    for (CurrentWindowForm* form : {forms_.properties, forms_.resources}) {
        if (IsLoadedForm(form)) {
            form->DoRefresh();
        }
    }
}

std::vector<const tk::Form*> Main::OpenForms() const {
    std::vector<const tk::Form*> open{this};
    for (const CurrentWindowForm* form : {forms_.properties, forms_.resources}) {
        if (IsLoadedForm(form)) {
            open.push_back(form);
        }
    }
    return open;
}

bool Main::CopySelectedNode() {
    const auto window = SelectedWindow();
    if (!window) {
        return false;
    }
    if (const auto entry = windows_.Find(mAPI::HandleToInt(*window))) {
        tk::CopyText(hWnd(), windows_.DisplayText(*entry));
    }
    return true;
}

void Main::tvTree_DblClick() {
    mnuWindowProps_Click();
}

void Main::tmrFlash_Timer() {
    if (!flash_.Tick()) {
        tmrFlash.SetEnabled(false);
        return;
    }
    // The selection is read on every tick: choosing another node flashes that one from now on.
    if (const auto window = SelectedWindow()) {
        FlashWindow(*window, TRUE);
    }
}

void Main::mnuAllExtend_Click() {
    const mAPI::WindowUpdateLock lock(tvTree.hWnd());
    for (HTREEITEM node : tvTree.Nodes()) {
        tvTree.SetExpanded(node, true);
    }
}

void Main::mnuUpdate_Click() {
    LoadWindowTree();
}

void Main::LoadWindowTree() {
    SetPointer(tk::MousePointer::Hourglass);
    sbrState.SetSimpleText("Loading Window Hierarchy...");
    tk::DoEvents();
    const tk::TreeView::Place place = CurrentPlace();
    {
        // Without redraw the tree view skips its per-node layout work and paints nothing, and
        // icons go to the image list a strip at a time.
        const tk::TreeView::BulkUpdate bulk(tvTree, tk::TreeView::BulkScope::Refill);
        const tk::ImageList::Batch batch(imlWinIcons);
        tvTree.Clear();
        nodes_.clear();
        windowIcons_.Restart();
        processIds_.clear();
        matchTexts_.clear();
        executables_.clear();
        shownWhileFiltering_.clear();
        AddTreeLineImage();
        SystemWindows queries = TreeQueries();
        windows_.Load(queries, mAPI::HandleToInt(GetDesktopWindow()), mnuOnlyVisible.Checked());
        ShowEntries(0);
        RestorePlace(place); // the user's place, for the windows still there
    }
    ShowWindowCount();
    if (!txtFilter.Text().empty()) {
        ApplyFilter();
    }
    tk::DoEvents();
    sbrState.SetSimpleText("Ready");
    SetPointer(tk::MousePointer::Default);
}

void Main::AddTreeLineImage() {
    AddTreeLinePicture(picTreeLn, imlWinIcons, kTreeLineColor);
}

SystemWindows Main::TreeQueries() {
    HWND desktop = GetDesktopWindow();
    // The tree hides itself from drawing while it is refilled; it shows wherever Main does.
    return SystemWindows({.captionChars = kMaxTreeCaption,
                          .picture =
                              [this, desktop](HWND window) {
                                  return window == desktop ? kTreeLineImage
                                                           : GetWindowIconIndex(window);
                              },
                          .hiddenForRefill = tvTree.HiddenForRefill() ? tvTree.hWnd() : nullptr});
}

void Main::ShowEntries(WindowList::Index first, const std::vector<bool>* kept,
                       const std::vector<bool>* bold) {
    nodes_.resize(windows_.Size(), nullptr);
    for (WindowList::Index i = first; i < windows_.Size(); ++i) {
        if (!windows_.Live(i) || (kept && !(*kept)[i])) {
            continue;
        }
        const auto parent = windows_.Parent(i);
        HTREEITEM parentNode = parent ? nodes_[*parent] : TVI_ROOT;
        if (!parentNode) {
            continue;
        }
        // A narrowed tree shows every match; the whole tree opens at the desktop only.
        nodes_[i] = tvTree.Insert(parentNode, static_cast<LPARAM>(i), windows_.DisplayText(i),
                                  windows_.Picture(i), bold && (*bold)[i], kept || !parent);
    }
}

int Main::GetWindowIconIndex(HWND window) {
    return windowIcons_.Add(window).value_or(kTreeLineImage);
}

namespace {

Box WindowBox(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return mAPI::BoxOf(rect);
}

Box WorkArea(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return mAPI::BoxOf(monitor.rcWork);
}

void MoveTo(tk::Form& form, const Box& place) {
    SetWindowPos(form.hWnd(), nullptr, place.left, place.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

void Main::PlaceCentred(tk::Form& form) const {
    const Box size = WindowBox(form.hWnd());
    MoveTo(form, CentredOver(WindowBox(hWnd()), size.Width(), size.Height(), WorkArea(hWnd())));
}

void Main::PlaceBesideSelection(tk::Form& form) const {
    RECT row{};
    HTREEITEM selected = tvTree.Selected();
    if (selected && TreeView_GetItemRect(tvTree.hWnd(), selected, &row, TRUE)) {
        MapWindowPoints(tvTree.hWnd(), nullptr, reinterpret_cast<POINT*>(&row), 2);
    }
    const Box size = WindowBox(form.hWnd());
    MoveTo(form, BesideSelection(WindowBox(hWnd()), mAPI::BoxOf(row), size.Width(), size.Height(),
                                 WorkArea(hWnd())));
}

} // namespace vantry
