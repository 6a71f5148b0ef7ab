// The processes view: a program's threads and their windows under it, read against the
// system's own lists, with a thread that hangs, a process of the other processor, and the way
// back and forth between it and the main tree.
#include "core/mapi.h"
#include "main_fixture.h"
#include "processes/processes_form.h"
#include "properties/properties_form.h"
#include "toolkit/loaded_forms.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <map>
#include <set>
#include <tlhelp32.h>

namespace {

constexpr UINT kHang = WM_APP + 1;

// The fixture's threads and their top-level windows, as Toolhelp and EnumThreadWindows list
// them, independently of the program.
BOOL CALLBACK AddWindowHandle(HWND window, LPARAM handles) {
    reinterpret_cast<std::set<std::string>*>(handles)->insert(
        mAPI::HexStr8(mAPI::HandleToInt(window)));
    return TRUE;
}

std::map<DWORD, std::set<std::string>> EnumeratedThreads(DWORD process) {
    std::map<DWORD, std::set<std::string>> threads;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 thread{};
    thread.dwSize = sizeof thread;
    for (BOOL more = Thread32First(snapshot, &thread); more;
         more = Thread32Next(snapshot, &thread)) {
        if (thread.th32OwnerProcessID == process) {
            EnumThreadWindows(thread.th32ThreadID, AddWindowHandle,
                              reinterpret_cast<LPARAM>(&threads[thread.th32ThreadID]));
        }
    }
    CloseHandle(snapshot);
    return threads;
}

std::string ThisProcessorBits() {
    return sizeof(void*) == 8 ? "64-bit" : "32-bit";
}

class ProcessesTest : public MainTest {
  protected:
    void SetUp() override {
        fixture_ = std::make_unique<testwin::Process>(
            testwin::BuildFolder() + "\\threads_fixture.exe", "2 60");
        ASSERT_NE(fixture_->WaitForWindow("VantryThreads"), nullptr);
        for (int i = 0; i < 2; ++i) {
            const std::string caption = "threads fixture " + std::to_string(i);
            for (int wait = 0; wait < 100 && !threadWindows_[i]; ++wait) {
                threadWindows_[i] = FindWindowA("VantryThreads", caption.c_str());
                Sleep(wait ? 50 : 0);
            }
            ASSERT_NE(threadWindows_[i], nullptr) << caption;
        }
        LoadMain();
        form_ = std::make_unique<vantry::frmProcesses>(*main_);
        properties_ = std::make_unique<vantry::frmProperties>(*main_);
        main_->SetForms({properties_.get(), nullptr, nullptr, form_.get()});
        Choose(main_->mnuProcesses);
        ASSERT_TRUE(tk::IsFormLoaded(*form_));
    }

    HWND View() const { return form_->tvProcesses.hWnd(); }
    HTREEITEM Parent(HTREEITEM node) const { return TreeView_GetParent(View(), node); }
    std::string Text(HTREEITEM node) const { return form_->tvProcesses.NodeText(node); }
    HTREEITEM WindowNode(HWND window) const {
        return form_->NodeOfWindow(mAPI::HandleToInt(window));
    }
    static DWORD ThreadOf(HWND window) { return GetWindowThreadProcessId(window, nullptr); }
    // The details pane's value of a field, after a click on the node.
    std::string Detail(HTREEITEM node, const std::string& name) {
        ClickTreeNode(View(), node);
        for (int row = 0; row < form_->lvDetails.Count(); ++row) {
            if (form_->lvDetails.Text(row, 0) == name) {
                return form_->lvDetails.Text(row, 1);
            }
        }
        ADD_FAILURE() << "no field " << name;
        return {};
    }
    void PressF5() {
        PostMessageA(View(), WM_KEYDOWN, VK_F5, 0);
        tk::DoEvents();
    }

    std::unique_ptr<testwin::Process> fixture_;
    HWND threadWindows_[2] = {};
    std::unique_ptr<vantry::frmProcesses> form_;
    std::unique_ptr<vantry::frmProperties> properties_;
};

} // namespace

