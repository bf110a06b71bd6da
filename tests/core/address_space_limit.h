// Caps the process's address space for one scope, a given amount above what
// it already maps, so that a test can meet a spot larger than the machine
// as a failed allocation instead of the kernel's out-of-memory killer.
// Sanitizers reserve far more address space than that: skip under them.
#pragma once

#include <cstdint>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

class ScopedAddressSpaceLimit {
public:
    explicit ScopedAddressSpaceLimit(std::uint64_t headroom_bytes) {
        if (getrlimit(RLIMIT_AS, &saved_) != 0) {
            return;
        }
        std::uint64_t pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        rlimit capped = saved_;
        capped.rlim_cur =
            pages * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE)) + headroom_bytes;
        if (saved_.rlim_cur != RLIM_INFINITY && saved_.rlim_cur < capped.rlim_cur) {
            capped.rlim_cur = saved_.rlim_cur;
        }
        active_ = pages != 0 && setrlimit(RLIMIT_AS, &capped) == 0;
    }
    ~ScopedAddressSpaceLimit() {
        if (active_) {
            setrlimit(RLIMIT_AS, &saved_);
        }
    }
    ScopedAddressSpaceLimit(const ScopedAddressSpaceLimit&) = delete;
    ScopedAddressSpaceLimit& operator=(const ScopedAddressSpaceLimit&) = delete;

    bool active() const { return active_; }

private:
    rlimit saved_{};
    bool active_ = false;
};
