// The message log against a live window of another process: the hook library in that process,
// the rings, the reader, the names and the decoding, end to end.
#include "core/mapi.h"
#include "core/mapi_win.h"
#include "model/message_session.h"
#include "test_windows.h"

#include <gtest/gtest.h>

#include <windows.h>

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
        while (GetTickCount64() < end) {
            if (TakeSome()) {
                return true;
            }
            Sleep(20);
        }
        return false;
    }

    std::vector<const LoggedMessage*> Messages() const {
        std::vector<const LoggedMessage*> all;
        for (std::size_t i = 0; i < log_.ShownCount(); ++i) {
            all.push_back(&log_.Shown(i));
        }
        return all;
    }
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

std::string Describe(const LoggedMessage& message) {
    return vantry::MessageLine(message);
}

class MessageLogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fixture_ =
            std::make_unique<testwin::Process>(testwin::BuildFolder() + "\\message_fixture.exe");
        window_ = fixture_->WaitForWindow("VantryMessages", false);
        ASSERT_NE(window_, nullptr);
    }

    std::unique_ptr<testwin::Process> fixture_;
    HWND window_ = nullptr;
};

TEST_F(MessageLogTest, LogsTheScriptedSequenceInOrderWithDecodingAndResults) {
    Log log(window_);
    ASSERT_TRUE(log.Started()) << log.Problem();
    PostMessageW(window_, kScript, 0, 0);
    ASSERT_TRUE(log.WaitForDone());
    const std::string button = mAPI::HexStr8(mAPI::HandleToInt(GetDlgItem(window_, 1001)));
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
        {Kind::Posted, "WM_KEYDOWN", 0, "VK_RETURN repeat=1 scan=0x1C", ""},
        {Kind::Posted, "WM_CHAR", 0, "'a' (0x61) repeat=1 scan=0x1E", ""},
        {Kind::Posted, "WM_LBUTTONDOWN", 0, "x=10 y=20 MK_LBUTTON", ""},
        {Kind::Posted, "WM_APP+4", 0, "", ""},
        {Kind::Posted, "WM_APP+9", 0, "", ""},
    };
    const auto messages = log.Messages();
    std::string all;
    for (const LoggedMessage* message : messages) {
        all += Describe(*message) + "\n";
    }
    ASSERT_EQ(messages.size(), expected.size()) << all;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const LoggedMessage& got = *messages[i];
        SCOPED_TRACE("record " + std::to_string(i) + ": " + Describe(got));
        EXPECT_EQ(got.kind, expected[i].kind);
        EXPECT_EQ(*got.name, expected[i].name);
        EXPECT_EQ(got.depth, expected[i].depth);
        EXPECT_EQ(got.decoded.substr(0, expected[i].decoded.size()), expected[i].decoded);
        EXPECT_EQ(got.window, static_cast<std::uint32_t>(reinterpret_cast<ULONG_PTR>(window_)));
        if (got.kind == Kind::Returned) {
            EXPECT_EQ(vantry::ParamText(got.result), expected[i].result);
        }
    }
    EXPECT_EQ(log.Session().Dropped(), 0u);
}

} // namespace