TEST_F(ProcessesTest, EachThreadShowsItsOwnWindowsUnderTheProcess) {
    HTREEITEM process = form_->NodeOfProcess(fixture_->Id());
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(Text(process), "threads_fixture.exe  " + std::to_string(fixture_->Id()) + " (" +
                                 mAPI::HexStr8(static_cast<std::int32_t>(fixture_->Id())) + ")  " +
                                 ThisProcessorBits());
    ASSERT_NE(ThreadOf(threadWindows_[0]), ThreadOf(threadWindows_[1]));
    for (HWND window : threadWindows_) {
        HTREEITEM thread = form_->NodeOfThread(ThreadOf(window));
        ASSERT_NE(thread, nullptr);
        EXPECT_EQ(Parent(thread), process);
        EXPECT_EQ(Parent(WindowNode(window)), thread); // not under the other thread
        EXPECT_EQ(Text(thread), "Thread " + std::to_string(ThreadOf(window)) + " (" +
                                    mAPI::HexStr8(static_cast<std::int32_t>(ThreadOf(window))) +
                                    "), 1 window");
        HWND button = GetWindow(window, GW_CHILD);
        EXPECT_EQ(Parent(WindowNode(button)), WindowNode(window));
        // The same text as the main tree's node.
        EXPECT_EQ(Text(WindowNode(window)), main_->tvTree.NodeText(NodeOf(window)));
    }

    EXPECT_TRUE(Detail(process, "Path").ends_with("\\threads_fixture.exe"));
    EXPECT_EQ(Detail(process, "Bitness"), ThisProcessorBits());
    EXPECT_EQ(Detail(process, "Parent ID").substr(0, Detail(process, "Parent ID").find(' ')),
              std::to_string(GetCurrentProcessId()));
    std::size_t topLevel = 0; // the hidden ones the system makes for a GUI thread included
    for (const auto& [thread, windows] : EnumeratedThreads(fixture_->Id())) {
        topLevel += windows.size();
    }
    EXPECT_EQ(Detail(process, "Windows"), std::to_string(topLevel));
    EXPECT_NE(Detail(process, "Started"), "n/a");
    HTREEITEM thread = form_->NodeOfThread(ThreadOf(threadWindows_[1]));
    EXPECT_EQ(Detail(thread, "Process"),
              "threads_fixture.exe  " + std::to_string(fixture_->Id()) + " (" +
                  mAPI::HexStr8(static_cast<std::int32_t>(fixture_->Id())) + ")");
    EXPECT_EQ(Detail(WindowNode(threadWindows_[1]), "Caption"), "threads fixture 1");
    EXPECT_TRUE(IsWindowEnabled(form_->cmdSelectInTree.hWnd())); // a window: the link back
    Detail(thread, "Thread ID");
    EXPECT_FALSE(IsWindowEnabled(form_->cmdSelectInTree.hWnd()));
}

// Nothing the view reads waits for a window procedure: it loads and describes a thread whose
// procedure sleeps, and the thread is still asleep when the load is done.
TEST_F(ProcessesTest, AHungThreadNeitherHoldsTheViewUpNorLosesItsWindows) {
    SetWindowTextA(threadWindows_[1], "renamed before it hung"); // sent: it must come first
    PostMessageA(threadWindows_[1], kHang, 0, 30000);
    DWORD_PTR answer = 0;
    for (int wait = 0; wait < 100 && SendMessageTimeoutA(threadWindows_[1], WM_NULL, 0, 0,
                                                         SMTO_ABORTIFHUNG, 20, &answer);
         ++wait) {
    }
    PressF5();
    HTREEITEM window = WindowNode(threadWindows_[1]);
    ASSERT_NE(window, nullptr);
    EXPECT_NE(Text(window).find("\"renamed before it hung\""), std::string::npos);
    HTREEITEM thread = form_->NodeOfThread(ThreadOf(threadWindows_[1]));
    EXPECT_EQ(Detail(thread, "Thread ID").substr(0, Detail(thread, "Thread ID").find(' ')),
              std::to_string(ThreadOf(threadWindows_[1])));
    EXPECT_EQ(SendMessageTimeoutA(threadWindows_[1], WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 20, &answer),
              0)
        << "the thread woke before the view was done";
}

