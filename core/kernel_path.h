// Which build of the solver's hot loops runs. The kernels, the traversals
// and the terminal payoffs are compiled once for any x86-64 processor and, in
// the default build (TESSAVAL_AVX2), once more for processors with AVX2 and FMA
// (and BMI1/2, POPCNT, LZCNT). Their functions take the path as a template
// argument; the first call of kernel_path() picks the path the processor runs.
#pragma once

namespace quendal {

enum class KernelPath { kPortable, kAvx2Fma };

// The path in use: AVX2 + FMA when this build holds it and the processor has
// every feature it needs, else portable. Chosen on the first call.
KernelPath kernel_path();
// "avx2+fma" or "portable", for logs.
const char* kernel_path_name();
// Whether this build holds `path` and this processor can run it.
bool kernel_path_available(KernelPath path);
// For tests that compare the paths: makes `path` the one in use. Not while a
// solve runs. Throws std::invalid_argument when the path is not available.
void set_kernel_path_for_testing(KernelPath path);

// Returns f.template operator()<P>() for P the path in use: the entry points
// into the hot loops go through here.
template <typename F>
decltype(auto) with_kernel_path(F&& f) {
#ifdef QUENDAL_WITH_AVX2_PATH
    if (kernel_path() == KernelPath::kAvx2Fma) {
        return f.template operator()<KernelPath::kAvx2Fma>();
    }
#endif
    return f.template operator()<KernelPath::kPortable>();
}

}  // namespace quendal
