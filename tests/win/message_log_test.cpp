// The message log against a live window of another process: the hook library in that process,
// the rings, the reader, the names and the decoding, end to end.
#include "core/mapi.h"
#include "core/mapi_win.h"
#include "main_fixture.h"
#include "messages/messages_form.h"
#include "model/message_session.h"
#include "test_windows.h"
#include "toolkit/app.h"
#include "toolkit/file_dialog.h"
#include "toolkit/loaded_forms.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using vantry::LoggedMessage;
using vantry::ring::Kind;

constexpr UINT kScript = WM_APP + 1;
constexpr UINT kHang = WM_APP + 5;
constexpr UINT kBurst = WM_APP + 6;
constexpr UINT kDestroy = WM_APP + 8;
constexpr UINT kDone = WM_APP + 9;

DWORD WINAPI PostScriptLater(void* window) {
    Sleep(1500);
    PostMessageW(static_cast<HWND>(window), kScript, 0, 0);
    return 0;
}

// A log taken the way the form and /log take it.
class Log {
  public:
    explicit Log(HWND window, vantry::ring::Scope scope = vantry::ring::Scope::Window) {
        session_ = vantry::MessageSession::Start(window, scope, problem_);
    }
    bool Started() const { return session_ != nullptr; }
    const std::string& Problem() const { return problem_; }
    vantry::MessageSession& Session() { return *session_; }

    // Takes records until the fixture's closing kDone has come; false after the timeout.
    bool WaitForDone(DWORD timeoutMs = 20'000) {
        const ULONGLONG end = GetTickCount64() + timeoutMs;
        for (;;) {
            if (TakeSome()) {
                return true;
            }
            if (GetTickCount64() >= end) {
                return false;
            }
            Sleep(20);
        }
    }

    std::vector<const LoggedMessage*> Messages() const { return log_.ShownMessages(); }
    const vantry::MessageLog& Records() const { return log_; }

  private:
    bool TakeSome() {
        bool done = false;
        for (const auto& raw : session_->Take()) {
            done = done || (raw.message == kDone && raw.kind == Kind::Posted);
            log_.Add(records_.Read(raw, session_->MicrosOf(raw.time), log_));
        }
        return done;
    }

    std::string problem_;
    std::unique_ptr<vantry::MessageSession> session_;
    vantry::MessageLog log_;
    vantry::SystemMessageNamer namer_;
    vantry::MessageRecords records_{namer_};
};

struct Expected {
    Kind kind;
    std::string name;
    int depth;
    std::string decoded; // a prefix of the decoding
    std::string result;  // returned records
};

