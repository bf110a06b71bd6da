#include "app/file_bytes.h"

#include "app/local_file_url.h"

#include <atomic>
#include <cstdint>
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

namespace quendal_app {

namespace {

// The mapping being read, and the handler that was there before ours. One
// mapping at a time is guarded: files are opened on the interface's thread.
std::atomic<const char*> guardedBegin{nullptr};
std::atomic<const char*> guardedEnd{nullptr};
std::atomic<bool> guardedFault{false};
struct sigaction previousBus {};

// A read past the end of a file that shrank under its mapping raises
// SIGBUS: inside the guarded mapping a page of zeros takes the lost page's
// place, and the reader is told; anywhere else the handler before ours
// decides.
void onBus(int signal, siginfo_t* info, void* context) {
    const char* at = static_cast<const char*>(info->si_addr);
    if (at >= guardedBegin.load() && at < guardedEnd.load()) {
        const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
        void* start = reinterpret_cast<void*>(reinterpret_cast<std::uintptr_t>(at) & ~(page - 1));
        if (::mmap(start, page, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) !=
            MAP_FAILED) {
            guardedFault.store(true);
            return;
        }
    }
    if ((previousBus.sa_flags & SA_SIGINFO) != 0 && previousBus.sa_sigaction != nullptr) {
        previousBus.sa_sigaction(signal, info, context);
    } else if (previousBus.sa_handler != SIG_DFL && previousBus.sa_handler != SIG_IGN) {
        previousBus.sa_handler(signal);
    } else {
        // Returning runs the faulting read again, which now ends the program.
        ::sigaction(SIGBUS, &previousBus, nullptr);
    }
}

}  // namespace

FileBytes::FileBytes(QFile& file) {
    const qint64 size = file.size();
    if (size > 0 && size < std::numeric_limits<qsizetype>::max() / 2 && file.handle() >= 0) {
        void* map = ::mmap(nullptr, static_cast<std::size_t>(size), PROT_READ,
                           MAP_PRIVATE | MAP_POPULATE, file.handle(), 0);
        if (map != MAP_FAILED) {
            map_ = map;
            size_ = static_cast<qsizetype>(size);
            bytes_ = QByteArray::fromRawData(static_cast<const char*>(map), size_);
            guardedFault.store(false);
            guardedBegin.store(static_cast<const char*>(map));
            guardedEnd.store(static_cast<const char*>(map) + size_);
            struct sigaction action {};
            action.sa_sigaction = onBus;
            action.sa_flags = SA_SIGINFO | SA_ONSTACK;
            sigemptyset(&action.sa_mask);
            ::sigaction(SIGBUS, &action, &previousBus);
            return;
        }
    }
    bytes_ = readWhole(file);
}

FileBytes::~FileBytes() {
    if (map_ != nullptr) {
        ::sigaction(SIGBUS, &previousBus, nullptr);
        guardedBegin.store(nullptr);
        guardedEnd.store(nullptr);
        ::munmap(map_, static_cast<std::size_t>(size_));
    }
}

bool FileBytes::shrank() const {
    return map_ != nullptr && guardedFault.load();
}

}  // namespace quendal_app
