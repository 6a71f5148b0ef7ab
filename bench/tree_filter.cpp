// Times the filter box on a 5,000-window tree, one keystroke at a time, against its floor: the
// same text match over the same data with no tree view; for keystrokes that change nodes, also
// the same inserts and deletes in a bare tree view, and apart, a bare edit box taking the text.
#include "model/tree_filter.h"
#include "core/mapi_win.h"
#include "core/process_lookup.h"
#include "test_windows.h"
#include "timing.h"
#include "toolkit/app.h"
#include "tree/main_form.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr int kTopLevel = 1000;
constexpr int kChildrenEach = 4;
constexpr int kRuns = 21;

struct Subject {
    std::string text;
    DWORD processId = 0;
};

// A bare tree view of the common controls, for the floor of a keystroke that changes nodes: shown
// on the screen as the program's tree is (a hidden tree view skips the layout a shown one does
// when it may draw again), with the tree's own styles, an image list of its size, nodes with
// what the tree's nodes carry (text, picture, state, value), and changed the cheapest way known
// (out of drawing, visible style off, one repaint after), without the program's bookkeeping.
class BareTree {
  public:
    BareTree() {
        frame_ = CreateWindowExA(0, "STATIC", "bare", WS_POPUP | WS_VISIBLE, 600, 400, 400, 300,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        edit_ =
            CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0,
                            0, 400, 24, frame_, nullptr, GetModuleHandleA(nullptr), nullptr);
        tree_ =
            CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                            WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS |
                                TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                            0, 24, 400, 276, frame_, nullptr, GetModuleHandleA(nullptr), nullptr);
        const int size = tk::ScaledPixels(16);
        images_ = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 2, 2);
        ImageList_AddIcon(images_, LoadIconA(nullptr, IDI_APPLICATION));
        TreeView_SetImageList(tree_, images_, TVSIL_NORMAL);
    }
    ~BareTree() {
        DestroyWindow(frame_);
        ImageList_Destroy(images_);
    }
    // A flat tree of count nodes.
    void Fill(std::size_t count) {
        TreeView_DeleteAllItems(tree_);
        nodes_.clear();
        for (std::size_t i = 0; i < count; ++i) {
            nodes_.push_back(Insert(TVI_LAST));
        }
    }
    // Deletes removed nodes and inserts added ones among the rest, with drawing off.
    void Change(std::size_t removed, std::size_t added) {
        SendMessageA(tree_, WM_SETREDRAW, FALSE, 0);
        DefWindowProcA(tree_, WM_SETREDRAW, FALSE, 0);
        for (std::size_t i = 0; i < removed && !nodes_.empty(); ++i) {
            TreeView_DeleteItem(tree_, nodes_.back());
            nodes_.pop_back();
        }
        for (std::size_t i = 0; i < added; ++i) {
            Insert(nodes_.empty() ? TVI_FIRST : nodes_[i % nodes_.size()]);
        }
        SendMessageA(tree_, WM_SETREDRAW, TRUE, 0);
        DefWindowProcA(tree_, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(tree_, nullptr, nullptr,
                     RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }

    // What the filter box itself does on a keystroke: an edit control takes the new text.
    void Type(const char* text) { SetWindowTextA(edit_, text); }

  private:
    HTREEITEM Insert(HTREEITEM after) {
        TVINSERTSTRUCTA insert{};
        insert.hParent = TVI_ROOT;
        insert.hInsertAfter = after;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_STATE;
        insert.item.state = TVIS_BOLD | TVIS_EXPANDED;
        insert.item.stateMask = TVIS_BOLD | TVIS_EXPANDED;
        insert.item.pszText = const_cast<char*>("0001002A \"filter window 42\" VantryTest");
        insert.item.lParam = static_cast<LPARAM>(nodes_.size());
        return TreeView_InsertItem(tree_, &insert);
    }

    HWND frame_;
    HWND edit_;
    HWND tree_;
    HIMAGELIST images_;
    std::vector<HTREEITEM> nodes_;
};

} // namespace

