// One thread's ring as a named shared memory that only the current user can open, and the
// event that wakes its reader.
#pragma once

#include "core/handles.h"
#include "model/message_ring.h"

#include <windows.h>

#include <string>

namespace vantry {

class RingFile {
  public:
    RingFile() = default;
    ~RingFile();
    RingFile(const RingFile&) = delete;
    RingFile& operator=(const RingFile&) = delete;

    // The session's side: makes the thread's ring, or takes over one whose session has ended
    // (its hook library may still hold it); false and why when a live session has it.
    bool Create(DWORD thread, std::uint32_t root, ring::Scope scope, std::string& problem);
    // The helper's side: the ring the session made.
    bool Open(DWORD thread);

    ring::Header& Header() { return *header_; }
    const ring::Slot* Slots() const { return ring::SlotsOf(header_); }
    HANDLE Wake() const { return wake_.get(); }
    DWORD Owner() const { return header_->ownerProcess; }
    bool Closed() const { return header_->closed.load() != 0; }
    ring::HookState HookState() const {
        return static_cast<ring::HookState>(header_->hookState.load());
    }
    void SetHookState(ring::HookState state) {
        header_->hookState.store(static_cast<std::uint32_t>(state));
    }
    // Tells the writer the reader still lives.
    void Beat() { header_->heartbeat.store(GetTickCount()); }
    // Ends the session: the writer goes quiet at its next message.
    void Close() { header_->closed.store(1); }

  private:
    bool Map(DWORD access);

    mAPI::KernelHandle mapping_;
    mAPI::KernelHandle wake_;
    ring::Header* header_ = nullptr;
};

} // namespace vantry