TEST_F(ProcessesTest, AProcessOfTheOtherProcessorShowsWhatCanBeRead) {
    const testwin::OtherProcessorFixture other;
    if (!other.WhyNot().empty()) {
        GTEST_SKIP() << other.WhyNot();
    }
    PressF5();
    HTREEITEM process = form_->NodeOfProcess(other.Id());
    ASSERT_NE(process, nullptr);
    const std::string otherBits = ThisProcessorBits() == "64-bit" ? "32-bit" : "64-bit";
    EXPECT_TRUE(Text(process).ends_with(otherBits)) << Text(process);
    const std::string exeName = other.Path().substr(other.Path().find_last_of('\\'));
    EXPECT_TRUE(Detail(process, "Path").ends_with(exeName));
    EXPECT_EQ(Parent(WindowNode(other.Window())), form_->NodeOfThread(ThreadOf(other.Window())));
}

// A process that ends while the view shows it keeps its node until F5, and what can no longer
// be read of it reads "n/a"; F5 then leaves it out.
TEST_F(ProcessesTest, AProcessThatEndsShowsNotAvailableAndGoesAtTheNextLoad) {
    testwin::Process quitter(testwin::BuildFolder() + "\\sample_window.exe", "60");
    ASSERT_NE(quitter.WaitForWindow(), nullptr);
    PressF5();
    HTREEITEM process = form_->NodeOfProcess(quitter.Id());
    ASSERT_NE(process, nullptr);
    const HWND sample = quitter.WaitForWindow();
    HTREEITEM thread = form_->NodeOfThread(ThreadOf(sample));
    quitter.End();
    EXPECT_EQ(Detail(thread, "Active window"), "n/a"); // read at the click: the thread is gone
    PressF5();
    EXPECT_EQ(form_->NodeOfProcess(quitter.Id()), nullptr);
}

