#include "app/crash_handlers.h"

#include "app/raw_log_writer.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <new>
#include <signal.h>

namespace quendal_app {

namespace {

constexpr int kCrashSignals[] = {SIGABRT, SIGSEGV, SIGILL, SIGFPE, SIGBUS};

// Room for the handler to run when the thread's own stack is exhausted.
alignas(16) char alternate_stack[64 * 1024];

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
    const bool on_alternate_stack = sigaltstack(&stack, nullptr) == 0;

    for (const int signal : kCrashSignals) {
        struct sigaction action {};
        action.sa_sigaction = signal_entry;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_SIGINFO | (on_alternate_stack ? SA_ONSTACK : 0);
        sigaction(signal, &action, nullptr);
    }
}

}  // namespace quendal_app