// The fixture's scripted sequence, asked for and then read from the log: exactly these
// records, in this order.
void ExpectScriptedSequence(Log& log, HWND window) {
    PostMessageW(window, kScript, 0, 0);
    ASSERT_TRUE(log.WaitForDone());
    const std::string button = mAPI::HexStr8(mAPI::HandleToInt(GetDlgItem(window, 1001)));
    const std::vector<Expected> expected = {
        {Kind::Posted, "WM_APP+1", 0, "", ""},
        {Kind::Sent, "WM_SETTEXT", 0, "\"Grüße\"", ""},
        {Kind::Returned, "WM_SETTEXT", 0, "", "00000001"},
        {Kind::Sent, "WM_SETTEXT", 0, "\"Привет\"", ""},
        {Kind::Returned, "WM_SETTEXT", 0, "", "00000001"},
        {Kind::Sent, "WM_SETTEXT", 0, "\"日本語\"", ""},
        {Kind::Returned, "WM_SETTEXT", 0, "", "00000001"},
        {Kind::Sent, "WM_APP+2", 0, "", ""},
        {Kind::Sent, "WM_APP+3", 1, "", ""},
        {Kind::Returned, "WM_APP+3", 1, "", "00000009"},
        {Kind::Returned, "WM_APP+2", 0, "", "00000007"},
        {Kind::Sent, "WM_WINDOWPOSCHANGED", 0,
         "x=10 y=20 cx=300 cy=200 after=00000000 SWP_NOZORDER|SWP_NOACTIVATE", ""},
        {Kind::Returned, "WM_WINDOWPOSCHANGED", 0, "", "00000000"},
        {Kind::Sent, "WM_COMMAND", 0, "id=1001 BN_CLICKED control=" + button, ""},
        {Kind::Returned, "WM_COMMAND", 0, "", "00000000"},
        {Kind::Sent, "WM_NOTIFY", 0, "id=1001 NM_CLICK from=" + button, ""},
        {Kind::Returned, "WM_NOTIFY", 0, "", "00000000"},
        {Kind::Sent, "WM_GETTEXT", 0, "max=64", ""},
        {Kind::Returned, "WM_GETTEXT", 0, "\"日本語\"", "00000003"},
        {Kind::Sent, "VantryFixturePing", 0, "", ""},
        {Kind::Returned, "VantryFixturePing", 0, "", "00000000"},
        {Kind::Sent, "WM_NOTIFY", 0, "id=1001 (unreadable)", ""},
        {Kind::Returned, "WM_NOTIFY", 0, "", "00000000"},
        {Kind::Posted, "WM_KEYDOWN", 0, "VK_RETURN repeat=1 scan=0x1C", ""},
        {Kind::Posted, "WM_CHAR", 0, "'a' (0x61) repeat=1 scan=0x1E", ""},
        {Kind::Posted, "WM_LBUTTONDOWN", 0, "x=10 y=20 MK_LBUTTON", ""},
        {Kind::Posted, "WM_APP+4", 0, "", ""},
        {Kind::Posted, "WM_APP+9", 0, "", ""},
    };
    const auto messages = log.Messages();
    std::string all;
    for (const LoggedMessage* message : messages) {
        all += vantry::MessageLine(*message) + "\n";
    }
    ASSERT_EQ(messages.size(), expected.size()) << all;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const LoggedMessage& got = *messages[i];
        SCOPED_TRACE("record " + std::to_string(i) + ": " + vantry::MessageLine(got));
        EXPECT_EQ(got.kind, expected[i].kind);
        EXPECT_EQ(*got.name, expected[i].name);
        EXPECT_EQ(got.depth, expected[i].depth);
        EXPECT_EQ(got.decoded.substr(0, expected[i].decoded.size()), expected[i].decoded);
        EXPECT_EQ(got.window, static_cast<std::uint32_t>(mAPI::HandleToInt(window)));
        if (got.kind == Kind::Returned) {
            EXPECT_EQ(vantry::ParamText(got.result), expected[i].result);
        }
    }
    EXPECT_EQ(log.Session().Dropped(), 0u);
}

// The message fixture's process and hidden window, for a test's life.
class WithMessageFixture {
  protected:
    void StartFixture() {
        fixture_ =
            std::make_unique<testwin::Process>(testwin::BuildFolder() + "\\message_fixture.exe");
        window_ = fixture_->WaitForWindow("VantryMessages", false);
    }

    // The event the fixture sets when it is done with something (see message_fixture.cpp).
    HANDLE FixtureEvent(const wchar_t* suffix) const {
        wchar_t name[80];
        wsprintfW(name, L"Local\\VantryMessageFixture.%lu.%s", fixture_->Id(), suffix);
        return CreateEventW(nullptr, TRUE, FALSE, name);
    }

    std::unique_ptr<testwin::Process> fixture_;
    HWND window_ = nullptr;
};

class MessageLogTest : public ::testing::Test, protected WithMessageFixture {
  protected:
    void SetUp() override {
        StartFixture();
        ASSERT_NE(window_, nullptr);
    }
};

// The form as the user has it: opened from Main, driven through its menus.
class MessagesFormTest : public MainTest, protected WithMessageFixture {
  protected:
    void SetUp() override {
        StartFixture();
        ASSERT_NE(window_, nullptr);
        LoadMain();
        form_ = std::make_unique<vantry::frmMessages>(*main_);
        main_->SetForms({nullptr, nullptr, nullptr, nullptr, form_.get()});
    }
    void TearDown() override {
        if (form_ && tk::IsFormLoaded(*form_)) {
            form_->Unload();
        }
    }

    void ChooseInForm(const tk::MenuItem& item) {
        SendMessageA(form_->hWnd(), WM_COMMAND, item.Id(), 0);
    }
    // Lets the form's timer take records until the log holds count of them.
    bool WaitForLogged(std::uint64_t count) {
        for (int wait = 0; wait < 400; ++wait) {
            tk::DoEvents();
            if (form_->Log().Logged() >= count) {
                return true;
            }
            Sleep(25);
        }
        return false;
    }
    int Rows() const { return form_->lvMessages.Count(); }
    std::string Cell(int row, int column) const { return form_->lvMessages.Text(row, column); }
    void SelectRows(std::initializer_list<int> rows) {
        ListView_SetItemState(form_->lvMessages.hWnd(), -1, 0, LVIS_SELECTED);
        for (int row : rows) {
            ListView_SetItemState(form_->lvMessages.hWnd(), row, LVIS_SELECTED, LVIS_SELECTED);
        }
    }

