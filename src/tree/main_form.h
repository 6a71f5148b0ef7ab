// The start-up form: the tree of every window on the desktop, with its menus and status bar.
#pragma once

#include "core/handles.h"
#include "core/mapi_win.h"
#include "core/unique_queue.h"
#include "model/system_windows.h"
#include "model/window_list.h"
#include "model/window_pictures.h"
#include "model/window_tree_host.h"
#include "toolkit/app.h"
#include "toolkit/form.h"
#include "toolkit/imagelist.h"
#include "toolkit/menu.h"
#include "toolkit/picturebox.h"
#include "toolkit/static_controls.h"
#include "toolkit/statusbar.h"
#include "toolkit/text_controls.h"
#include "toolkit/timer.h"
#include "toolkit/toolbar.h"
#include "toolkit/treeview.h"
#include "tree/main_logic.h"

#include <windows.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vantry {

// The forms that Main's commands open; the program makes them, Main only shows them.
struct MainForms {
    CurrentWindowForm* properties = nullptr;
    CurrentWindowForm* resources = nullptr;
    tk::Form* search = nullptr;
    ProcessesView* processes = nullptr;
    MessageLogView* messages = nullptr;
};

class Main : public tk::Form, public WindowTreeHost {
  public:
    Main();

    void SetForms(MainForms forms) { forms_ = forms; }

    std::int32_t GetCurhWnd() const override;
    // Selects the window's node, as code selects (no NodeClick).
    bool SelectWindow(std::int32_t handle) override;
    bool ChooseWindow(std::int32_t handle) override;
    bool ShowsOnlyVisible() const override { return mnuOnlyVisible.Checked(); }
    void PlaceCentred(tk::Form& form) const override;
    void PlaceBesideSelection(tk::Form& form) const override;
    std::vector<const tk::Form*> OpenForms() const override;
    void LogMessages(std::int32_t handle) override;

    // The window's node; nullptr when the tree does not show it.
    HTREEITEM NodeOf(std::int32_t handle) const;
    // The window a node shows; nullopt for no node of a listed window.
    std::optional<std::int32_t> WindowOf(HTREEITEM node) const;

    tk::MenuBar menuBar;
    tk::MenuItem mnuFile{"&File"};
    tk::MenuItem mnuSaveTree{"Save Tree &As...", {'S', true}};
    tk::MenuItem dash0{"-"};
    tk::MenuItem mnuExit{"E&xit", {'Q', true}};
    tk::MenuItem mnuView{"&View"};
    tk::MenuItem mnuOnlyVisible{"Only visible windows", {}, true};
    tk::MenuItem dash1{"-"};
    tk::MenuItem mnuWindowProps{"Window Properties"};
    tk::MenuItem mnuShowResources{"Show Resources"};
    tk::MenuItem dash2{"-"};
    tk::MenuItem mnuAllExtend{"Every extension"};
    tk::MenuItem mnuUpdate{"Update", {VK_F5}};
    tk::MenuItem dash5{"-"};
    tk::MenuItem mnuProcesses{"&Processes and threads", {'P', true}};
    tk::MenuItem mnuMessages{"&Messages", {'M', true}};
    tk::MenuItem mnuOptions{"&Options"};
    tk::MenuItem mnuSearch{"Window Search"};
    tk::MenuItem dash3{"-"};
    tk::MenuItem mnuActivate{"Activate Window"};
    tk::MenuItem mnuFlash{"&Flash window"};
    tk::MenuItem dash4{"-"};
    tk::MenuItem mnuLiveUpdate{"&Live update"};
    tk::MenuItem mnuHelp{"&Help"};
    tk::MenuItem mnuAbout{"&About Vantry..."};

    tk::ImageList imlToolbar{tk::ScaledPixels(16), tk::ScaledPixels(16)};
    tk::Toolbar tbrCommands;
    tk::TreeView tvTree{{0, 480, 7740, 4470}};
    tk::StatusBar sbrState{315};
    // The filter box and its count, in the toolbar band to the right of the buttons.
    tk::TextBox txtFilter{{.place = {0, 0, 2400, 315}}};
    tk::Label lblFilterCount{{0, 0, 1200, 195}, ""};
    tk::ImageList imlWinIcons{tk::ScaledPixels(16), tk::ScaledPixels(16), RGB(0xC0, 0xC0, 0xC0)};
    tk::PictureBox picWinIco;
    tk::PictureBox picTreeLn;
    tk::Timer tmrFlash{100};
    tk::Timer tmrLive{100}; // batches of live changes

  private:
    // Every menu item once: its menu, what it does (none for a separator) and the toolbar
    // button that does the same (None for none). The menus are built from it in its order.
    struct Command {
        tk::MenuItem Main::*menu;
        tk::MenuItem Main::*item;
        void (Main::*run)();
        MainCommand button;
    };
    static const std::array<Command, 20> kCommands;

    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload() override { StopLiveUpdates(); }

