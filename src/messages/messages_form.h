// "Messages": the log of what one window (with its children, or its whole thread) gets, while a
// hook library inside its process reports it. The log only observes: it sends the window
// nothing and waits for nothing of its, so a hung window cannot hold the form up.
#pragma once

#include "model/message_log.h"
#include "model/message_records.h"
#include "model/message_session.h"
#include "model/window_tree_host.h"
#include "toolkit/list_view.h"
#include "toolkit/menu.h"
#include "toolkit/statusbar.h"
#include "toolkit/timer.h"

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

namespace vantry {

class frmMessages : public MessageLogView {
  public:
    explicit frmMessages(WindowTreeHost& host);
    ~frmMessages() override;

    void LogWindow(std::int32_t handle, const tk::Form& owner) override;

    const MessageLog& Log() const { return log_; }
    // What the status bar says.
    std::string StatusText() const;
    // Takes what the session read (the timer does this ten times a second), naming and
    // decoding as many as a moment allows, or all.
    enum class Pace : std::uint8_t { Budgeted, All };
    void TakeRecords(Pace pace = Pace::Budgeted);

    tk::MenuBar menuBar;
    tk::MenuItem mnuLog{"&Log"};
    tk::MenuItem mnuPause{"&Pause", {VK_F8}};
    tk::MenuItem mnuClear{"C&lear", {'L', true}};
    tk::MenuItem dash0{"-"};
    tk::MenuItem mnuWindowOnly{"This &window only", {}, true};
    tk::MenuItem mnuWithChildren{"With its &children"};
    tk::MenuItem mnuThread{"Its whole &thread"};
    tk::MenuItem dash1{"-"};
    tk::MenuItem mnuSaveAs{"Save Log &As...", {'S', true}};
    tk::MenuItem dash2{"-"};
    tk::MenuItem mnuClose{"&Close"};
    tk::MenuItem mnuFilter{"&Filter"};
    std::array<std::unique_ptr<tk::MenuItem>, kMessageGroupCount> mnuGroups;
    tk::MenuItem dash3{"-"};
    tk::MenuItem mnuOnlyThis{"&Only this message"};
    tk::MenuItem mnuHideThis{"&Hide this message"};
    tk::MenuItem mnuShowAll{"Show &every message"};

    tk::ListView lvMessages;
    tk::StatusBar sbrState{315};
    tk::Timer tmrRead{100};

  private:
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // Logs window_ in scope_ from now on, ending the session before; the log goes on.
    void StartSession();
    void EndSession();
    void SetScope(ring::Scope scope);
    // Takes the records, and ends the session once the window is gone.
    void tmrRead_Timer();
    void mnuPause_Click();
    void mnuClear_Click();
    void mnuSaveAs_Click();
    void ToggleGroup(std::size_t group);
    // The selected line's message as the only one shown, or hidden.
    void PickSelected(bool only);
    void ShowEveryMessage();
    void ApplyFilter(MessageFilter filter);
    bool CopySelected(WORD key);
    void ShowContextMenu(POINT screen);
    std::string CellText(int row, int column) const;
    // By this session and those before it.
    std::uint64_t Dropped() const;
    void UpdateStatus();

    WindowTreeHost& host_;
    std::int32_t window_ = 0;
    ring::Scope scope_ = ring::Scope::Window;
    std::unique_ptr<MessageSession> session_;
    std::deque<ring::RawRecord> backlog_; // taken from the session, not yet in the log
    MessageLog log_;
    SystemMessageNamer namer_;
    MessageRecords records_{namer_};
    std::uint64_t dropped_ = 0; // by sessions already ended
    bool paused_ = false;
    bool windowDestroyed_ = false;
    std::string problem_;
};

} // namespace vantry