    std::unique_ptr<vantry::frmMessages> form_;
};

} // namespace

TEST_F(MessageLogTest, LogsTheScriptedSequenceInOrderWithDecodingAndResults) {
    Log log(window_);
    ASSERT_TRUE(log.Started()) << log.Problem();
    ExpectScriptedSequence(log, window_);
}

TEST(MessageLogOtherProcessor, LogsAProgramOfTheOtherProcessorThroughTheHelper) {
    const testwin::OtherProcessorFixture other("message_fixture", "VantryMessages", false);
    if (!other.WhyNot().empty()) {
        GTEST_SKIP() << other.WhyNot();
    }
    ASSERT_NE(other.Window(), nullptr);
    Log log(other.Window());
    ASSERT_TRUE(log.Started()) << log.Problem();
    ExpectScriptedSequence(log, other.Window());
}

TEST_F(MessageLogTest, ABurstIsLoggedOrCountedDroppedToTheLastMessage) {
    HANDLE done = FixtureEvent(L"Done");
    Log log(window_);
    ASSERT_TRUE(log.Started()) << log.Problem();
    constexpr WPARAM kMessages = 100'000;
    PostMessageW(window_, kBurst, kMessages, 0);
    // Taken as they come, as the form takes them.
    while (WaitForSingleObject(done, 50) == WAIT_TIMEOUT) {
        log.WaitForDone(0);
    }
    CloseHandle(done);
    log.WaitForDone(5000);
    log.Session().Stop();
    log.WaitForDone(0);
    // Each sent message is logged twice, sent and returned, between the two posted ones.
    EXPECT_EQ(log.Records().Logged() + log.Session().Dropped(), 2 * kMessages + 2)
        << log.Records().Logged() << " logged, " << log.Session().Dropped() << " dropped";
}

TEST_F(MessageLogTest, AKilledLoggerLeavesTheTargetWorkingAndItsHookQuiet) {
    testwin::Process logger(testwin::VantryPath(),
                            "/log " + mAPI::HexStr8(mAPI::HandleToInt(window_)) + " /seconds 60");
    // Its hook is in the target once the target has loaded the library.
    const char* library = sizeof(void*) == 8 ? "vantryhook64.dll" : "vantryhook.dll";
    bool hooked = false;
    for (int wait = 0; wait < 200 && !hooked; ++wait) {
        PostMessageW(window_, WM_NULL, 0, 0);
        Sleep(50);
        hooked = testwin::ProcessHasModule(fixture_->Id(), library);
    }
    ASSERT_TRUE(hooked);
    Sleep(300);
    logger.End();
    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer), 0);
    // Once the dead session's heartbeat is old, the library lets go of its ring.
    Sleep(vantry::ring::kHeartbeatTimeoutMs + 500);
    EXPECT_NE(SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer), 0);
    wchar_t name[64];
    wsprintfW(name, vantry::ring::kRingNameFormat, GetWindowThreadProcessId(window_, nullptr));
    HANDLE left = OpenFileMappingW(FILE_MAP_READ, FALSE, name);
    EXPECT_EQ(left, nullptr);
    if (left) {
        CloseHandle(left);
    }
    // A new session gets each record once, though the killed one's hooks are still there.
    Log log(window_);
    ASSERT_TRUE(log.Started()) << log.Problem();
    Sleep(700); // the library looks for a new ring at most twice a second
    ExpectScriptedSequence(log, window_);
}

TEST_F(MessageLogTest, ANewSessionTakesOverTheRingOfAKilledOneAtOnce) {
    {
        testwin::Process logger(testwin::VantryPath(),
                                "/log " + mAPI::HexStr8(mAPI::HandleToInt(window_)) +
                                    " /seconds 60");
        Sleep(1500);
    }
    Log log(window_);
    ASSERT_TRUE(log.Started()) << log.Problem();
    ExpectScriptedSequence(log, window_);
}

