#include "model/message_session.h"

#include "core/mapi_win.h"
#include "model/message_hooks.h"
#include "model/ring_file.h"
#include "model/system_processes.h"

#include <algorithm>

namespace vantry {

namespace {

// A ring's worth of threads is plenty; WaitForMultipleObjects takes at most 64 handles.
constexpr std::size_t kMaxThreads = 32;
// Records read and not yet taken; past this the reader drops them (and counts them).
constexpr std::size_t kMaxPending = 2'000'000;
constexpr DWORD kHelperWaitMs = 10'000;
constexpr DWORD kGatherMs = 15;

struct ThreadSearch {
    DWORD processId;
    std::vector<DWORD>* threads;
};

BOOL CALLBACK AddChildThread(HWND child, LPARAM data) {
    auto& search = *reinterpret_cast<ThreadSearch*>(data);
    DWORD owner = 0;
    const DWORD thread = GetWindowThreadProcessId(child, &owner);
    if (owner == search.processId &&
        std::find(search.threads->begin(), search.threads->end(), thread) ==
            search.threads->end() &&
        search.threads->size() < kMaxThreads) {
        search.threads->push_back(thread);
    }
    return TRUE;
}

// The threads whose messages the scope covers: the window's, and for its children theirs too
// (those of its own process, whose hooks one library holds).
std::vector<DWORD> WatchedThreads(HWND window, ring::Scope scope) {
    DWORD processId = 0;
    std::vector<DWORD> threads{GetWindowThreadProcessId(window, &processId)};
    if (scope == ring::Scope::WithChildren) {
        ThreadSearch search{processId, &threads};
        EnumChildWindows(window, AddChildThread, reinterpret_cast<LPARAM>(&search));
    }
    return threads;
}

std::uint64_t Counter() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<std::uint64_t>(now.QuadPart);
}

} // namespace

std::string SystemMessageNamer::ClassName(std::uint32_t window) {
    return mAPI::ReadClassName(mAPI::IntToHandle<HWND>(static_cast<std::int32_t>(window)));
}

// Registered messages and clipboard formats share one table of names.
std::string SystemMessageNamer::RegisteredName(std::uint32_t message) {
    char name[256 * 3] = {};
    const int length = GetClipboardFormatNameA(message, name, sizeof name);
    return std::string(name, static_cast<std::size_t>(std::max(length, 0)));
}

std::unique_ptr<MessageSession> MessageSession::Start(HWND window, ring::Scope scope,
                                                      std::string& problem) {
    std::unique_ptr<MessageSession> session(new MessageSession);
    if (!session->Begin(window, scope, problem)) {
        return nullptr;
    }
    return session;
}

bool MessageSession::Begin(HWND window, ring::Scope scope, std::string& problem) {
    DWORD processId = 0;
    if (!IsWindow(window) || !GetWindowThreadProcessId(window, &processId)) {
        problem = "The window no longer exists.";
        return false;
    }
    window_ = window;
    threads_ = WatchedThreads(window, scope);
    for (DWORD thread : threads_) {
        auto ring = std::make_unique<RingFile>();
        if (!ring->Create(thread, mAPI::HandleToInt(window), scope, problem)) {
            return false;
        }
        rings_.push_back(std::move(ring));
    }
    readers_.resize(rings_.size());
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    frequency_ = static_cast<std::uint64_t>(frequency.QuadPart);
    startTicks_ = Counter();
    stop_ = mAPI::KernelHandle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    // The reader beats from the start: a ring without a heartbeat is one the writer ignores.
    reader_ = std::thread([this] { Read(); });
    return HoldHooks(processId, problem);
}

bool MessageSession::HoldHooks(std::uint32_t processId, std::string& problem) {
    const int bits = ProcessBits(processId).value_or(hooks::kOwnBits);
    if (bits != hooks::kOwnBits) {
        return StartHelper(bits, problem);
    }
    hooks_ = std::make_unique<hooks::HookSet>();
    return hooks_->Hook(threads_, problem);
}

