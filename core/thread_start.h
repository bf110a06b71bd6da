// What runs first on every thread the engine starts (pool workers, runout
// ranking, tree and pocket builds) and on the threads the layers above start.
// The application sets the hook once, before any solve; it gives each thread
// what the process needs per thread (an alternate signal stack, say).
#pragma once

#include <atomic>

namespace quendal {

using ThreadStartHook = void (*)() noexcept;

inline std::atomic<ThreadStartHook> thread_start_hook{nullptr};

inline void set_thread_start_hook(ThreadStartHook hook) noexcept {
    thread_start_hook.store(hook);
}

// Runs the hook, if one is set, on the calling thread.
inline void on_thread_start() noexcept {
    if (const ThreadStartHook hook = thread_start_hook.load()) {
        hook();
    }
}

}  // namespace quendal