TEST_F(MessageLogTest, TheLogEndsWhenTheWatchedWindowIsDestroyed) {
    Log log(window_);
    ASSERT_TRUE(log.Started()) << log.Problem();
    PostMessageW(window_, kDestroy, 0, 0);
    for (int wait = 0; wait < 200 && !log.Session().WindowGone(); ++wait) {
        Sleep(50);
    }
    ASSERT_TRUE(log.Session().WindowGone());
    log.Session().Stop();
    log.WaitForDone(0);
    std::vector<std::string> names;
    for (const LoggedMessage* message : log.Messages()) {
        names.push_back(*message->name);
    }
    EXPECT_NE(std::find(names.begin(), names.end(), "WM_DESTROY"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "WM_NCDESTROY"), names.end());
}

TEST_F(MessageLogTest, AHungTargetHoldsNothingUp) {
    HANDLE awake = FixtureEvent(L"Awake");
    PostMessageW(window_, kHang, 0, 5000);
    Sleep(200);
    {
        Log log(window_);
        ASSERT_TRUE(log.Started()) << log.Problem();
        log.WaitForDone(300);
        log.Session().SetPaused(true);
    } // unhooked and ended
    // All of it happened while the target still hung.
    EXPECT_EQ(WaitForSingleObject(awake, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_EQ(WaitForSingleObject(awake, 10'000), static_cast<DWORD>(WAIT_OBJECT_0));
    CloseHandle(awake);
}

TEST_F(MessageLogTest, TheCommandLineLogsToAFileWithItsExitCodes) {
    const std::string handle = mAPI::HexStr8(mAPI::HandleToInt(window_));
    char folder[MAX_PATH] = {};
    GetTempPathA(sizeof folder, folder);
    const std::string out = std::string(folder) + "vantry-log-test.json";
    DeleteFileA(out.c_str());
    // The script runs while the command logs.
    HANDLE poster = CreateThread(nullptr, 0, PostScriptLater, window_, 0, nullptr);
    const testwin::ProgramRun run = testwin::RunProgram(
        testwin::VantryPath(), "/log " + handle + " /seconds 4 /json /out \"" + out + "\"");
    WaitForSingleObject(poster, INFINITE);
    CloseHandle(poster);
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    const auto json = nlohmann::json::parse(testwin::ReadWholeFile(out), nullptr, false);
    ASSERT_TRUE(json.is_object());
    EXPECT_EQ(json["dropped"], 0);
    std::vector<std::string> texts;
    for (const auto& record : json["messages"]) {
        EXPECT_EQ(record["window"], handle);
        if (record["message"] == "WM_SETTEXT" && record["kind"] == "sent") {
            texts.push_back(record["decoded"]);
        }
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"\"Grüße\"", "\"Привет\"", "\"日本語\""}));
    DeleteFileA(out.c_str());

    EXPECT_EQ(testwin::RunProgram(testwin::VantryPath(), "/log " + handle + " /seconds 0").exitCode,
              2u);
    EXPECT_EQ(testwin::RunProgram(testwin::VantryPath(), "/log 0000ABCG").exitCode, 2u);
    EXPECT_EQ(testwin::RunProgram(testwin::VantryPath(), "/log 00000000").exitCode, 3u);
    const std::string unwritable = std::string(folder) + "no-such-folder\\x.txt";
    EXPECT_EQ(testwin::RunProgram(testwin::VantryPath(),
                                  "/log " + handle + " /seconds 1 /out \"" + unwritable + "\"")
                  .exitCode,
              1u);
}

TEST_F(MessagesFormTest, TheViewMenuLogsTheSelectedWindow) {
    HWND own = windows_.TopLevel("logged here", {40, 40, 300, 200});
    Choose(main_->mnuUpdate);
    ASSERT_TRUE(main_->SelectWindow(mAPI::HandleToInt(own)));
    Choose(main_->mnuMessages);
    ASSERT_TRUE(tk::IsFormLoaded(*form_));
    const std::string handle = mAPI::HexStr8(mAPI::HandleToInt(own));
    EXPECT_EQ(form_->Caption(), "Messages - " + handle);
    EXPECT_EQ(form_->StatusText().substr(0, 17), "Logging " + handle + ".");
    SetWindowTextA(own, "h\u00E9llo"); // an ANSI window, in the UTF-8 code page
    bool found = false;
    for (int wait = 0; wait < 200 && !found; ++wait) {
        tk::DoEvents();
        for (int row = 0; row < Rows() && !found; ++row) {
            found = Cell(row, 4) == "WM_SETTEXT" && Cell(row, 3) == "sent" &&
                    Cell(row, 7) == "\"h\u00E9llo\"" && Cell(row, 2) == handle;
        }
        Sleep(25);
    }
    EXPECT_TRUE(found);
}

TEST_F(MessagesFormTest, FiltersPausesCopiesSavesAndClears) {
    form_->LogWindow(mAPI::HandleToInt(window_), *main_);
    PostMessageW(window_, kScript, 0, 0);
    ASSERT_TRUE(WaitForLogged(28)) << form_->StatusText();
    ASSERT_EQ(Rows(), 28);
    EXPECT_EQ(Cell(1, 4), "WM_SETTEXT");
    EXPECT_EQ(Cell(1, 7), "\"Gr\u00FC\u00DFe\"");
    EXPECT_EQ(Cell(8, 4), "  WM_APP+3"); // nested in WM_APP+2
    EXPECT_EQ(Cell(10, 8), "00000007");
    EXPECT_EQ(form_->StatusText(), "Logging " + mAPI::HexStr8(mAPI::HandleToInt(window_)) +
                                       ".  Logged 28, shown 28, dropped 0.");

    ChooseInForm(*form_->mnuGroups[static_cast<std::size_t>(vantry::MessageGroup::Mouse)]);
    EXPECT_EQ(Rows(), 27);
    SelectRows({1});
    ChooseInForm(form_->mnuOnlyThis);
    EXPECT_EQ(Rows(), 6);
    ChooseInForm(form_->mnuShowAll);
    EXPECT_EQ(Rows(), 28);
    SelectRows({1});
    ChooseInForm(form_->mnuHideThis);
    EXPECT_EQ(Rows(), 22);
    ChooseInForm(form_->mnuShowAll);

    SelectRows({1, 2});
    SetFocus(form_->lvMessages.hWnd());
    {
        testwin::HeldKeys ctrl({VK_CONTROL});
        SendMessageA(form_->lvMessages.hWnd(), WM_KEYDOWN, 'C', 0);
    }
    const std::string copied = testwin::ClipboardText();
    EXPECT_NE(copied.find("sent  WM_SETTEXT"), std::string::npos) << copied;
    EXPECT_NE(copied.find("returned  WM_SETTEXT"), std::string::npos) << copied;
    EXPECT_EQ(std::count(copied.begin(), copied.end(), '\n'), 2);

    char folder[MAX_PATH] = {};
    GetTempPathA(sizeof folder, folder);
    const std::string path = std::string(folder) + "vantry-form-log.json";
    const auto previous = tk::SetSaveFileHandler([&](HWND, const tk::SaveFileRequest& request) {
        EXPECT_EQ(request.filters.size(), 3u);
        return std::optional<tk::SaveFileChoice>(tk::SaveFileChoice{path, 2});
    });
    ChooseInForm(form_->mnuSaveAs);
    tk::SetSaveFileHandler(previous);
    const auto json = nlohmann::json::parse(testwin::ReadWholeFile(path), nullptr, false);
    ASSERT_TRUE(json.is_object());
    EXPECT_EQ(json["messages"].size(), 28u);
    DeleteFileA(path.c_str());

    // Paused, the hook writes nothing; resumed, it logs again.
    ChooseInForm(form_->mnuPause);
    EXPECT_EQ(form_->StatusText().substr(0, 7), "Paused:");
    PostMessageW(window_, kScript, 0, 0);
    for (int i = 0; i < 20; ++i) {
        tk::DoEvents();
        Sleep(25);
    }
    EXPECT_EQ(form_->Log().Logged(), 28u);
    ChooseInForm(form_->mnuPause);
    PostMessageW(window_, kScript, 0, 0);
    ASSERT_TRUE(WaitForLogged(56));
    ChooseInForm(form_->mnuClear);
    EXPECT_EQ(Rows(), 0);
}

TEST_F(MessagesFormTest, SaysWhenTheWatchedWindowIsDestroyed) {
    form_->LogWindow(mAPI::HandleToInt(window_), *main_);
    PostMessageW(window_, kDestroy, 0, 0);
    for (int wait = 0; wait < 200 && form_->StatusText().find("destroyed") == std::string::npos;
         ++wait) {
        tk::DoEvents();
        Sleep(25);
    }
    EXPECT_EQ(form_->StatusText().substr(0, 26), "The window was destroyed. ");
    // Its last messages are in the log.
    bool destroyed = false;
    for (int row = 0; row < Rows(); ++row) {
        destroyed = destroyed || Cell(row, 4) == "WM_NCDESTROY";
    }
    EXPECT_TRUE(destroyed);
}
