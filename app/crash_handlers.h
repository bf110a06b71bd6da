// Last words of a failing process: each handler appends its line to both log
// files through the raw writer, then lets the failure take its course.
#pragma once

namespace quendal_app {

// Installs, in this order, the terminate handler, the new handler and the
// signal handlers for SIGABRT, SIGSEGV, SIGILL, SIGFPE and SIGBUS, the latter
// on an alternate stack so that a stack overflow can still be reported: this
// thread's, and one for every thread started through the engine's thread-start
// hook, which this sets. The crash-line paths should be set first
// (set_fatal_line_paths).
void installCrashHandlers();

// Gives the calling thread an alternate signal stack, released when the
// thread ends; nothing when it has one already.
void giveThreadAlternateSignalStack() noexcept;

// "FATAL: std::terminate() called", then abort.
[[noreturn]] void terminateLogger();
// "FATAL: std::new_handler invoked (out of memory)", then std::bad_alloc is
// thrown: an allocation that cannot be met is an error the caller handles.
void newHandlerLogger();
// "FATAL: C signal received sig=N", then the signal again with its default
// action, so the process ends by that signal.
void signalLogger(int signal);

}  // namespace quendal_app