// A program of the target's processor must hold its hooks: the other program, started hidden.
bool MessageSession::StartHelper(int bits, std::string& problem) {
    const std::string programName = hooks::ProgramName(bits);
    const std::wstring program = hooks::PathBeside(programName);
    if (GetFileAttributesW(program.c_str()) == INVALID_FILE_ATTRIBUTES ||
        GetFileAttributesW(hooks::PathBeside(hooks::HookLibraryName(bits)).c_str()) ==
            INVALID_FILE_ATTRIBUTES) {
        problem = "Logging a " + std::to_string(bits) + "-bit program needs " + programName +
                  " and " + hooks::HookLibraryName(bits) + " beside Vantry.";
        return false;
    }
    std::wstring line = L"\"" + program + L"\" /loghelper";
    for (DWORD thread : threads_) {
        line += L" " + std::to_wstring(thread);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        problem = "Vantry could not start " + programName + " (error " +
                  std::to_string(GetLastError()) + ").";
        return false;
    }
    CloseHandle(process.hThread);
    helper_ = mAPI::KernelHandle(process.hProcess);
    // The helper says in each ring whether it holds the hooks.
    const ULONGLONG deadline = GetTickCount64() + kHelperWaitMs;
    while (GetTickCount64() < deadline) {
        const bool pending = std::any_of(rings_.begin(), rings_.end(), [](const auto& ring) {
            return ring->HookState() == ring::HookState::Pending;
        });
        if (!pending) {
            break;
        }
        if (WaitForSingleObject(helper_.get(), 20) != WAIT_TIMEOUT) {
            break;
        }
    }
    const bool hooked = std::all_of(rings_.begin(), rings_.end(), [](const auto& ring) {
        return ring->HookState() == ring::HookState::Hooked;
    });
    if (!hooked) {
        problem = "The " + std::to_string(bits) + "-bit helper " + programName +
                  " could not hook the window's thread.";
    }
    return hooked;
}

MessageSession::~MessageSession() {
    Stop();
}

void MessageSession::Stop() {
    for (const auto& ring : rings_) {
        ring->Close();
    }
    if (hooks_) {
        hooks_->Unhook();
    }
    if (reader_.joinable()) {
        SetEvent(stop_.get());
        reader_.join();
    }
    if (helper_) {
        // The helper unhooks once it sees the rings closed.
        WaitForSingleObject(helper_.get(), 2000);
        helper_.reset();
    }
}

void MessageSession::SetPaused(bool paused) {
    for (const auto& ring : rings_) {
        ring->Header().paused.store(paused ? 1 : 0);
    }
}

std::uint64_t MessageSession::MicrosOf(std::uint64_t ticks) const {
    if (ticks <= startTicks_) {
        return 0;
    }
    const std::uint64_t elapsed = ticks - startTicks_;
    return elapsed / frequency_ * 1'000'000 + elapsed % frequency_ * 1'000'000 / frequency_;
}

std::vector<ring::RawRecord> MessageSession::Take() {
    std::vector<ring::RawRecord> taken;
    const std::lock_guard lock(pendingLock_);
    taken.swap(pending_);
    return taken;
}

bool MessageSession::DrainAll(std::vector<ring::RawRecord>& batch) {
    std::uint64_t dropped = 0;
    for (std::size_t i = 0; i < rings_.size(); ++i) {
        RingFile& ring = *rings_[i];
        ring.Beat();
        ring::Drain(ring.Header(), ring.Slots(), ring::kSlotCount, readers_[i], batch, dropped);
    }
    dropped_ += dropped;
    return !batch.empty();
}

void MessageSession::Read() {
    std::vector<HANDLE> waits{stop_.get()};
    for (const auto& ring : rings_) {
        waits.push_back(ring->Wake());
    }
    for (;;) {
        // Once told to stop, one more pass takes what the rings still hold.
        const bool stopping = WaitForSingleObject(stop_.get(), 0) == WAIT_OBJECT_0;
        std::vector<ring::RawRecord> batch;
        if (!DrainAll(batch) && !stopping) {
            // Asleep only when nothing came after saying so: the writer wakes a waiting reader.
            for (const auto& ring : rings_) {
                ring->Header().readerWaiting.store(1);
            }
            if (!DrainAll(batch)) {
                const DWORD woken = WaitForMultipleObjects(static_cast<DWORD>(waits.size()),
                                                           waits.data(), FALSE, 100);
                // Woken by a writer: a moment's wait lets records gather, so that the writer
                // finds the reader busy, not waiting, and need not wake it (a wake costs the
                // writer a round trip to the system).
                if (woken > WAIT_OBJECT_0 && woken < WAIT_OBJECT_0 + waits.size()) {
                    Sleep(kGatherMs);
                }
            }
        }
        if (!IsWindow(window_)) {
            windowGone_ = true;
        }
        Publish(batch);
        if (stopping) {
            return;
        }
    }
}

void MessageSession::Publish(std::vector<ring::RawRecord>& batch) {
    if (batch.empty()) {
        return;
    }
    // Each thread's records are in order; across threads, the time orders them.
    std::stable_sort(
        batch.begin(), batch.end(),
        [](const ring::RawRecord& a, const ring::RawRecord& b) { return a.time < b.time; });
    const std::lock_guard lock(pendingLock_);
    const std::size_t room = kMaxPending - std::min(kMaxPending, pending_.size());
    const std::size_t kept = std::min(room, batch.size());
    dropped_ += batch.size() - kept;
    pending_.insert(pending_.end(), std::make_move_iterator(batch.begin()),
                    std::make_move_iterator(batch.begin() + static_cast<std::ptrdiff_t>(kept)));
}

} // namespace vantry
