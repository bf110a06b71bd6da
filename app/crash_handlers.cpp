#include "app/crash_handlers.h"

#include "app/raw_log_writer.h"
#include "core/thread_start.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <new>
#include <signal.h>

namespace quendal_app {

namespace {

constexpr int kCrashSignals[] = {SIGABRT, SIGSEGV, SIGILL, SIGFPE, SIGBUS};

constexpr std::size_t kAlternateStackBytes = 64 * 1024;

// Room for the handler to run when the installing thread's own stack is exhausted.
alignas(16) char alternate_stack[kAlternateStackBytes];

// The alternate stack of one thread the program started, released when the
// thread ends (after the kernel has been told to stop using it).
struct ThreadAlternateStack {
    void* memory = nullptr;

    ThreadAlternateStack() {
        memory = std::malloc(kAlternateStackBytes);
        if (memory == nullptr) {
            return;  // the thread runs without one
        }
        stack_t stack{};
        stack.ss_sp = memory;
        stack.ss_size = kAlternateStackBytes;
        if (sigaltstack(&stack, nullptr) != 0) {
            std::free(memory);
            memory = nullptr;
        }
    }
    ~ThreadAlternateStack() {
        if (memory == nullptr) {
            return;
        }
        stack_t off{};
        off.ss_flags = SS_DISABLE;
        sigaltstack(&off, nullptr);
        std::free(memory);
    }
    ThreadAlternateStack(const ThreadAlternateStack&) = delete;
    ThreadAlternateStack& operator=(const ThreadAlternateStack&) = delete;
};

template <std::size_t N>
void write_literal(const char (&text)[N]) {
    write_fatal_line(text, N - 1);
}

// Decimal digits of a non-negative number into `out`; returns the count.
std::size_t format_decimal(int value, char* out) {
    char digits[16];
    std::size_t n = 0;
    unsigned v = value < 0 ? 0u : static_cast<unsigned>(value);
    do {
        digits[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0 && n < sizeof digits);
    for (std::size_t i = 0; i < n; ++i) {
        out[i] = digits[n - 1 - i];
    }
    return n;
}

void signal_entry(int signal, siginfo_t*, void*) {
    signalLogger(signal);
}

}  // namespace

void giveThreadAlternateSignalStack() noexcept {
    stack_t current{};
    if (sigaltstack(nullptr, &current) == 0 && (current.ss_flags & SS_DISABLE) == 0) {
        return;  // this thread has one already
    }
    try {
        thread_local ThreadAlternateStack stack;
    } catch (...) {
        // No room for the thread's bookkeeping: it runs without one.
    }
}

void terminateLogger() {
    write_literal("FATAL: std::terminate() called");
    std::abort();
}

void newHandlerLogger() {
    write_literal("FATAL: std::new_handler invoked (out of memory)");
    throw std::bad_alloc();
}

void signalLogger(int signal) {
    const int saved_errno = errno;
    static constexpr char kPrefix[] = "FATAL: C signal received sig=";
    char line[sizeof kPrefix + 16];
    std::memcpy(line, kPrefix, sizeof kPrefix - 1);
    const std::size_t length =
        sizeof kPrefix - 1 + format_decimal(signal, line + sizeof kPrefix - 1);
    write_fatal_line(line, length);
    errno = saved_errno;

    // The default action again, unblocked, so the process ends by this signal.
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, signal);
    pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
    raise(signal);
}

void installCrashHandlers() {
    std::set_terminate(terminateLogger);
    std::set_new_handler(newHandlerLogger);

    stack_t stack{};
    stack.ss_sp = alternate_stack;
    stack.ss_size = sizeof alternate_stack;
    stack.ss_flags = 0;
    sigaltstack(&stack, nullptr);
    // Every thread the program starts from now on gets a stack of its own.
    quendal::set_thread_start_hook(&giveThreadAlternateSignalStack);

    for (const int signal : kCrashSignals) {
        struct sigaction action {};
        action.sa_sigaction = signal_entry;
        sigemptyset(&action.sa_mask);
        // A thread without an alternate stack handles the signal on its own.
        action.sa_flags = SA_SIGINFO | SA_ONSTACK;
        sigaction(signal, &action, nullptr);
    }
}

}  // namespace quendal_app
