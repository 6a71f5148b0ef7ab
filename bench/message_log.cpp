// Messages a second through the message log's hook against the same three hooks doing nothing,
// and against no hook, on the same window of another process; drops at a paced 5,000 a second;
// and the longest the log's form holds up its message loop while a burst comes.
#include "core/mapi_win.h"
#include "messages/messages_form.h"
#include "model/message_hooks.h"
#include "test_windows.h"
#include "timing.h"
#include "toolkit/app.h"
#include "tree/main_form.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr UINT kBurst = WM_APP + 6;
constexpr WPARAM kMessages = 50'000;

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

class Fixture {
  public:
    Fixture() : process_(testwin::BuildFolder() + "\\message_fixture.exe", "600") {
        window_ = process_.WaitForWindow("VantryMessages", false);
        wchar_t name[80];
        wsprintfW(name, L"Local\\VantryMessageFixture.%lu.Done", process_.Id());
        done_ = CreateEventW(nullptr, FALSE, FALSE, name);
    }
    ~Fixture() { CloseHandle(done_); }
    HWND Window() const { return window_; }
    DWORD Thread() const { return GetWindowThreadProcessId(window_, nullptr); }

    // Seconds for the fixture's burst of count messages, at most rate a second (0: as fast as
    // they go); pump runs while it waits.
    double Burst(WPARAM count, LPARAM rate, const std::function<void()>& pump = {}) {
        const double start = Now();
        PostMessageW(window_, kBurst, count, rate);
        while (WaitForSingleObject(done_, pump ? 1 : INFINITE) == WAIT_TIMEOUT) {
            pump();
        }
        return Now() - start;
    }

  private:
    testwin::Process process_;
    HWND window_ = nullptr;
    HANDLE done_ = nullptr;
};

// The three hooks of the no-op library on the thread while it lives.
class NoopHooks {
  public:
    explicit NoopHooks(DWORD thread) {
        library_ = LoadLibraryW(vantry::hooks::PathBeside("noop_hook.dll").c_str());
        auto proc = reinterpret_cast<HOOKPROC>(
            reinterpret_cast<void*>(GetProcAddress(library_, "NoopHook")));
        for (int kind : {WH_CALLWNDPROC, WH_CALLWNDPROCRET, WH_GETMESSAGE}) {
            hooks_.push_back(SetWindowsHookExW(kind, proc, library_, thread));
        }
    }
    ~NoopHooks() {
        for (HHOOK hook : hooks_) {
            UnhookWindowsHookEx(hook);
        }
        FreeLibrary(library_);
    }

  private:
    HMODULE library_ = nullptr;
    std::vector<HHOOK> hooks_;
};

} // namespace

int main() {
    tk::InitToolkit(GetModuleHandleA(nullptr));
    Fixture fixture;
    fixture.Burst(1000, 0); // the first messages load what the sender needs

    // Alternating rounds, medians: this machine's speed drifts.
    std::vector<double> none, noop, logged;
    std::uint64_t drops = 0;
    for (int round = 0; round < 3; ++round) {
        none.push_back(kMessages / fixture.Burst(kMessages, 0));
        {
            NoopHooks hooks(fixture.Thread());
            noop.push_back(kMessages / fixture.Burst(kMessages, 0));
        }
        std::string problem;
        auto session =
            vantry::MessageSession::Start(fixture.Window(), vantry::ring::Scope::Window, problem);
        if (!session) {
            std::printf("message_log: %s\n", problem.c_str());
            return 1;
        }
        std::size_t taken = 0;
        logged.push_back(kMessages /
                         fixture.Burst(kMessages, 0, [&] { taken += session->Take().size(); }));
        session->Stop();
        taken += session->Take().size();
        drops += session->Dropped();
    }
    std::printf("message_log_no_hook: %.0f messages/s\n", bench::Median(none));
    std::printf("message_log_noop_hook: %.0f messages/s\n", bench::Median(noop));
    std::printf("message_log_logging_hook: %.0f messages/s\n", bench::Median(logged));
    std::printf("message_log_ratio_to_noop: %.2f\n", bench::Median(logged) / bench::Median(noop));
    std::printf("message_log_slowdown_vs_no_hook: %.2fx\n",
                bench::Median(none) / bench::Median(logged));
    std::printf("message_log_drops_unpaced: %llu\n", static_cast<unsigned long long>(drops));

    // Paced at 5,000 a second, taken by the form as a user has it open; the loop is this
    // program's message loop, and its longest pass is the longest the form held it up.
    vantry::Main main;
    vantry::frmMessages form(main);
    main.SetForms({nullptr, nullptr, nullptr, nullptr, &form});
    main.Show();
    form.LogWindow(mAPI::HandleToInt(fixture.Window()), main);
    constexpr WPARAM kPaced = 20'000;
    const auto pumpAll = [] {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    };
    for (int i = 0; i < 20; ++i) { // the forms' first painting is no stall of the log's
        pumpAll();
        Sleep(10);
    }
    // The longest one message took to handle, whichever it was.
    double worst = 0;
    UINT worstMessage = 0;
    const double seconds = fixture.Burst(kPaced, 5000, [&] {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            const double start = Now();
            DispatchMessageW(&message);
            if (Now() - start > worst) {
                worst = Now() - start;
                worstMessage = message.message;
            }
        }
    });
    Sleep(300);
    form.TakeRecords(vantry::frmMessages::Pace::All);
    const std::uint64_t expected = 2 * kPaced + 2;
    std::printf("message_log_paced_rate: %.0f messages/s\n", kPaced / seconds);
    std::printf("message_log_paced_drops: %llu of %llu records\n",
                static_cast<unsigned long long>(
                    expected - std::min<std::uint64_t>(expected, form.Log().Logged())),
                static_cast<unsigned long long>(expected));
    std::printf("message_log_worst_stall: %.1f ms (message 0x%04X)\n", worst * 1000, worstMessage);
    return 0;
}
