// Last words of a failing process: each handler appends its line to both log
// files through the raw writer, then lets the failure take its course.
#pragma once

namespace quendal_app {

// Installs, in this order, the terminate handler, the new handler and the
// signal handlers for SIGABRT, SIGSEGV, SIGILL, SIGFPE and SIGBUS, the latter
// on an alternate stack so that a stack overflow on this thread can still be
// reported. The crash-line paths should be set first (set_fatal_line_paths).
void installCrashHandlers();

// "FATAL: std::terminate() called", then abort.
[[noreturn]] void terminateLogger();
// "FATAL: std::new_handler invoked (out of memory)", then std::bad_alloc is
// thrown: an allocation that cannot be met is an error the caller handles.
void newHandlerLogger();
// "FATAL: C signal received sig=N", then the signal again with its default
// action, so the process ends by that signal.
void signalLogger(int signal);

}  // namespace quendal_app
