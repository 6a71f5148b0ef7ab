#include "processes/processes_form.h"

#include "core/mapi_win.h"
#include "model/system_processes.h"
#include "model/tree_filter.h"
#include "model/window_text.h"
#include "toolkit/app.h"
#include "toolkit/clipboard.h"

#include <algorithm>

namespace vantry {

namespace {

constexpr std::uint32_t kWindowBackground = tk::SystemColor(COLOR_WINDOW);
constexpr std::uint32_t kLineColor = tk::SystemColor(COLOR_GRAYTEXT);
constexpr int kMargin = 60; // twips
constexpr int kTreeTop = 435;

// For each entry of a freshly loaded list, the entry after its last descendant: a load lists
// each window's subtree in one run.
std::vector<WindowList::Index> SubtreeEnds(const WindowList& windows) {
    std::vector<WindowList::Index> ends(windows.Size());
    for (WindowList::Index i = 0; i < windows.Size(); ++i) {
        ends[i] = i + 1;
    }
    for (auto i = static_cast<WindowList::Index>(windows.Size()); i-- > 0;) {
        if (const auto parent = windows.Parent(i)) {
            ends[*parent] = std::max(ends[*parent], ends[i]);
        }
    }
    return ends;
}

} // namespace

frmProcesses::frmProcesses(WindowTreeHost& host)
    : ProcessesView({"Processes and threads", 9600, 6000, tk::BorderStyle::Sizable}),
      txtFilter({.place = {kMargin, kMargin, 3000, 315}}),
      chkWithWindows({3180, 90, 3300, 255}, "Only processes with windows"),
      tvProcesses({kMargin, kTreeTop, 4980, 5505}),
      lvDetails({5160, kTreeTop, 4380, 5010}, {{"Field", 110}, {"Value", 150}}),
      cmdSelectInTree({.place = {5160, 5535, 2000, 405}, .caption = "&Select in tree"}),
      cmdLogMessages({.place = {7280, 5535, 2000, 405}, .caption = "&Log messages"}),
      picIcon({.place = {0, 0, 300, 300}, .backColor = kWindowBackground, .visible = false}),
      picLine({.place = {0, 0, 300, 300}, .backColor = kWindowBackground, .visible = false}),
      imlNodes(tk::ScaledPixels(16), tk::ScaledPixels(16), RGB(0xC0, 0xC0, 0xC0)), host_(host) {
    for (tk::Control* control : std::initializer_list<tk::Control*>{
             &txtFilter, &chkWithWindows, &tvProcesses, &lvDetails, &cmdSelectInTree,
             &cmdLogMessages, &picIcon, &picLine}) {
        AddControl(*control);
    }
    txtFilter.Change = [this] { Fill(); };
    txtFilter.KeyPress = [this](wchar_t key) { return txtFilter_KeyPress(key); };
    chkWithWindows.Click = [this] { Fill(); };
    tvProcesses.NodeClick = [this] { ShowDetails(); };
    tvProcesses.CtrlKey = [this](WORD key) { return CopyFromTree(key); };
    lvDetails.CtrlKey = [this](WORD key) { return CopyFromDetails(key); };
    cmdSelectInTree.Click = [this] { SelectInTree(); };
    cmdLogMessages.Click = [this] { LogMessages(); };
    AddShortcut({VK_F5}, [this] { LoadProcesses(); });
    AddShortcut({'F', true}, [this] { SetFocus(txtFilter.hWnd()); });
}

void frmProcesses::Form_Load() {
    host_.PlaceBesideSelection(*this);
    txtFilter.SetCueText("Filter by process, id or caption");
    tvProcesses.SetImageList(imlNodes);
    chkWithWindows.SetValue(1); // raises its click: the first fill, of nothing yet
    LoadProcesses();
    // It opens at the main tree's current window, under its process and thread.
    if (tvProcesses.Select(NodeOfWindow(host_.GetCurhWnd()))) {
        ShowDetails();
    }
}

void frmProcesses::Form_Resize() {
    if (IsIconic(hWnd())) {
        return;
    }
    const int width = std::max(ScaleWidth() - 3 * kMargin, 2000);
    const int height = std::max(ScaleHeight() - kTreeTop - kMargin, 1000);
    const int treeWidth = width * 53 / 100;
    const int detailsLeft = 2 * kMargin + treeWidth;
    const int buttonHeight = cmdSelectInTree.Height();
    tvProcesses.Move(kMargin, kTreeTop, treeWidth, height);
    lvDetails.Move(detailsLeft, kTreeTop, width - treeWidth, height - buttonHeight - kMargin);
    cmdSelectInTree.Move(detailsLeft, kTreeTop + height - buttonHeight, cmdSelectInTree.Width(),
                         buttonHeight);
    cmdLogMessages.Move(detailsLeft + cmdSelectInTree.Width() + kMargin * 2,
                        kTreeTop + height - buttonHeight, cmdLogMessages.Width(), buttonHeight);
}

SystemWindows frmProcesses::Queries() {
    HWND desktop = GetDesktopWindow();
    return SystemWindows({.captionChars = kMaxTreeCaption, .picture = [this, desktop](HWND window) {
                              return window == desktop ? linePicture_
                                                       : icons_.Add(window).value_or(linePicture_);
                          }});
}

void frmProcesses::LoadProcesses() {
    SetPointer(tk::MousePointer::Hourglass);
    const auto place = tvProcesses.CurrentPlace([this](HTREEITEM node) {
        const auto row = RowOf(node);
        return row ? std::optional<std::int64_t>(IdOf(*row, processes_, windows_)) : std::nullopt;
    });
    {
        const tk::TreeView::BulkUpdate bulk(tvProcesses, tk::TreeView::BulkScope::Refill);
        const tk::ImageList::Batch batch(imlNodes);
        tvProcesses.Clear();
        rows_.clear();
        icons_.Restart();
        linePicture_ = AddTreeLinePicture(picLine, imlNodes, kLineColor);
        processPicture_ = icons_.AddIcon(LoadIconA(nullptr, IDI_APPLICATION));
        processes_ = ReadProcesses();
        SystemWindows queries = Queries();
        windows_.Load(queries, mAPI::HandleToInt(GetDesktopWindow()), host_.ShowsOnlyVisible());
    }
    Fill();
    tvProcesses.RestorePlace(place, [this](std::int64_t id) { return NodeOfId(id); });
    ShowDetails();
    SetPointer(tk::MousePointer::Default);
}

void frmProcesses::Fill() {
    if (!IsLoaded()) {
        return;
    }
    const auto selected = RowOf(tvProcesses.Selected());
    const std::int64_t selectedId = selected ? IdOf(*selected, processes_, windows_) : -1;
    const std::string text = txtFilter.Text();
    const bool onlyWithWindows = chkWithWindows.Value() == 1;
    // The windows the filter keeps: those whose text holds it, and their ancestors.
    std::vector<bool> keptWindows(windows_.Size(), text.empty());
    if (!text.empty()) {
        std::vector<int> parents;
        parents.reserve(windows_.Size());
        for (WindowList::Index i = 0; i < windows_.Size(); ++i) {
            const auto parent = windows_.Parent(i);
            parents.push_back(parent ? static_cast<int>(*parent) : -1);
            keptWindows[i] = ContainsFolded(windows_.DisplayText(i), text);
        }
        keptWindows = KeptWithAncestors(parents, keptWindows);
    }
    const std::vector<WindowList::Index> ends = SubtreeEnds(windows_);
    std::vector<HTREEITEM> windowNodes(windows_.Size(), nullptr);

    const tk::TreeView::BulkUpdate bulk(tvProcesses, tk::TreeView::BulkScope::Refill);
    tvProcesses.Clear();
    rows_.clear();
    nodes_.clear();
    rowsById_.clear();
    for (std::uint32_t p = 0; p < processes_.size(); ++p) {
        const ProcessRecord& process = processes_[p];
        // A process the filter names shows whole; otherwise only the windows it keeps.
        const std::vector<bool>* kept =
            text.empty() || ProcessMatches(text, process) ? nullptr : &keptWindows;
        const ThreadWindows windows = WindowsOfThreads(process, kept);
        if ((onlyWithWindows && windows.listed == 0) || (kept && windows.shown == 0)) {
            continue;
        }
        const bool open = !text.empty();
        HTREEITEM processNode = AddRow(TVI_ROOT, {Kind::Process, p, 0, 0}, false, open);
        for (std::uint32_t t = 0; t < process.threads.size(); ++t) {
            const auto& tops = windows.tops[t];
            if (kept && tops.empty()) {
                continue;
            }
            HTREEITEM threadNode =
                AddRow(processNode, {Kind::Thread, p, t, 0}, !tops.empty(), open);
            for (const WindowList::Index top : tops) {
                AddWindowNodes(threadNode, {Kind::Window, p, t, top}, ends[top], kept, windowNodes,
                               open);
            }
        }
    }
    if (selectedId >= 0) {
        tvProcesses.Select(NodeOfId(selectedId));
    }
}

frmProcesses::ThreadWindows frmProcesses::WindowsOfThreads(const ProcessRecord& process,
                                                           const std::vector<bool>* kept) const {
    ThreadWindows windows;
    windows.tops.resize(process.threads.size());
    for (std::size_t t = 0; t < process.threads.size(); ++t) {
        for (const std::int32_t handle : process.threads[t].windows) {
            const auto entry = windows_.Find(handle);
            if (!entry || windows_.Parent(*entry) != WindowList::Index{0}) {
                continue; // not in the list, or no longer top-level
            }
            ++windows.listed;
            if (!kept || (*kept)[*entry]) {
                windows.tops[t].push_back(*entry);
                ++windows.shown;
            }
        }
    }
    return windows;
}

void frmProcesses::AddWindowNodes(HTREEITEM threadNode, Row row, WindowList::Index end,
                                  const std::vector<bool>* kept,
                                  std::vector<HTREEITEM>& windowNodes, bool open) {
    const WindowList::Index top = row.entry;
    for (WindowList::Index i = top; i < end; ++i) {
        HTREEITEM parent = i == top ? threadNode : windowNodes[*windows_.Parent(i)];
        if (parent && (!kept || (*kept)[i])) {
            row.entry = i;
            windowNodes[i] = AddRow(parent, row, false, open);
        }
    }
}

HTREEITEM frmProcesses::AddRow(HTREEITEM parent, const Row& row, bool bold, bool expanded) {
    const auto number = static_cast<std::uint32_t>(rows_.size());
    const int picture = row.kind == Kind::Process  ? processPicture_
                        : row.kind == Kind::Thread ? linePicture_
                                                   : windows_.Picture(row.entry);
    HTREEITEM node = tvProcesses.Insert(parent, static_cast<LPARAM>(number), RowText(row), picture,
                                        bold, expanded);
    rows_.push_back(row);
    nodes_.push_back(node);
    rowsById_.emplace(IdOf(row, processes_, windows_), number);
    return node;
}

std::string frmProcesses::RowText(const Row& row) const {
    const ProcessRecord& process = processes_[row.process];
    switch (row.kind) {
    case Kind::Process:
        return ProcessNodeText(process);
    case Kind::Thread: {
        std::size_t shown = 0;
        for (const std::int32_t handle : process.threads[row.thread].windows) {
            const auto entry = windows_.Find(handle);
            shown += entry && windows_.Parent(*entry) == WindowList::Index{0};
        }
        return ThreadNodeText(process.threads[row.thread], shown);
    }
    case Kind::Window:
        return windows_.DisplayText(row.entry);
    }
    return {};
}

std::optional<frmProcesses::Row> frmProcesses::RowOf(HTREEITEM node) const {
    const auto value = tvProcesses.ValueOf(node);
    if (!value || *value < 0 || static_cast<std::size_t>(*value) >= rows_.size() ||
        nodes_[static_cast<std::size_t>(*value)] != node) {
        return std::nullopt;
    }
    return rows_[static_cast<std::size_t>(*value)];
}

std::int64_t frmProcesses::IdOf(const Row& row, const std::vector<ProcessRecord>& processes,
                                const WindowList& windows) {
    const ProcessRecord& process = processes[row.process];
    const std::uint32_t id = row.kind == Kind::Process ? process.processId
                             : row.kind == Kind::Thread
                                 ? process.threads[row.thread].threadId
                                 : static_cast<std::uint32_t>(windows.Handle(row.entry));
    return (static_cast<std::int64_t>(row.kind) << 32) | id;
}

HTREEITEM frmProcesses::NodeOfId(std::int64_t id) const {
    const auto found = rowsById_.find(id);
    return found == rowsById_.end() ? nullptr : nodes_[found->second];
}

HTREEITEM frmProcesses::NodeOfProcess(std::uint32_t processId) const {
    return NodeOfId((static_cast<std::int64_t>(Kind::Process) << 32) | processId);
}

HTREEITEM frmProcesses::NodeOfThread(std::uint32_t threadId) const {
    return NodeOfId((static_cast<std::int64_t>(Kind::Thread) << 32) | threadId);
}

HTREEITEM frmProcesses::NodeOfWindow(std::int32_t handle) const {
    return NodeOfId((static_cast<std::int64_t>(Kind::Window) << 32) |
                    static_cast<std::uint32_t>(handle));
}

void frmProcesses::ShowDetails() {
    const auto row = RowOf(tvProcesses.Selected());
    std::vector<DetailField> fields;
    if (row) {
        const ProcessRecord& process = processes_[row->process];
        switch (row->kind) {
        case Kind::Process:
            fields = ProcessDetails(process, process.WindowCount(), mAPI::GroupedCount);
            break;
        case Kind::Thread: {
            const ThreadRecord& thread = process.threads[row->thread];
            fields = ThreadDetails(process, thread, ReadGuiThread(thread.threadId));
            break;
        }
        case Kind::Window:
            fields = WindowDetails(windows_.Handle(row->entry), windows_.Caption(row->entry),
                                   windows_.ClassName(row->entry), process,
                                   process.threads[row->thread]);
            break;
        }
    }
    std::vector<std::vector<std::string>> lines;
    for (DetailField& field : fields) {
        lines.push_back({std::move(field.name), std::move(field.value)});
    }
    lvDetails.SetRows(lines);
    const bool window = row && row->kind == Kind::Window;
    cmdSelectInTree.SetEnabled(window);
    cmdLogMessages.SetEnabled(window);
}

std::optional<std::int32_t> frmProcesses::SelectedWindow() const {
    const auto row = RowOf(tvProcesses.Selected());
    return row && row->kind == Kind::Window ? std::optional(windows_.Handle(row->entry))
                                            : std::nullopt;
}

void frmProcesses::SelectInTree() {
    const auto window = SelectedWindow();
    if (window && !host_.ChooseWindow(*window)) {
        MessageBeep(MB_ICONEXCLAMATION); // the main tree does not show it now
    }
}

void frmProcesses::LogMessages() {
    if (const auto window = SelectedWindow()) {
        host_.LogMessages(*window);
    }
}

void frmProcesses::ShowWindowOf(std::int32_t handle, const tk::Form& owner) {
    if (IsLoaded()) {
        BringWindowToTop(hWnd());
    } else {
        Show(&owner);
    }
    if (!NodeOfWindow(handle) && !txtFilter.Text().empty()) {
        txtFilter.SetText(""); // the filter left it out
    }
    if (!NodeOfWindow(handle)) {
        LoadProcesses(); // a window made since the last load
    }
    if (tvProcesses.Select(NodeOfWindow(handle))) {
        ShowDetails();
    }
}

bool frmProcesses::CopyFromTree(WORD key) {
    const auto row = RowOf(tvProcesses.Selected());
    if (key != 'C' || !row) {
        return false;
    }
    tk::CopyText(hWnd(), RowText(*row));
    return true;
}

bool frmProcesses::CopyFromDetails(WORD key) {
    if (key != 'C' || lvDetails.Count() == 0) {
        return false;
    }
    // The selected field's value; every field, a line each, without a selection.
    const int selected = lvDetails.SelectedIndex();
    std::string text;
    for (int line = 0; line < lvDetails.Count(); ++line) {
        if (selected < 0) {
            text += lvDetails.Text(line, 0) + "\t" + lvDetails.Text(line, 1) + "\r\n";
        } else if (line == selected) {
            text = lvDetails.Text(line, 1);
        }
    }
    tk::CopyText(hWnd(), text);
    return true;
}

std::optional<wchar_t> frmProcesses::txtFilter_KeyPress(wchar_t key) {
    if (key == 0x1B) { // Escape: every process again
        txtFilter.SetText("");
        return std::nullopt;
    }
    return key;
}

} // namespace vantry