TEST_F(ProcessesTest, ShowInProcessesAndTheLinkBackToTheTree) {
    // Opened from the menu, it opens at the main tree's current window.
    form_->Unload();
    ASSERT_TRUE(main_->SelectWindow(mAPI::HandleToInt(threadWindows_[1])));
    Choose(main_->mnuProcesses);
    EXPECT_EQ(form_->tvProcesses.Selected(), WindowNode(threadWindows_[1]));

    Choose(main_->mnuWindowProps);
    ASSERT_TRUE(main_->SelectWindow(mAPI::HandleToInt(threadWindows_[0])));
    form_->txtFilter.SetText("no process is called this");
    form_->ShowWindowOf(main_->GetCurhWnd(), *main_);
    EXPECT_EQ(form_->txtFilter.Text(), ""); // the filter had left it out
    HTREEITEM selected = form_->tvProcesses.Selected();
    EXPECT_EQ(selected, WindowNode(threadWindows_[0]));
    EXPECT_EQ(Parent(Parent(selected)), form_->NodeOfProcess(fixture_->Id()));

    // A window made since the view loaded: it loads again to show it.
    testwin::Windows made;
    HWND late = made.TopLevel("made after the load", {20, 20, 200, 200});
    Choose(main_->mnuUpdate);
    form_->ShowWindowOf(mAPI::HandleToInt(late), *main_);
    EXPECT_EQ(form_->tvProcesses.Selected(), WindowNode(late));

    // The link selects the window in the main tree, as a click there would: the properties
    // form follows.
    ClickTreeNode(View(), WindowNode(threadWindows_[1]));
    SendMessageA(form_->cmdSelectInTree.hWnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(main_->GetCurhWnd(), mAPI::HandleToInt(threadWindows_[1]));
    EXPECT_EQ(properties_->general.txthWin.Text(),
              mAPI::HexStr8(mAPI::HandleToInt(threadWindows_[1])));
}

TEST_F(ProcessesTest, F5KeepsThePlaceAndTheFilterNarrows) {
    HTREEITEM process = form_->NodeOfProcess(fixture_->Id());
    form_->tvProcesses.SetExpanded(process, true);
    form_->tvProcesses.SetExpanded(form_->NodeOfThread(ThreadOf(threadWindows_[1])), true);
    ClickTreeNode(View(), WindowNode(threadWindows_[1]));
    PressF5();
    EXPECT_EQ(form_->tvProcesses.Selected(), WindowNode(threadWindows_[1]));
    EXPECT_TRUE(form_->tvProcesses.Expanded(form_->NodeOfProcess(fixture_->Id())));
    EXPECT_FALSE(form_->tvProcesses.Expanded(form_->NodeOfThread(ThreadOf(threadWindows_[0]))));

    // By caption: the process, the matching window's thread and the window, not the other.
    form_->txtFilter.SetText("THREADS FIXTURE 1");
    EXPECT_NE(form_->NodeOfProcess(fixture_->Id()), nullptr);
    EXPECT_NE(WindowNode(threadWindows_[1]), nullptr);
    EXPECT_EQ(WindowNode(threadWindows_[0]), nullptr);
    EXPECT_EQ(form_->NodeOfThread(ThreadOf(threadWindows_[0])), nullptr);
    EXPECT_EQ(form_->tvProcesses.Selected(), WindowNode(threadWindows_[1])); // still selected
    // By id, in decimal or hex: the whole process.
    for (const std::string& text :
         {std::to_string(fixture_->Id()), mAPI::HexStr8(static_cast<int>(fixture_->Id()))}) {
        form_->txtFilter.SetText(text);
        EXPECT_NE(WindowNode(threadWindows_[0]), nullptr) << text;
        EXPECT_NE(WindowNode(threadWindows_[1]), nullptr) << text;
    }
    SendMessageA(form_->txtFilter.hWnd(), WM_CHAR, 0x1B, 0); // Escape
    EXPECT_EQ(form_->txtFilter.Text(), "");

    // Processes without windows come and go with the check box; this one has none.
    const HTREEITEM self = form_->NodeOfProcess(GetCurrentProcessId());
    EXPECT_NE(self, nullptr); // the tests' own process has windows
    form_->chkWithWindows.SetValue(0);
    std::size_t all = form_->tvProcesses.Count();
    form_->chkWithWindows.SetValue(1);
    EXPECT_LT(form_->tvProcesses.Count(), all);
}

TEST_F(ProcessesTest, CopyTakesTheNodeOrTheField) {
    HTREEITEM process = form_->NodeOfProcess(fixture_->Id());
    ClickTreeNode(View(), process);
    {
        const testwin::HeldKeys ctrl({VK_CONTROL});
        SendMessageA(View(), WM_KEYDOWN, 'C', 0);
    }
    EXPECT_EQ(testwin::ClipboardText(), Text(process));
    form_->lvDetails.SetSelectedIndex(1); // the path
    {
        const testwin::HeldKeys ctrl({VK_CONTROL});
        SendMessageA(form_->lvDetails.hWnd(), WM_KEYDOWN, 'C', 0);
    }
    EXPECT_TRUE(testwin::ClipboardText().ends_with("\\threads_fixture.exe"));
}

TEST_F(ProcessesTest, TheDumpHoldsEveryProcessWithItsThreadsAndTheirWindows) {
    const testwin::ProgramRun run =
        testwin::RunProgram(testwin::VantryPath(), "/dump /processes /json /all");
    ASSERT_EQ(run.exitCode, 0u) << run.output;
    const auto json = nlohmann::json::parse(run.output);
    std::set<std::uint32_t> listed;
    const nlohmann::json* fixture = nullptr;
    for (const auto& process : json["processes"]) {
        listed.insert(process["processId"].get<std::uint32_t>());
        if (process["processId"] == fixture_->Id()) {
            fixture = &process;
        }
    }
    EXPECT_TRUE(listed.contains(GetCurrentProcessId())); // also the ones without windows
    ASSERT_NE(fixture, nullptr);
    EXPECT_EQ((*fixture)["name"], "threads_fixture.exe");
    EXPECT_TRUE((*fixture)["path"].get<std::string>().ends_with("\\threads_fixture.exe"));
    EXPECT_EQ((*fixture)["bits"], sizeof(void*) * 8);
    std::map<DWORD, std::set<std::string>> dumped;
    for (const auto& thread : (*fixture)["threads"]) {
        auto& windows = dumped[thread["threadId"].get<DWORD>()];
        for (const auto& window : thread["windows"]) {
            windows.insert(window["handle"].get<std::string>());
            EXPECT_EQ(window["threadId"], thread["threadId"]);
        }
    }
    EXPECT_EQ(dumped, EnumeratedThreads(fixture_->Id()));

    // The text form: the process line, then its threads indented.
    const testwin::ProgramRun text = testwin::RunProgram(testwin::VantryPath(), "/dump /processes");
    ASSERT_EQ(text.exitCode, 0u);
    EXPECT_NE(text.output.find("\r\nthreads_fixture.exe  " + std::to_string(fixture_->Id())),
              std::string::npos);
    EXPECT_NE(text.output.find("\r\n  Thread " + std::to_string(ThreadOf(threadWindows_[1]))),
              std::string::npos);
}
