#include "model/ring_file.h"

#include <sddl.h>

#include <memory>

namespace vantry {

namespace {

std::wstring NameOf(const wchar_t* format, DWORD thread) {
    wchar_t name[64];
    wsprintfW(name, format, thread);
    return name;
}

// Full access for the current user alone, no one else.
struct UserOnly {
    SECURITY_ATTRIBUTES attributes{sizeof(SECURITY_ATTRIBUTES), nullptr, FALSE};

    UserOnly() {
        HANDLE opened = nullptr;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &opened)) {
            return;
        }
        const mAPI::KernelHandle token(opened);
        DWORD size = 0;
        GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
        auto buffer = std::make_unique<std::uint8_t[]>(size);
        wchar_t* sid = nullptr;
        if (size && GetTokenInformation(token.get(), TokenUser, buffer.get(), size, &size) &&
            ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.get())->User.Sid, &sid)) {
            const std::wstring text = L"D:P(A;;GA;;;" + std::wstring(sid) + L")";
            ConvertStringSecurityDescriptorToSecurityDescriptorW(
                text.c_str(), SDDL_REVISION_1, &attributes.lpSecurityDescriptor, nullptr);
            LocalFree(sid);
        }
    }
    ~UserOnly() { LocalFree(attributes.lpSecurityDescriptor); }
    UserOnly(const UserOnly&) = delete;
    UserOnly& operator=(const UserOnly&) = delete;
};

// Whether the session that made a ring is over: ended, its program gone, or silent.
bool SessionOver(const ring::Header& header) {
    if (header.magic != ring::kMagic || header.closed.load() != 0 ||
        GetTickCount() - header.heartbeat.load() > ring::kHeartbeatTimeoutMs) {
        return true;
    }
    const mAPI::KernelHandle owner(OpenProcess(SYNCHRONIZE, FALSE, header.ownerProcess));
    return !owner || WaitForSingleObject(owner.get(), 0) != WAIT_TIMEOUT;
}

} // namespace

RingFile::~RingFile() {
    if (header_) {
        UnmapViewOfFile(header_);
    }
}

bool RingFile::Map(DWORD access) {
    header_ = static_cast<ring::Header*>(
        MapViewOfFile(mapping_.get(), access, 0, 0, ring::kMappingBytes));
    return header_ != nullptr;
}

bool RingFile::Create(DWORD thread, std::uint32_t root, ring::Scope scope, std::string& problem) {
    UserOnly security;
    mapping_ = mAPI::KernelHandle(CreateFileMappingW(
        INVALID_HANDLE_VALUE, &security.attributes, PAGE_READWRITE, 0,
        static_cast<DWORD>(ring::kMappingBytes), NameOf(ring::kRingNameFormat, thread).c_str()));
    const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
    wake_ = mAPI::KernelHandle(CreateEventW(&security.attributes, FALSE, FALSE,
                                            NameOf(ring::kWakeNameFormat, thread).c_str()));
    if (!mapping_ || !wake_ || !Map(FILE_MAP_READ | FILE_MAP_WRITE)) {
        problem = "Vantry could not make the log's shared memory (error " +
                  std::to_string(GetLastError()) + ").";
        return false;
    }
    ring::Header& header = *header_;
    if (existed && !SessionOver(header)) {
        problem = "Another message log already watches this window's thread.";
        return false;
    }
    // Closed first: a hook library still holding an old ring writes nothing while it is reset.
    header.closed.store(1);
    header.magic = ring::kMagic;
    header.version = ring::kVersion;
    header.slotCount = ring::kSlotCount;
    header.slotSize = sizeof(ring::Slot);
    header.ownerProcess = GetCurrentProcessId();
    header.scope = static_cast<std::uint32_t>(scope);
    header.root = root;
    header.hookState.store(0);
    header.paused.store(0);
    header.readerWaiting.store(0);
    header.writeIndex.store(0);
    header.readIndex.store(0);
    header.dropped.store(0);
    Beat();
    header.closed.store(0);
    return true;
}

bool RingFile::Open(DWORD thread) {
    mapping_ = mAPI::KernelHandle(OpenFileMappingW(FILE_MAP_READ | FILE_MAP_WRITE, FALSE,
                                                   NameOf(ring::kRingNameFormat, thread).c_str()));
    return mapping_ && Map(FILE_MAP_READ | FILE_MAP_WRITE) && header_->magic == ring::kMagic;
}

} // namespace vantry