    void mnuSaveTree_Click();
    void mnuExit_Click();
    void mnuOnlyVisible_Click();
    void mnuWindowProps_Click();
    void mnuShowResources_Click();
    void mnuAllExtend_Click();
    void mnuUpdate_Click();
    void mnuSearch_Click();
    void mnuActivate_Click();
    void mnuFlash_Click();
    void mnuAbout_Click();
    void mnuProcesses_Click();
    void mnuMessages_Click();
    // The tree's context menu for the selected window: "Show in processes", "Log messages".
    void tvTree_ContextMenu(POINT screen);
    void tbrCommands_ButtonClick(const std::string& key);
    void tvTree_NodeClick();
    // The user chose a window (a click, Enter or F3): every loaded form that follows the
    // selection shows it, the properties form first, then the resource view.
    void FollowSelection();
    void tvTree_DblClick();
    // Ctrl+C in the tree: the selected node's text; false without a selection.
    bool CopySelectedNode();
    void tmrFlash_Timer();

    void LoadWindowTree();
    void AddTreeLineImage();
    // The system's windows as the tree lists them: captions cut as the tree cuts them, the
    // "Only visible windows" test, and each window's picture drawn into the tree's images.
    SystemWindows TreeQueries();
    int GetWindowIconIndex(HWND window);
    // Adds nodes for the list's entries from first on, below their parents' nodes; with
    // narrowed, only the kept ones, expanded, the matches in bold.
    void ShowEntries(WindowList::Index first, const std::vector<bool>* kept = nullptr,
                     const std::vector<bool>* bold = nullptr);
    // The selected node's window; nullopt without a selection.
    std::optional<HWND> SelectedWindow() const;
    // Empties the tree control; the list stays.
    void ClearTree();

    // Where the user is in the tree, by window handle.
    tk::TreeView::Place CurrentPlace() const;
    void RestorePlace(const tk::TreeView::Place& place);

    // Live updates (main_live.cpp).
    void mnuLiveUpdate_Click();
    void tmrLive_Timer();
    static void CALLBACK OnWinEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                                    LONG child, DWORD thread, DWORD time);
    bool SweepLive(SystemWindows& queries, std::chrono::steady_clock::time_point deadline);
    // Shows what a change of the list did: ended nodes go, renamed ones change, added ones come
    // (unless the filter narrows the tree: it shows them when it applies again).
    bool ShowChanges(const WindowList::Changes& changes);
    void StopLiveUpdates();

    // The filter box (main_filter.cpp).
    void PlaceFilterBox();
    void ShowWindowCount();
    std::optional<wchar_t> txtFilter_KeyPress(wchar_t key);
    void ApplyFilter();
    std::vector<bool> MatchingEntries(const std::string& text);
    // A narrowed tree that changes a little changes node by node: the leaving nodes go, the
    // coming ones are inserted in their places, and boldness follows the matches.
    bool CheaperToChangeThanRefill(const std::vector<bool>& kept) const;
    void SetMatchesBold(const std::vector<bool>& kept, const std::vector<bool>& wereMatches);
    void RemoveLeavingNodes(const std::vector<bool>& kept);
    void AddComingNodes(const std::vector<bool>& kept);
    void SelectMatch(bool forward);

    // The windows of the last load, as live changes left them.
    WindowList windows_;
    std::vector<HTREEITEM> nodes_; // by entry; each node carries its entry's number
    std::vector<bool> matches_;
    std::vector<bool> shownWhileFiltering_; // the entries the narrowed tree shows
    std::vector<std::uint32_t> processIds_; // looked up at the first filter after a load
    std::vector<std::string> matchTexts_;   // node texts, kept while the filter is in use
    std::unordered_map<std::uint32_t, std::string> executables_;
    // Where the user was when the filter began; its selection follows the user's choices while
    // the filter narrows the tree, and comes back when the filter ends.
    std::optional<tk::TreeView::Place> placeBeforeFilter_;
    mAPI::WinEventHook liveHook_;
    // Windows the hook heard of, brought in line by the timer: a window is read once however
    // many events came for it meanwhile (a new window is made, then shown).
    mAPI::UniqueQueue<HWND> liveEvents_;
    std::size_t sweepAt_ = 0;
    std::chrono::steady_clock::time_point lastSweep_{};
    std::vector<HTREEITEM> changedRows_; // the rows a live tick changed, for its repaint
    MainForms forms_;
    FlashRun flash_;
    WindowIconPictures windowIcons_{picWinIco, imlWinIcons};
    mAPI::Icon bigIcon_;
    mAPI::Icon smallIcon_;
};

} // namespace vantry
