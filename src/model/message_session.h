// One message log session: the rings of the watched threads, the hooks on them (held here, or by
// the other processor's program as a helper), and a reader thread that empties the rings as the
// hook library fills them, beats the rings' heartbeat, and notices the watched window's end.
#pragma once

#include "core/handles.h"
#include "model/message_records.h"
#include "model/message_ring.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vantry {

class RingFile;
namespace hooks {
class HookSet;
}

// Class names and registered message names, from the system.
class SystemMessageNamer : public MessageNamer {
  public:
    std::string ClassName(std::uint32_t window) override;
    std::string RegisteredName(std::uint32_t message) override;
};

class MessageSession {
  public:
    // Starts logging window (or its children, or its thread); nullptr and why when it cannot.
    // The hook libraries and the helper are the ones beside the program.
    static std::unique_ptr<MessageSession> Start(HWND window, ring::Scope scope,
                                                 std::string& problem);
    ~MessageSession();
    // Ends the session: the rings close, the hooks go, the reader takes what is left.
    void Stop();
    MessageSession(const MessageSession&) = delete;
    MessageSession& operator=(const MessageSession&) = delete;

    // The records read since the last call, in the order they came.
    std::vector<ring::RawRecord> Take();
    // Microseconds since the session began, for a record's time.
    std::uint64_t MicrosOf(std::uint64_t ticks) const;
    // Records the full rings refused, and those the reader could not keep.
    std::uint64_t Dropped() const { return dropped_.load(); }
    // The watched window has been destroyed.
    bool WindowGone() const { return windowGone_.load(); }
    void SetPaused(bool paused);

  private:
    MessageSession() = default;
    bool Begin(HWND window, ring::Scope scope, std::string& problem);
    bool HoldHooks(std::uint32_t processId, std::string& problem);
    bool StartHelper(int bits, std::string& problem);
    void Read();
    bool DrainAll(std::vector<ring::RawRecord>& batch);
    void Publish(std::vector<ring::RawRecord>& batch);

    HWND window_ = nullptr;
    std::vector<DWORD> threads_;
    std::vector<std::unique_ptr<RingFile>> rings_;
    std::vector<ring::ReaderState> readers_;
    std::unique_ptr<hooks::HookSet> hooks_;
    mAPI::KernelHandle helper_;
    mAPI::KernelHandle stop_;
    std::uint64_t startTicks_ = 0;
    std::uint64_t frequency_ = 1;

    std::thread reader_;
    std::mutex pendingLock_;
    std::vector<ring::RawRecord> pending_;
    std::atomic<std::uint64_t> dropped_{0};
    std::atomic<bool> windowGone_{false};
};

} // namespace vantry
