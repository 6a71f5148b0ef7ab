// Code that the system calls back (window procedures, enumeration callbacks) hands its work to
// Guarded: an exception must never unwind through the system's code, so one that escapes the
// work gives the fallback's answer instead.
#pragma once

namespace mAPI {

template <typename Work, typename Fallback>
auto Guarded(Work&& work, Fallback&& fallback) noexcept -> decltype(work()) {
    try {
        return work();
    } catch (...) {
        return fallback();
    }
}

} // namespace mAPI