int main() {
    tk::InitToolkit(GetModuleHandleA(nullptr));
    testwin::Windows windows;
    testwin::MakeDesktop(windows, kTopLevel, kChildrenEach, "filter window");
    vantry::Main main;
    main.Show();
    SendMessageA(main.hWnd(), WM_COMMAND, main.mnuUpdate.Id(), 0);
    const std::size_t nodes = main.tvTree.Count();

    // The floor's data: every node's text, process and executable, gathered beforehand.
    std::vector<Subject> subjects;
    std::unordered_map<DWORD, std::string> executables;
    for (HTREEITEM node : main.tvTree.Nodes()) {
        Subject subject{main.tvTree.NodeText(node), 0};
        GetWindowThreadProcessId(mAPI::IntToHandle<HWND>(*main.WindowOf(node)), &subject.processId);
        executables.emplace(subject.processId, mAPI::GetExePath(subject.processId));
        subjects.push_back(std::move(subject));
    }

    const std::vector<std::string> keystrokes{"f", "fi", "fil", "filter window 4",
                                              "filter window 42"};
    const double first = bench::Seconds([&] { main.txtFilter.SetText(keystrokes[0]); });
    std::vector<double> typed;
    std::vector<double> sameWindows; // "fi" and "fil" after "f": every window matches still
    std::vector<double> floors;
    std::size_t matched = 0;
    for (int run = 0; run < kRuns; ++run) {
        for (const std::string& text : keystrokes) {
            typed.push_back(bench::Seconds([&] { main.txtFilter.SetText(text); }));
            if (text == "fi" || text == "fil") {
                sameWindows.push_back(typed.back());
            }
            floors.push_back(bench::Seconds([&] {
                matched = 0;
                for (const Subject& subject : subjects) {
                    matched += vantry::MatchesFilter(
                        text, {subject.text, subject.processId, executables[subject.processId]});
                }
            }));
        }
    }
    // Widening and narrowing by a hundred windows of 111, against the match and as many inserts
    // and deletes in a bare tree view.
    BareTree bare;
    std::vector<double> widening, narrowing, wideningFloors, narrowingFloors, typing;
    std::size_t few = 0, many = 0;
    for (int run = 0; run < kRuns; ++run) {
        main.txtFilter.SetText("filter window 42");
        few = main.tvTree.Count();
        widening.push_back(bench::Seconds([&] { main.txtFilter.SetText("filter window 4"); }));
        many = main.tvTree.Count();
        narrowing.push_back(bench::Seconds([&] { main.txtFilter.SetText("filter window 42"); }));
        for (const bool widen : {true, false}) {
            bare.Fill(widen ? few : many);
            (widen ? wideningFloors : narrowingFloors).push_back(bench::Seconds([&] {
                matched = 0;
                for (const Subject& subject : subjects) {
                    matched += vantry::MatchesFilter(
                        widen ? "filter window 4" : "filter window 42",
                        {subject.text, subject.processId, executables[subject.processId]});
                }
                bare.Change(widen ? 0 : many - few, widen ? many - few : 0);
            }));
            typing.push_back(
                bench::Seconds([&] { bare.Type(widen ? "filter window 4" : "filter window 42"); }));
        }
    }
    main.txtFilter.SetText("");
    const double keystroke = bench::Median(typed);
    const double floor = bench::Median(floors);
    std::printf("tree_nodes: %zu nodes\n", nodes);
    std::printf("first_keystroke_after_load: %.2f ms\n", first * 1000);
    std::printf("filter_keystroke: %.2f ms\n", keystroke * 1000);
    std::printf("keystroke_keeping_the_same_windows: %.2f ms\n", bench::Median(sameWindows) * 1000);
    std::printf("match_floor: %.2f ms\n", floor * 1000);
    std::printf("ratio: %.2f x\n", keystroke / floor);
    std::printf("widening_keystroke: %.2f ms (%zu to %zu nodes)\n", bench::Median(widening) * 1000,
                few, many);
    std::printf("widening_floor: %.2f ms\n", bench::Median(wideningFloors) * 1000);
    std::printf("widening_ratio: %.2f x (goal: 1.3 x at most)\n",
                bench::Median(widening) / bench::Median(wideningFloors));
    std::printf("narrowing_keystroke: %.2f ms\n", bench::Median(narrowing) * 1000);
    std::printf("narrowing_floor: %.2f ms\n", bench::Median(narrowingFloors) * 1000);
    std::printf("narrowing_ratio: %.2f x (goal: 1.3 x at most)\n",
                bench::Median(narrowing) / bench::Median(narrowingFloors));
    // The keystroke includes the filter box taking its text, which the floors leave out.
    const double typedText = bench::Median(typing);
    std::printf("edit_box_text: %.2f ms\n", typedText * 1000);
    std::printf("widening_ratio_with_the_edit_box_in_the_floor: %.2f x\n",
                bench::Median(widening) / (bench::Median(wideningFloors) + typedText));
    std::printf("narrowing_ratio_with_the_edit_box_in_the_floor: %.2f x\n",
                bench::Median(narrowing) / (bench::Median(narrowingFloors) + typedText));
    main.Unload();
    return 0;
}
