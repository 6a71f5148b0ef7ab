#include "messages/messages_form.h"

#include "core/file_output.h"
#include "core/mapi.h"
#include "core/mapi_win.h"
#include "core/version.h"
#include "toolkit/app.h"
#include "toolkit/clipboard.h"
#include "toolkit/file_dialog.h"

#include <algorithm>
#include <chrono>

namespace vantry {

namespace {

// The filter's groups as the menu shows them, in MessageGroup's order.
constexpr std::array<const char*, kMessageGroupCount> kGroupCaptions = {"&Mouse",
                                                                        "&Keyboard",
                                                                        "&Window",
                                                                        "&Non-client",
                                                                        "&Paint",
                                                                        "&Focus and activation",
                                                                        "&Clipboard",
                                                                        "Con&trols",
                                                                        "&IME",
                                                                        "&Registered",
                                                                        "&User and application"};

// Pixels at 96 DPI, by kMessageColumns.
constexpr std::array<int, kMessageColumns.size()> kColumnWidths = {56, 72, 70,  62, 170,
                                                                   78, 78, 280, 70};

std::vector<tk::ListView::Column> Columns() {
    std::vector<tk::ListView::Column> columns;
    for (std::size_t i = 0; i < kMessageColumns.size(); ++i) {
        columns.push_back({std::string(kMessageColumns[i]), kColumnWidths[i]});
    }
    return columns;
}

// The most a pass of the message loop gives to naming and decoding records; what is left
// waits for the next pass.
constexpr auto kReadBudget = std::chrono::milliseconds(30);
constexpr UINT kReadMore = WM_APP + 1;

} // namespace

frmMessages::frmMessages(WindowTreeHost& host)
    : MessageLogView({"Messages", 11400, 6000, tk::BorderStyle::Sizable}),
      lvMessages({0, 0, 11400, 5685}, Columns(), tk::ListView::Rows::Virtual), host_(host) {
    std::vector<tk::MenuItem*> filterItems;
    for (std::size_t group = 0; group < kMessageGroupCount; ++group) {
        mnuGroups[group] =
            std::make_unique<tk::MenuItem>(kGroupCaptions[group], tk::Shortcut{}, true);
        mnuGroups[group]->Click = [this, group] { ToggleGroup(group); };
        filterItems.push_back(mnuGroups[group].get());
    }
    filterItems.insert(filterItems.end(), {&dash3, &mnuOnlyThis, &mnuHideThis, &mnuShowAll});
    menuBar.AddMenu(mnuLog, {&mnuPause, &mnuClear, &dash0, &mnuWindowOnly, &mnuWithChildren,
                             &mnuThread, &dash1, &mnuSaveAs, &dash2, &mnuClose});
    menuBar.AddMenu(mnuFilter, filterItems);
    SetMenu(menuBar);
    AddControl(lvMessages);
    AddControl(sbrState);
    AddTimer(tmrRead);

    mnuPause.Click = [this] { mnuPause_Click(); };
    mnuClear.Click = [this] { mnuClear_Click(); };
    mnuWindowOnly.Click = [this] { SetScope(ring::Scope::Window); };
    mnuWithChildren.Click = [this] { SetScope(ring::Scope::WithChildren); };
    mnuThread.Click = [this] { SetScope(ring::Scope::Thread); };
    mnuSaveAs.Click = [this] { mnuSaveAs_Click(); };
    mnuClose.Click = [this] { Unload(); };
    mnuOnlyThis.Click = [this] { PickSelected(true); };
    mnuHideThis.Click = [this] { PickSelected(false); };
    mnuShowAll.Click = [this] { ShowEveryMessage(); };
    lvMessages.CellText = [this](int row, int column) { return CellText(row, column); };
    lvMessages.CtrlKey = [this](WORD key) { return CopySelected(key); };
    lvMessages.ContextMenu = [this](POINT screen) { ShowContextMenu(screen); };
    tmrRead.Tick = [this] { tmrRead_Timer(); };
}

frmMessages::~frmMessages() {
    EndSession();
}

void frmMessages::Form_Load() {
    host_.PlaceBesideSelection(*this);
}

void frmMessages::Form_Resize() {
    if (!IsIconic(hWnd())) {
        lvMessages.Move(0, 0, ScaleWidth(), std::max(ScaleHeight() - sbrState.Height(), 0));
    }
}

void frmMessages::Form_Unload() {
    EndSession();
    tmrRead.SetEnabled(false);
}

void frmMessages::LogWindow(std::int32_t handle, const tk::Form& owner) {
    if (!IsLoaded()) {
        Show(&owner);
    } else {
        BringWindowToTop(hWnd());
    }
    // The log starts again: what the last window's session still holds is not worth reading.
    session_.reset();
    backlog_.clear();
    window_ = handle;
    log_.Clear();
    dropped_ = 0;
    lvMessages.SetVirtualRows(0);
    SetCaption("Messages - " + mAPI::HexStr8(handle));
    StartSession();
}

void frmMessages::StartSession() {
    EndSession();
    windowDestroyed_ = false;
    problem_.clear();
    session_ = MessageSession::Start(mAPI::IntToHandle<HWND>(window_), scope_, problem_);
    if (session_) {
        session_->SetPaused(paused_);
        tmrRead.SetEnabled(true);
    }
    UpdateStatus();
}

void frmMessages::EndSession() {
    if (!session_) {
        return;
    }
    session_->Stop();
    TakeRecords(Pace::All);
    dropped_ += session_->Dropped();
    session_.reset();
}

void frmMessages::TakeRecords(Pace pace) {
    if (!session_) {
        return;
    }
    auto taken = session_->Take();
    backlog_.insert(backlog_.end(), std::make_move_iterator(taken.begin()),
                    std::make_move_iterator(taken.end()));
    const bool follow = lvMessages.LastRowVisible();
    const auto start = std::chrono::steady_clock::now();
    std::size_t done = 0;
    while (done < backlog_.size()) {
        const ring::RawRecord& raw = backlog_[done++];
        log_.Add(records_.Read(raw, session_->MicrosOf(raw.time), log_));
        if (pace == Pace::Budgeted && done % 256 == 0 &&
            std::chrono::steady_clock::now() - start > kReadBudget) {
            break;
        }
    }
    backlog_.erase(backlog_.begin(), backlog_.begin() + static_cast<std::ptrdiff_t>(done));
    if (!backlog_.empty()) {
        // The rest after whatever else waits: the user's input first.
        PostMessageA(hWnd(), kReadMore, 0, 0);
    }
    if (done > 0) {
        lvMessages.SetVirtualRows(static_cast<int>(log_.ShownCount()), follow);
    }
    windowDestroyed_ = windowDestroyed_ || session_->WindowGone();
    UpdateStatus();
}

bool frmMessages::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == kReadMore) {
        TakeRecords();
        result = 0;
        return true;
    }
    return MessageLogView::OnMessage(message, wParam, lParam, result);
}

