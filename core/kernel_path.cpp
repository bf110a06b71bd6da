#include "core/kernel_path.h"

#include <atomic>
#include <stdexcept>

namespace quendal {

namespace {

// The features the AVX2 + FMA compile is allowed to use (see
// core/kernel_path_target.h); the AVX2 check includes the system's support
// for the wider registers.
bool processor_runs_avx2_path() {
#ifdef QUENDAL_WITH_AVX2_PATH
    static const bool supported = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma") &&
               __builtin_cpu_supports("bmi") && __builtin_cpu_supports("bmi2") &&
               __builtin_cpu_supports("popcnt") && __builtin_cpu_supports("lzcnt");
    }();
    return supported;
#else
    return false;
#endif
}

std::atomic<KernelPath>& selected_path() {
    static std::atomic<KernelPath> path{processor_runs_avx2_path() ? KernelPath::kAvx2Fma
                                                                   : KernelPath::kPortable};
    return path;
}

}  // namespace

KernelPath kernel_path() {
    return selected_path().load(std::memory_order_relaxed);
}

const char* kernel_path_name() {
    return kernel_path() == KernelPath::kAvx2Fma ? "avx2+fma" : "portable";
}

bool kernel_path_available(KernelPath path) {
    return path == KernelPath::kPortable || processor_runs_avx2_path();
}

void set_kernel_path_for_testing(KernelPath path) {
    if (!kernel_path_available(path)) {
        throw std::invalid_argument("kernel path not available in this build or on this processor");
    }
    selected_path().store(path, std::memory_order_relaxed);
}

}  // namespace quendal