void frmMessages::tmrRead_Timer() {
    TakeRecords();
    if (windowDestroyed_) {
        EndSession();
        tmrRead.SetEnabled(false);
        UpdateStatus();
    }
}

void frmMessages::SetScope(ring::Scope scope) {
    scope_ = scope;
    mnuWindowOnly.SetChecked(scope == ring::Scope::Window);
    mnuWithChildren.SetChecked(scope == ring::Scope::WithChildren);
    mnuThread.SetChecked(scope == ring::Scope::Thread);
    if (window_ != 0) {
        StartSession();
    }
}

void frmMessages::mnuPause_Click() {
    paused_ = !paused_;
    mnuPause.SetChecked(paused_);
    if (session_) {
        session_->SetPaused(paused_);
    }
    UpdateStatus();
}

void frmMessages::mnuClear_Click() {
    log_.Clear();
    lvMessages.SetVirtualRows(0);
    UpdateStatus();
}

std::uint64_t frmMessages::Dropped() const {
    return dropped_ + (session_ ? session_->Dropped() : 0);
}

void frmMessages::mnuSaveAs_Click() {
    const auto choice = tk::AskSaveFormat(hWnd(), "vantry-log.txt", kLogFormats);
    if (!choice) {
        return;
    }
    const LogSummary summary{Dropped(), windowDestroyed_};
    if (const auto problem =
            WriteWholeFile(choice->path, choice->format->write(log_.ShownMessages(), summary))) {
        tk::ShowMessageBox(hWnd(), *problem, VANTRY_TITLE, MB_OK | MB_ICONEXCLAMATION);
    }
}

void frmMessages::ToggleGroup(std::size_t group) {
    MessageFilter filter = log_.Filter();
    filter.hiddenGroups.flip(group);
    mnuGroups[group]->SetChecked(!filter.hiddenGroups.test(group));
    ApplyFilter(std::move(filter));
}

void frmMessages::PickSelected(bool only) {
    MessageFilter filter = log_.Filter();
    if (only) {
        filter.only.clear();
    }
    for (int row : lvMessages.SelectedRows()) {
        const std::string& name = *log_.Shown(static_cast<std::size_t>(row)).name;
        (only ? filter.only : filter.excluded).insert(name);
    }
    ApplyFilter(std::move(filter));
}

void frmMessages::ShowEveryMessage() {
    for (const auto& item : mnuGroups) {
        item->SetChecked(true);
    }
    ApplyFilter({});
}

void frmMessages::ApplyFilter(MessageFilter filter) {
    log_.SetFilter(std::move(filter));
    lvMessages.SetVirtualRows(static_cast<int>(log_.ShownCount()));
    UpdateStatus();
}

bool frmMessages::CopySelected(WORD key) {
    if (key != 'C') {
        return false;
    }
    std::string text;
    for (int row : lvMessages.SelectedRows()) {
        text += MessageLine(log_.Shown(static_cast<std::size_t>(row))) + "\r\n";
    }
    return !text.empty() && tk::CopyText(hWnd(), text);
}

void frmMessages::ShowContextMenu(POINT screen) {
    if (lvMessages.SelectedRows().empty()) {
        return;
    }
    switch (
        tk::ChooseFromMenu(hWnd(), screen, {"&Copy", "&Only this message", "&Hide this message"})) {
    case 1:
        CopySelected('C');
        break;
    case 2:
        PickSelected(true);
        break;
    case 3:
        PickSelected(false);
        break;
    default:
        break;
    }
}

std::string frmMessages::CellText(int row, int column) const {
    if (row < 0 || static_cast<std::size_t>(row) >= log_.ShownCount()) {
        return {};
    }
    return MessageCell(log_.Shown(static_cast<std::size_t>(row)), static_cast<std::size_t>(column));
}

std::string frmMessages::StatusText() const {
    std::string state;
    if (!problem_.empty()) {
        state = problem_;
    } else if (windowDestroyed_) {
        state = "The window was destroyed.";
    } else if (!session_) {
        state = "Not logging.";
    } else {
        state = (paused_ ? "Paused: " : "Logging ") + mAPI::HexStr8(window_) + ".";
    }
    return state + "  Logged " + mAPI::GroupedCount(log_.Logged()) + ", shown " +
           mAPI::GroupedCount(log_.ShownCount()) + ", dropped " + mAPI::GroupedCount(Dropped()) +
           ".";
}

void frmMessages::UpdateStatus() {
    if (IsLoaded()) {
        sbrState.SetSimpleText(StatusText());
    }
}

} // namespace vantry
